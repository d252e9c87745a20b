#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "dtm/decimal_number.h"

namespace suite {

/// Reads a text file of numbers separated by commas, blanks, tabs and line ends in any mix,
/// through a fixed-size buffer, so memory does not grow with the file. Numbers use "." as the
/// decimal point and may carry a sign. Every failure throws UserError with a Greek message that
/// names the file, the value's number in the file (1-based) and its line, and `what` the value is.
///
/// Separators: a run of blanks, tabs, CR and LF with at most one comma in it is one separator
/// (", " is one separator). Two commas with nothing but blanks or line ends between them, or a
/// comma before the first value, enclose an empty value: it is reported as missing, never read
/// as 0. A UTF-8 byte order mark at the very start of the file is skipped. Lines end with LF,
/// CR LF or a lone CR.
///
/// Numbers: an optional sign, digits with an optional "." and decimals (".5" and "5." are
/// numbers), an optional exponent ("e" or "E", an optional sign, digits); every number is read
/// as the correctly rounded double. Any other token ("12abc", "1.2.3", "--1", "inf", "nan") is
/// reported as not a number. A number beyond the largest finite double is reported too.
///
/// Only a regular file is read: a folder, a named pipe, a device or a socket is refused when it
/// is opened, without waiting for a writer or for data.
class NumberScanner {
 public:
  /// Bytes of the read buffer; also the length limit of one token. A smaller file gets a
  /// smaller buffer, one that holds it whole.
  static constexpr std::size_t kDefaultBufferBytes = 256 * 1024;

  /// The bytes of a file held in memory, read as the file `name` would be (named so in
  /// messages). The bytes must outlive the scanner.
  struct InMemory {
    std::string name;
    std::string_view bytes;
  };

  /// Opens the file; throws UserError naming it when it cannot be opened or is not a regular
  /// file (a folder, a named pipe, a device).
  explicit NumberScanner(const std::string& path);
  /// The same with a buffer of `bufferBytes` (at least 4), for tests of the buffer's edges.
  NumberScanner(const std::string& path, std::size_t bufferBytes);
  /// Reads bytes held in memory through the same buffer as a file (for tests and fuzzing: no
  /// disk, and every edge of a buffer of `bufferBytes` is crossed as in a file).
  explicit NumberScanner(const InMemory& file, std::size_t bufferBytes = kDefaultBufferBytes);
  ~NumberScanner();
  NumberScanner(const NumberScanner&) = delete;
  NumberScanner& operator=(const NumberScanner&) = delete;

  /// What scan() found.
  enum class Scan {
    Number,      ///< a number, stored in `value`
    EndOfFile,   ///< no value is left
    Empty,       ///< two commas with nothing between them (or a comma at the start)
    NotNumber,   ///< a token that is not a number
    OutOfRange,  ///< a number beyond the largest finite double
    TooLong,     ///< a token longer than the buffer
  };

  /// Reads the raw bytes of a title: everything up to the first comma or line end, which is
  /// consumed (a CR LF line end whole). Meant for the first line of a file, before any number.
  /// The bytes are returned as they are, in whatever code page the file uses. A title does not
  /// count as a value. Throws UserError when the title runs beyond 64 KiB.
  std::string readTitle();

  /// Reads the next number. `what` is the Greek name of the value, used only in messages
  /// (for example "πλήθος γραμμών"). Throws at the end of the file or on a token that is not a
  /// number: such a token is never read as 0.
  double readNumber(std::string_view what) {
    double value;
    const Scan result = scan(value);
    if (result != Scan::Number) fail(result, what);
    return value;
  }

  /// Reads the next number without throwing on its content, for loops that describe the value
  /// only when it fails (building `what` for every value would cost more than the reading).
  /// On anything but Scan::Number, pass the result to fail(). Throws only on a read error.
  /// Inline: the usual value (blanks and at most one comma, then a number) is read here.
  Scan scan(double& value);

  /// Throws the UserError that describes `result` of the last scan(), with `what` naming the
  /// value that was wanted.
  [[noreturn]] void fail(Scan result, std::string_view what) const;

  /// Number of values read so far and the current line (1-based). Right after a value has been
  /// read, line() is the line that value stands on.
  std::int64_t valuesRead() const { return valuesRead_; }
  std::int64_t line() const { return line_; }
  const std::string& path() const { return path_; }

  /// Bytes not read yet, as the size of the file when it was opened tells: an upper bound on
  /// what is left to read, so that a caller can check what a header announces against it.
  std::uint64_t bytesLeft() const { return sourceLeft_ + (end_ - pos_); }

 private:
  void openFile();
  void startReading(std::size_t bufferBytes);
  std::size_t fill();
  std::size_t readSource(char* into, std::size_t wanted);
  void gatherRestOfToken();
  Scan scanGeneral(double& value);
  Scan scanSlow(char* tokenStart, double& value);
  Scan finishToken(const char* tokenStart, const char* stop, bool wellFormed, bool inRange);

  std::string path_;
  std::FILE* file_ = nullptr;
  const char* memory_ = nullptr;  // the unread bytes of an in-memory file
  std::uint64_t sourceLeft_ = 0;  // bytes of the file (by its size when opened) not yet in buffer_
  std::vector<char> buffer_;      // capacity bytes, one NUL that stops every scan loop, padding
  char* data_ = nullptr;          // buffer_.data()
  std::size_t capacity_ = 0;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool commaPending_ = true;  // a comma since the last value: a second one is an empty value
  bool titleRead_ = false;
  std::int64_t valuesRead_ = 0;
  std::int64_t line_ = 1;
  std::int64_t lastValueLine_ = 0;
  std::string badToken_;  // the offending token of a failed scan, for its message
};

namespace detail {

// Skips a run of blanks eight at a time; the NUL after the buffer's bytes stops it, and the
// buffer's padding lets it read the seven bytes after that NUL.
template <typename Char>
inline Char* skipBlankRun(Char* p) {
  constexpr std::uint64_t kEightBlanks = 0x2020202020202020u;
  for (;;) {
    std::uint64_t eight;
    std::memcpy(&eight, p, sizeof eight);
    if (eight != kEightBlanks) break;
    p += 8;
  }
  while (*p == ' ') ++p;
  return p;
}

}  // namespace detail

SUITE_ALWAYS_INLINE NumberScanner::Scan NumberScanner::scan(double& value) {
  // Fast path for the common separator (blanks with at most one comma) followed by a number
  // whose end is in the buffer. Anything else goes to scanGeneral(), which starts over from
  // the same place: nothing has been changed until the value is known to be good.
  const char* p = data_ + pos_;
  while (*p == ' ') ++p;
  if (*p == ',') {
    if (commaPending_) return scanGeneral(value);
    ++p;
    while (*p == ' ') ++p;
  }
  if (static_cast<unsigned char>(*p) <= ' ' || *p == ',') return scanGeneral(value);
  DecimalStatus status;
  const char* const stop = parseDecimal(p, value, status);
  // The number must end at a separator: ',', ' ', '\n', '\r' or '\t', all below 64, tested
  // as one bit mask.
  constexpr std::uint64_t kSeparatorBits = (std::uint64_t{1} << ',') | (std::uint64_t{1} << ' ') |
                                           (std::uint64_t{1} << '\n') | (std::uint64_t{1} << '\r') |
                                           (std::uint64_t{1} << '\t');
  const auto after = static_cast<unsigned char>(*stop);
  if (status != DecimalStatus::Ok || after >= 64 || ((kSeparatorBits >> after) & 1) == 0) {
    return scanGeneral(value);
  }
  pos_ = static_cast<std::size_t>(stop - data_);
  commaPending_ = false;
  ++valuesRead_;
  lastValueLine_ = line_;
  return Scan::Number;
}

}  // namespace suite
