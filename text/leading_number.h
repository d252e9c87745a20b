#pragma once

#include <cstdint>
#include <string_view>

namespace suite {

/// The suite's reading of a number typed into a box: leading blanks are skipped and the longest
/// leading numeric prefix counts (optional sign, digits, "." as decimal point, an optional
/// complete exponent). Empty, cancelled or non-numeric text reads as 0. "1,5" reads 1,
/// " 2.5x" reads 2.5, "abc" reads 0. Input is UTF-8.
double leadingNumber(std::string_view text);

/// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
/// Values beyond the 32-bit range are clamped to it; NaN gives 0.
std::int32_t roundHalfEven(double value);

}  // namespace suite
