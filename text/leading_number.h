#pragma once

#include <cstdint>
#include <string_view>

namespace suite {

/// The suite's reading of a number typed into a box: leading blanks (spaces and tabs) are
/// skipped and the longest leading numeric prefix counts: an optional sign, digits, "." as
/// decimal point and more digits, then an exponent ("e" or "E", optional sign, digits) only
/// when it is complete. Empty, cancelled or non-numeric text reads as 0, never -0.
/// "1,5" reads 1, " 2.5x" reads 2.5, "12abc" 12, "abc" 0, "." 0, "-.5" -0.5, "1e3" 1000,
/// "1e" 1. "inf", "nan" and hexadecimal forms are not numbers here (they read 0 or stop at
/// the "0" of "0x"). The result does not depend on the process locale. Input is UTF-8.
/// A number too small for a double reads 0; one too large for a double ("1e400") throws
/// UserError naming the typed number, so that the action stops with a message instead of
/// computing with an infinity; only a number up to 1.79769313486232E+308, the print form of the
/// largest doubles, reads as the largest double of its sign.
double leadingNumber(std::string_view text);

/// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
/// -2.5 -> -2), independently of the floating-point rounding mode.
/// Values beyond the 32-bit range are clamped to it; NaN gives 0.
std::int32_t roundHalfEven(double value);

}  // namespace suite
