#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace suite {

/// Reads a text file of numbers separated by commas, blanks, tabs and line ends in any mix,
/// through a fixed-size buffer, so memory does not grow with the file. Numbers use "." as the
/// decimal point and may carry a sign. Every failure throws UserError with a Greek message that
/// names the file, the value's number in the file (1-based) and its line, and `what` the value is.
class NumberScanner {
 public:
  /// Opens the file; throws UserError naming it when it cannot be opened.
  explicit NumberScanner(const std::string& path);
  ~NumberScanner();
  NumberScanner(const NumberScanner&) = delete;
  NumberScanner& operator=(const NumberScanner&) = delete;

  /// Reads the raw bytes of a title: everything up to the first comma or line end, which is
  /// consumed. Meant for the first line of a file, before any number.
  std::string readTitle();

  /// Reads the next number. `what` is the Greek name of the value, used only in messages
  /// (for example "πλήθος γραμμών"). Throws at the end of the file or on a token that is not a
  /// number: such a token is never read as 0.
  double readNumber(std::string_view what);

  /// Number of values read so far and the current line (1-based).
  std::int64_t valuesRead() const { return valuesRead_; }
  std::int64_t line() const { return line_; }
  const std::string& path() const { return path_; }

 private:
  // Implementation detail: the buffer and its cursor. Free to change.
  bool refill();
  std::string path_;
  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::int64_t valuesRead_ = 0;
  std::int64_t line_ = 1;
};

}  // namespace suite
