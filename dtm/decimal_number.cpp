#include "dtm/decimal_number.h"

#include <charconv>
#include <system_error>

namespace suite {

namespace {

// Powers of ten that a double holds exactly: 10^22 is the largest (5^22 < 2^53).
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
constexpr int kMantissaDigits = 19;  // 10^19 - 1 still fits in 64 bits
constexpr std::int64_t kExponentCap = 1000000;  // far beyond any double; avoids overflow

inline bool isDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

}  // namespace

const char* parseDecimal(const char* text, double& value, DecimalStatus& status) {
  const char* p = text;
  bool negative = false;
  if (*p == '-' || *p == '+') {
    negative = *p == '-';
    ++p;
  }
  const char* const unsignedStart = p;

  // The first 19 significant digits go into the mantissa; later ones only move the exponent
  // and, when not zero, mark the mantissa as cut short.
  std::uint64_t mantissa = 0;
  int significant = 0;
  std::int64_t exponent = 0;
  bool truncated = false;
  bool anyDigit = false;

  while (isDigit(*p)) {
    const unsigned digit = static_cast<unsigned>(*p - '0');
    if (significant < kMantissaDigits) {
      mantissa = mantissa * 10 + digit;
      significant += mantissa != 0;
    } else {
      ++exponent;
      truncated |= digit != 0;
    }
    ++p;
    anyDigit = true;
  }
  if (*p == '.') {
    ++p;
    while (isDigit(*p)) {
      const unsigned digit = static_cast<unsigned>(*p - '0');
      if (significant < kMantissaDigits) {
        mantissa = mantissa * 10 + digit;
        significant += mantissa != 0;
        --exponent;
      } else {
        truncated |= digit != 0;
      }
      ++p;
      anyDigit = true;
    }
  }
  if (!anyDigit) {
    status = DecimalStatus::Malformed;
    return p;
  }
  if (*p == 'e' || *p == 'E') {
    ++p;
    bool exponentNegative = false;
    if (*p == '-' || *p == '+') {
      exponentNegative = *p == '-';
      ++p;
    }
    if (!isDigit(*p)) {
      status = DecimalStatus::Malformed;
      return p;
    }
    std::int64_t written = 0;
    while (isDigit(*p)) {
      if (written < kExponentCap) written = written * 10 + (*p - '0');
      ++p;
    }
    exponent += exponentNegative ? -written : written;
  }
  status = DecimalStatus::Ok;

  if (mantissa == 0) {  // every digit was 0 (a cut-short mantissa is never 0)
    value = negative ? -0.0 : 0.0;
    return p;
  }
  // Exact fast path: both the mantissa and the power of ten are exact doubles, so one IEEE
  // multiplication or division rounds the exact quotient or product once, correctly.
  if (!truncated && mantissa <= kLargestExactInteger && exponent >= -22 && exponent <= 22) {
    const double m = static_cast<double>(mantissa);
    const double result = exponent < 0 ? m / kExactPowersOfTen[-exponent]
                                       : m * kExactPowersOfTen[exponent];
    value = negative ? -result : result;
    return p;
  }

  // Everything else: the standard library's correctly rounding, locale-free conversion.
  const char* from = negative ? text : unsignedStart;  // from_chars refuses a leading '+'
  double parsed = 0;
  const std::from_chars_result r = std::from_chars(from, p, parsed);
  if (r.ec == std::errc::result_out_of_range) {
    // The decimal exponent tells overflow (a huge number) from underflow (below the
    // smallest subnormal), which rounds to zero.
    if (exponent > 0) {
      status = DecimalStatus::OutOfRange;
      return p;
    }
    value = negative ? -0.0 : 0.0;
    return p;
  }
  if (r.ec != std::errc() || r.ptr != p) {  // cannot happen for text that passed the checks
    status = DecimalStatus::Malformed;
    return r.ptr;
  }
  value = parsed;
  return p;
}

}  // namespace suite
