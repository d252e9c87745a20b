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

/// Windows-1253 to UTF-8. Bytes the code page leaves undefined become U+FFFD.
std::string fromWindows1253(std::string_view bytes);

}  // namespace suite
