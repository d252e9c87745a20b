#include "text/leading_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "text/number_format.h"
#include "text/user_error.h"

namespace suite {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double leadingNumber(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;

  // The numeric prefix is rebuilt in the form std::from_chars reads (no '+', a digit before
  // any exponent), so the value does not depend on the process locale.
  const std::size_t start = pos;
  std::string number;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // Decimal magnitude of the integer part (digits after leading zeros), to tell an overflow
  // from an underflow when from_chars reports a value out of range.
  long integerDigits = 0;
  bool anyDigit = false;
  while (pos < text.size() && isDigit(text[pos])) {
    if (integerDigits > 0 || text[pos] != '0') ++integerDigits;
    number += text[pos++];
    anyDigit = true;
  }
  if (pos < text.size() && text[pos] == '.') {
    std::size_t after = pos + 1;
    std::string fraction;
    while (after < text.size() && isDigit(text[after])) fraction += text[after++];
    if (anyDigit || !fraction.empty()) {
      number += '.';
      number += fraction;
      anyDigit = true;
      pos = after;
    }
  }
  if (!anyDigit) return 0.0;

  // An exponent counts only when complete: "1e3" is 1000, "1e" and "1e+" are 1.
  long exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t after = pos + 1;
    std::string exponentText = "e";
    if (after < text.size() && (text[after] == '+' || text[after] == '-')) {
      if (text[after] == '-') exponentText += '-';
      ++after;
    }
    const std::size_t firstDigit = after;
    while (after < text.size() && isDigit(text[after])) {
      if (exponent < 100000) exponent = exponent * 10 + (text[after] - '0');
      exponentText += text[after++];
    }
    if (after > firstDigit) {
      if (exponentText[1] == '-') exponent = -exponent;
      number += exponentText;
      pos = after;
    }
  }

  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Below the smallest double: the number is 0 for every purpose of the suite.
    if (integerDigits + exponent <= 0) return 0.0;
    // The suite's own print form of the largest doubles rounds to just above the largest.
    const std::size_t exponentAt = number.find('e');
    if (isPrintedLargestDouble(std::string_view(number).substr(0, exponentAt), exponent)) {
      return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    const std::string shown(text.substr(start, pos - start));
    throw UserError("Ο αριθμός «" + shown + "» είναι πολύ μεγάλος για να χρησιμοποιηθεί.");
  }
  if (result.ec != std::errc()) return 0.0;
  if (value == 0.0) return 0.0;  // no negative zero
  return negative ? -value : value;
}

std::int32_t roundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lowest = std::numeric_limits<std::int32_t>::min();
  constexpr double highest = std::numeric_limits<std::int32_t>::max();
  if (value <= lowest) return std::numeric_limits<std::int32_t>::min();
  if (value >= highest) return std::numeric_limits<std::int32_t>::max();
  // Within the 32-bit range value - floor(value) is exact, so the halfway test is exact.
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (whole > highest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(whole);
}

}  // namespace suite
