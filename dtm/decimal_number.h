#pragma once

#include <cstdint>

#if defined(__GNUC__)
#define SUITE_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define SUITE_ALWAYS_INLINE inline
#endif

namespace suite {

/// Outcome of reading one decimal number from text.
enum class DecimalStatus {
  Ok,          ///< a well-formed number, value holds the correctly rounded double
  Malformed,   ///< the text at the start is not a well-formed number
  OutOfRange,  ///< well-formed, but its magnitude is beyond the largest finite double
};

/// Reads a decimal number at `text`: an optional sign, digits with an optional "." and
/// decimals (at least one digit in all; ".5" and "5." are numbers), and an optional exponent
/// "e" or "E" with an optional sign and at least one digit. No blanks, no "inf" or "nan", no
/// hexadecimal. The text must be terminated by some character that cannot continue a number
/// (a separator, a NUL): the reader stops at the first character that does not fit.
///
/// Sets `value` to the correctly rounded double (IEEE round-to-nearest-even); a magnitude below
/// the smallest subnormal reads as a signed zero. Returns the position where reading stopped:
/// just past the number when the status is Ok or OutOfRange, at the offending character when it
/// is Malformed. Locale-independent.
///
/// Inline, because the grid reader calls it once per height: the usual short number is read
/// here exactly; long mantissas and large exponents go to parseDecimalSlow().
SUITE_ALWAYS_INLINE const char* parseDecimal(const char* text, double& value,
                                             DecimalStatus& status);

/// The general case of parseDecimal() for the well-formed number text [begin, end): the
/// standard library's correctly rounding, locale-free conversion.
DecimalStatus parseDecimalSlow(const char* begin, const char* end, double& value);

namespace detail {

inline bool isDecimalDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

// Powers of ten that a double holds exactly: 10^22 is the largest (5^22 < 2^53).
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace detail

SUITE_ALWAYS_INLINE const char* parseDecimal(const char* text, double& value,
                                             DecimalStatus& status) {
  using detail::isDecimalDigit;
  const char* p = text;
  const bool negative = *p == '-';
  if (negative || *p == '+') ++p;

  // All digits, before and after the point, go into one integer; it is exact (no wrap-around)
  // while there are at most 19 digits after the leading zeros.
  std::uint64_t mantissa = 0;
  const char* const integerStart = p;
  while (isDecimalDigit(*p)) {
    mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    ++p;
  }
  const char* const integerEnd = p;
  std::int64_t exponent = 0;
  if (*p == '.') {
    ++p;
    const char* const fractionStart = p;
    while (isDecimalDigit(*p)) {
      mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
      ++p;
    }
    exponent = -(p - fractionStart);
  }
  const std::int64_t digits = (integerEnd - integerStart) - exponent;
  if (digits == 0) {
    status = DecimalStatus::Malformed;
    return p;
  }
  const char* const mantissaEnd = p;
  if (*p == 'e' || *p == 'E') {
    ++p;
    const bool exponentNegative = *p == '-';
    if (exponentNegative || *p == '+') ++p;
    if (!isDecimalDigit(*p)) {
      status = DecimalStatus::Malformed;
      return p;
    }
    std::int64_t written = 0;
    while (isDecimalDigit(*p)) {
      if (written < 100000000) written = written * 10 + (*p - '0');  // far beyond any double
      ++p;
    }
    exponent += exponentNegative ? -written : written;
  }

  bool exact = digits <= 19;
  if (!exact) {  // leading zeros do not count against the 19 digits
    std::int64_t leadingZeros = 0;
    for (const char* q = integerStart; q < mantissaEnd && (*q == '0' || *q == '.'); ++q)
      leadingZeros += *q == '0';
    exact = digits - leadingZeros <= 19;
  }
  if (exact) {
    if (mantissa == 0) {
      value = negative ? -0.0 : 0.0;
      status = DecimalStatus::Ok;
      return p;
    }
    // Both the mantissa and the power of ten are exact doubles, so one IEEE multiplication or
    // division rounds the exact product or quotient once: the correctly rounded result.
    if (mantissa <= (std::uint64_t{1} << 53) && exponent >= -22 && exponent <= 22) {
      const double m = static_cast<double>(mantissa);
      const double result = exponent < 0 ? m / detail::kExactPowersOfTen[-exponent]
                                         : m * detail::kExactPowersOfTen[exponent];
      value = negative ? -result : result;
      status = DecimalStatus::Ok;
      return p;
    }
  }
  status = parseDecimalSlow(text, p, value);
  return p;
}

}  // namespace suite
