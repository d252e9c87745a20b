#pragma once

#include <cstdint>
#include <cstring>

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
  OutOfRange,  ///< well-formed, but its magnitude is beyond the largest finite double (and
               ///< beyond 1.79769313486232E+308, the print form of the largest doubles)
};

/// Reads a decimal number at `text`: an optional sign, digits with an optional "." and
/// decimals (at least one digit in all; ".5" and "5." are numbers), and an optional exponent
/// "e" or "E" with an optional sign and at least one digit. No blanks, no "inf" or "nan", no
/// hexadecimal. The text must be terminated by some character that cannot continue a number
/// (a separator, a NUL): the reader stops at the first character that does not fit. Digits are
/// read eight bytes at a time, so the 7 bytes after that character must be readable too.
///
/// Sets `value` to the correctly rounded double (IEEE round-to-nearest-even); a magnitude below
/// the smallest subnormal reads as a signed zero. A magnitude above the largest double but not
/// above 1.79769313486232E+308, the suite's print form of the largest doubles, reads as the
/// largest double of its sign (isPrintedLargestDouble), so that every number the suite writes
/// reads back. Returns the position where reading stopped:
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

inline bool isDecimalDigit(char c) {
  return static_cast<unsigned char>(c - '0') < 10;
}

// Powers of ten that a double holds exactly: 10^22 is the largest (5^22 < 2^53).
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr std::uint64_t kIntegerPowersOfTen[] = {1,      10,      100,      1000,     10000,
                                                 100000, 1000000, 10000000, 100000000};

#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#define SUITE_EIGHT_DIGITS_AT_ONCE 1

inline std::uint64_t loadEightBytes(const char* p) {
  std::uint64_t bytes;
  std::memcpy(&bytes, p, sizeof bytes);
  return bytes;
}

// Of eight bytes (the first in the lowest byte), the ones that are not decimal digits, each
// marked with non-zero bits in its own byte. A byte is a digit when its high nibble is 3 before
// and after adding 6; a carry out of a byte (from 0xFA up) only disturbs the bytes after it,
// and that byte is no digit anyway, so the marks are right up to the second non-digit.
inline std::uint64_t nonDigitBytes(std::uint64_t bytes) {
  const std::uint64_t high = 0xF0F0F0F0F0F0F0F0u;
  const std::uint64_t threes = 0x3030303030303030u;
  return ((bytes & high) ^ threes) | (((bytes + 0x0606060606060606u) & high) ^ threes);
}

inline int byteIndex(std::uint64_t marks) {
  return __builtin_ctzll(marks) >> 3;
}

// The number that the first `count` (1 to 8) bytes write, each a digit.
inline std::uint64_t digitsValue(std::uint64_t bytes, int count) {
  // Keep the digits behind 8 - count zero bytes that read as leading zeros, then add up
  // pairs, fours and eights of digits.
  bytes <<= 8 * (8 - count);
  bytes = ((bytes & 0x0F0F0F0F0F0F0F0Fu) * 2561) >> 8;
  bytes = ((bytes & 0x00FF00FF00FF00FFu) * 6553601) >> 16;
  return ((bytes & 0x0000FFFF0000FFFFu) * 42949672960001u) >> 32;
}

// The usual number of a terrain file, "123.45" or "95": digits with an optional point and
// decimals, no exponent, all within the 8 bytes at `p` (after the sign). Returns its length,
// or 0 for anything else, which the general reading handles.
inline int readShortNumber(const char* p, bool negative, double& value) {
  const std::uint64_t bytes = loadEightBytes(p);
  const std::uint64_t nonDigits = nonDigitBytes(bytes);
  if (nonDigits == 0) return 0;
  const int integerDigits = byteIndex(nonDigits);
  int end = integerDigits;
  int decimals = 0;
  std::uint64_t digitBytes = bytes;
  if (((bytes >> (8 * integerDigits)) & 0xFF) == '.') {
    const std::uint64_t afterPoint = nonDigits & ~(std::uint64_t{0xFF} << (8 * integerDigits));
    if (afterPoint == 0) return 0;  // the decimals may go on beyond these 8 bytes
    end = byteIndex(afterPoint);
    decimals = end - 1 - integerDigits;
    const std::uint64_t integerBytes = (std::uint64_t{1} << (8 * integerDigits)) - 1;
    digitBytes = (bytes & integerBytes) | ((bytes >> 8) & ~integerBytes);  // drop the point
  }
  const int digits = integerDigits + decimals;
  if (digits == 0 || ((bytes >> (8 * end)) & 0xDF) == 'E') return 0;  // "." or an exponent
  // At most 7 digits: exact, as is 10^decimals, so one division rounds correctly.
  const double result =
      static_cast<double>(digitsValue(digitBytes, digits)) / kExactPowersOfTen[decimals];
  value = negative ? -result : result;
  return end;
}
#endif

// Counts the decimal digits (0 to 8) at the start of the 8 bytes at `p` and sets `value` to
// the number they write.
inline int leadingDigits(const char* p, std::uint64_t& value) {
#if SUITE_EIGHT_DIGITS_AT_ONCE
  const std::uint64_t bytes = loadEightBytes(p);
  const std::uint64_t nonDigits = nonDigitBytes(bytes);
  const int count = nonDigits == 0 ? 8 : byteIndex(nonDigits);
  value = count == 0 ? 0 : digitsValue(bytes, count);
  return count;
#else
  int count = 0;
  value = 0;
  while (count < 8 && isDecimalDigit(p[count])) {
    value = value * 10 + static_cast<unsigned>(p[count] - '0');
    ++count;
  }
  return count;
#endif
}

}  // namespace detail

SUITE_ALWAYS_INLINE const char* parseDecimal(const char* text, double& value,
                                             DecimalStatus& status) {
  using detail::isDecimalDigit;
  const char* p = text;
  const bool negative = *p == '-';
  if (negative || *p == '+') ++p;
#if SUITE_EIGHT_DIGITS_AT_ONCE
  if (const int length = detail::readShortNumber(p, negative, value)) {
    status = DecimalStatus::Ok;
    return p + length;
  }
#endif

  // All digits, before and after the point, go into one integer; it is exact (no wrap-around)
  // while there are at most 19 digits after the leading zeros. Eight digits at a time.
  std::uint64_t mantissa = 0;
  const char* const integerStart = p;
  int count = detail::leadingDigits(p, mantissa);
  p += count;
  if (count == 8) {
    while (isDecimalDigit(*p)) {
      mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
      ++p;
    }
  }
  const char* const integerEnd = p;
  std::int64_t exponent = 0;
  if (*p == '.') {
    ++p;
    const char* const fractionStart = p;
    std::uint64_t decimals;
    count = detail::leadingDigits(p, decimals);
    mantissa = mantissa * detail::kIntegerPowersOfTen[count] + decimals;
    p += count;
    if (count == 8) {
      while (isDecimalDigit(*p)) {
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        ++p;
      }
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
  // Both the mantissa and the power of ten are exact doubles, so one IEEE multiplication or
  // division rounds the exact product or quotient once: the correctly rounded result.
  if (exact && mantissa <= (std::uint64_t{1} << 53) && exponent >= -22 && exponent <= 22) {
    const double m = static_cast<double>(mantissa);
    const double result = exponent < 0 ? m / detail::kExactPowersOfTen[-exponent]
                                       : m * detail::kExactPowersOfTen[exponent];
    value = negative ? -result : result;  // a zero keeps its sign, as "-0" does
    status = DecimalStatus::Ok;
    return p;
  }
  status = parseDecimalSlow(text, p, value);
  return p;
}

}  // namespace suite
