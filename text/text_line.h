#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace suite {

/// Builds the text lines of a file the way a column-tabbed print does: text is appended to
/// the current line and Tab(n) pads with blanks so the next text starts in column n (column 1
/// is the first character). When the line already reaches column n or beyond, the line is
/// ended and the new line is padded to column n. Columns count characters, not bytes (UTF-8).
/// A "\n" inside appended text ends the line as well. Example: << " 1 " then tab(10) gives
/// " 1 " and six more blanks, so the next text starts in column 10.
class TextLine {
 public:
  TextLine& operator<<(std::string_view text);
  /// Moves to column n (n >= 1; smaller values count as 1).
  TextLine& tab(int column);
  /// Every line built so far, the current one last. Usually one line.
  std::vector<std::string> lines() const;

 private:
  std::vector<std::string> finished_;
  std::string current_;
  int currentColumns_ = 0;
};

}  // namespace suite
