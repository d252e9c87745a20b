#include "text/text_line.h"

#include <utility>

namespace suite {
namespace {

/// Characters in UTF-8 text: every byte that does not continue a multi-byte sequence.
int countCharacters(std::string_view text) {
  int count = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

TextLine& TextLine::operator<<(std::string_view text) {
  // A line break inside the text ends the line, so that columns keep counting from the new
  // line's start.
  std::size_t newline;
  while ((newline = text.find('\n')) != std::string_view::npos) {
    current_ += text.substr(0, newline);
    finished_.push_back(std::move(current_));
    current_.clear();
    currentColumns_ = 0;
    text.remove_prefix(newline + 1);
  }
  current_ += text;
  currentColumns_ += countCharacters(text);
  return *this;
}

TextLine& TextLine::tab(int column) {
  if (column < 1) column = 1;
  if (currentColumns_ >= column) {
    finished_.push_back(std::move(current_));
    current_.clear();
    currentColumns_ = 0;
  }
  current_.append(static_cast<std::size_t>(column - 1 - currentColumns_), ' ');
  currentColumns_ = column - 1;
  return *this;
}

std::vector<std::string> TextLine::lines() const {
  std::vector<std::string> all = finished_;
  all.push_back(current_);
  return all;
}

}  // namespace suite
