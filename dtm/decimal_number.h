#pragma once

#include <cstdint>

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
const char* parseDecimal(const char* text, double& value, DecimalStatus& status);

}  // namespace suite
