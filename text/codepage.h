#pragma once

#include <string>
#include <string_view>

namespace suite {

/// UTF-8 to Windows-1253 (the single-byte Windows Greek code page). A character that the code
/// page cannot hold, or malformed UTF-8, throws UserError: nothing is written as a silent '?'.
/// The message names the character and its code (U+0416) and quotes the text when short; for
/// malformed UTF-8 (also overlong forms and surrogates) it gives the byte and its position.
/// The code page holds ASCII, the Greek letters with their tonos and dialytika, € ‚ ƒ „ … † ‡
/// ‰ ‹ ‘ ’ “ ” • – — ™ ›, the no-break space and a few Latin-1 signs (£ ¤ ¥ ¦ § ¨ © « ¬ ® °
/// ± ² ³ µ ¶ · » ½) and ΅ ΄ ―.
std::string toWindows1253(std::string_view utf8);

/// A text as a message quotes it: control characters, which a message box cannot show (a NUL
/// would even cut the message), and every byte that is not part of well-formed UTF-8 (overlong
/// forms, surrogates, code points beyond U+10FFFF, bytes of another code page) as '?'.
std::string quotable(std::string_view text);

/// Windows-1253 to UTF-8. Bytes the code page leaves undefined become U+FFFD.
std::string fromWindows1253(std::string_view bytes);

/// A text read from a file to be written out again (the title of a stereo DTM file, say).
struct FileText {
  /// The text in UTF-8. A byte that neither reading defines is U+FFFD here.
  std::string utf8;
  /// Empty when Windows-1253 holds every character. Otherwise the first character it lacks, as
  /// the file holds it, worded as the object of a Greek sentence: "τον χαρακτήρα «Ж» (U+0416),
  /// που δεν υπάρχει στην ελληνική κωδικοσελίδα Windows-1253", or for a byte that is a
  /// character neither of UTF-8 nor of Windows-1253 "το byte 0x81 στη θέση 5, που ...".
  std::string unwritable;
};

/// Reads the bytes of a text from a file: as UTF-8 when they are valid UTF-8 and hold at least
/// one character beyond ASCII, as a modern editor saves a file; otherwise as Windows-1253, the
/// code page the suite writes. So the suite's own files and files typed into an editor both read
/// as they were meant. (Windows-1253 Greek text is valid UTF-8 only by rare accident: its
/// letters would have to fall into UTF-8's lead and continuation bytes throughout.)
FileText decodeFileText(std::string_view bytes);

}  // namespace suite
