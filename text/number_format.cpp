#include "text/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace suite {
namespace {

/// The digits of |value| (finite, non-zero) to `precision` significant digits, without trailing
/// zeros, without a zero before the point and with an upper-case exponent when needed.
template <typename Real>
std::string bareDigits(Real magnitude, int precision) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::general, precision);
  std::string digits(buffer.data(), result.ptr);
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  for (char& c : digits) {
    if (c == 'e') c = 'E';
  }
  return digits;
}

template <typename Real>
std::string printFormOf(Real value, int precision) {
  if (std::isnan(value)) return " NaN ";
  if (std::isinf(value)) return value < 0 ? "-Inf " : " Inf ";
  if (value == 0) return " 0 ";  // also for -0
  const std::string sign = value < 0 ? "-" : " ";
  return sign + bareDigits(std::fabs(value), precision) + " ";
}

struct Mask {
  int minIntegerDigits = 0;  // '0's of the integer part, counted from the first one
  int maxDecimals = 0;       // every '#' or '0' after the point
  int minDecimals = 0;       // decimals up to the last '0' after the point
  bool hasPoint = false;
};

Mask parseMask(std::string_view text) {
  Mask mask;
  const std::size_t point = text.find('.');
  mask.hasPoint = point != std::string_view::npos;
  const std::string_view integerPart = text.substr(0, point);
  const std::string_view decimalPart = mask.hasPoint ? text.substr(point + 1) : std::string_view();
  for (std::string_view part : {integerPart, decimalPart}) {
    for (char c : part) {
      if (c != '#' && c != '0') {
        throw std::invalid_argument("formatMask: unsupported mask \"" + std::string(text) + "\"");
      }
    }
  }
  const std::size_t firstZero = integerPart.find('0');
  if (firstZero != std::string_view::npos) {
    mask.minIntegerDigits = static_cast<int>(integerPart.size() - firstZero);
  }
  mask.maxDecimals = static_cast<int>(decimalPart.size());
  const std::size_t lastZero = decimalPart.rfind('0');
  if (lastZero != std::string_view::npos) mask.minDecimals = static_cast<int>(lastZero + 1);
  return mask;
}

/// Exact decimal expansion of |value| split at the point and rounded to `decimals` digits,
/// half away from zero. A double's fraction has at most 1074 decimal digits, so fixed notation
/// with 1100 decimals is exact and the rounding below sees the true binary value.
void roundedDigits(double magnitude, int decimals, std::string& integerDigits,
                   std::string& decimalDigits) {
  constexpr int exactDecimals = 1100;
  std::string buffer(320 + exactDecimals, '\0');
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, exactDecimals);
  const std::string exact(buffer.data(), result.ptr);
  const std::size_t point = exact.find('.');
  integerDigits = exact.substr(0, point);
  decimalDigits = exact.substr(point + 1, static_cast<std::size_t>(decimals));
  const bool roundUp = exact[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
  if (!roundUp) return;
  std::string all = integerDigits + decimalDigits;
  int i = static_cast<int>(all.size()) - 1;
  while (i >= 0 && all[static_cast<std::size_t>(i)] == '9')
    all[static_cast<std::size_t>(i--)] = '0';
  if (i >= 0) {
    ++all[static_cast<std::size_t>(i)];
  } else {
    all.insert(all.begin(), '1');
  }
  const std::size_t integerCount = all.size() - static_cast<std::size_t>(decimals);
  integerDigits = all.substr(0, integerCount);
  decimalDigits = all.substr(integerCount);
}

}  // namespace

std::string printForm(double value) {
  return printFormOf(value, 15);
}

bool isPrintedLargestDouble(std::string_view mantissa, std::int64_t exponent) {
  // The significant digits and the number of them before the point: value = 0.d1d2… × 10^magnitude.
  std::string digits;
  std::int64_t magnitude = std::clamp<std::int64_t>(exponent, -100000000, 100000000);
  bool beforePoint = true;
  for (const char c : mantissa) {
    if (c == '.') {
      beforePoint = false;
    } else if (c != '0' || !digits.empty()) {
      digits += c;
      if (beforePoint) ++magnitude;
    } else if (!beforePoint) {
      --magnitude;  // a zero between the point and the first significant digit
    }
  }
  constexpr std::string_view kPrinted = "179769313486232";  // 1.79769313486232E+308
  if (digits.empty() || magnitude != 309) return false;
  for (std::size_t i = 0; i < std::max(digits.size(), kPrinted.size()); ++i) {
    const char digit = i < digits.size() ? digits[i] : '0';
    const char printed = i < kPrinted.size() ? kPrinted[i] : '0';
    if (digit != printed) return digit < printed;
  }
  return true;
}

std::string printFormSingle(float value) {
  return printFormOf(value, 7);
}

std::string numberText(double value) {
  std::string text = printForm(value);
  text.pop_back();
  return text;
}

std::string numberTextSingle(float value) {
  std::string text = printFormSingle(value);
  text.pop_back();
  return text;
}

std::string formatMask(double value, std::string_view maskText) {
  const Mask mask = parseMask(maskText);
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";

  std::string integerDigits;
  std::string decimalDigits;
  roundedDigits(std::fabs(value), mask.maxDecimals, integerDigits, decimalDigits);

  const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
  integerDigits.erase(0, firstNonZero == std::string::npos ? integerDigits.size() : firstNonZero);
  // A value that rounds to zero is written without a minus sign.
  const bool isZero =
      integerDigits.empty() && decimalDigits.find_first_not_of('0') == std::string::npos;
  if (static_cast<int>(integerDigits.size()) < mask.minIntegerDigits) {
    integerDigits.insert(0, static_cast<std::size_t>(mask.minIntegerDigits) - integerDigits.size(),
                         '0');
  }
  while (static_cast<int>(decimalDigits.size()) > mask.minDecimals && decimalDigits.back() == '0') {
    decimalDigits.pop_back();
  }

  std::string text;
  if (value < 0 && !isZero) text += '-';
  text += integerDigits;
  if (mask.hasPoint) text += '.';
  text += decimalDigits;
  return text;
}

// From 2^52 (2^23 in single precision) on every value is a whole number, which the cut leaves as
// it is; the product with 100 would overflow to an infinity for the largest ones.
double cutTwoDecimals(double value) {
  if (!(std::fabs(value) < 0x1p52)) return value;
  return std::floor(value * 100.0) / 100.0;
}

float cutTwoDecimalsSingle(float value) {
  if (!(std::fabs(value) < 0x1p23f)) return value;
  const float scaled = value * 100.0f;
  return std::floor(scaled) / 100.0f;
}

std::string showTwoDecimals(double value) {
  return printForm(cutTwoDecimals(value));
}

std::string showTwoDecimalsSingle(float value) {
  return printFormSingle(cutTwoDecimalsSingle(value));
}

}  // namespace suite
