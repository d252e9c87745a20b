#include "dtmconvert/grid_text.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace dtmconvert {

std::string headerNumber(double value) {
  if (value == 0) return "0";
  char text[40];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
  return std::string(text, end.ptr);
}

std::string headerLine(const suite::GridHeader& header) {
  return std::to_string(header.rows) + "," + std::to_string(header.columns) + "," +
         headerNumber(header.xNorthWest) + "," + headerNumber(header.yNorthWest) + "," +
         headerNumber(header.spacingX) + "," + headerNumber(header.spacingY);
}

void appendHeight(std::string& text, double height, int decimals) {
  if (decimals < 0 || decimals > kMostDecimals || !std::isfinite(height))
    throw std::invalid_argument("appendHeight: a finite height and 0 to 9 decimals");
  char digits[400];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, height, std::chars_format::fixed, decimals);
  const char* first = digits;
  const char* last = end.ptr;
  if (decimals > 0) {
    while (last[-1] == '0') --last;
    if (last[-1] == '.') --last;
  }
  // A value that rounds to zero carries no sign.
  if (*first == '-' && last - first == 2 && first[1] == '0') ++first;
  text.append(first, last);
}

std::string heightText(double height, int decimals) {
  std::string text;
  appendHeight(text, height, decimals);
  return text;
}

}  // namespace dtmconvert
