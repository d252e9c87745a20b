#pragma once

#include <string>

#include "dtm/grid_header.h"

namespace dtmconvert {

/// The decimals a DTM grid file is written with at least: centimetres.
inline constexpr int kLeastDecimals = 2;
/// The most decimals a height is written with.
inline constexpr int kMostDecimals = 9;

/// A number of the grid header: to 15 significant digits, the shortest such form, "." as the
/// decimal point, no exponent for the values a ground coordinate takes (below 10^15 and from
/// 10^-4 up); -0 is "0". 15 digits also absorb the last-bit errors of X_NW = left + a/2, so that
/// 1757005.3000000003 is written 1757005.3.
std::string headerNumber(double value);

/// The header line of a DTM grid file: "rows,columns,X_NW,Y_NW,a,b".
std::string headerLine(const suite::GridHeader& header);

/// Appends `height` rounded to `decimals` places (0 to kMostDecimals), "." as the decimal point,
/// without trailing zeros or a trailing point: 103.5 with 2 gives "103.5", 103.004 gives "103",
/// -0.001 gives "0". The exact binary value is rounded, a tie (a binary fraction such as 0.125)
/// to even, as printf rounds it.
void appendHeight(std::string& text, double height, int decimals);

/// appendHeight into a text of its own.
std::string heightText(double height, int decimals);

}  // namespace dtmconvert
