#pragma once

#include <string>
#include <string_view>

namespace suite {

/// Plain print form of a double: a blank (or "-" for a negative value), the value rounded to
/// 15 significant digits without trailing zeros and without a zero before the point of a value
/// below 1 in magnitude, then one trailing blank. 152 -> " 152 ", 0.5 -> " .5 ",
/// 1802.1739130434783 -> " 1802.17391304348 ".
std::string printForm(double value);

/// The same for a single-precision value, to 7 significant digits.
std::string printFormSingle(float value);

/// Formats with a fixed mask such as "########.000", "######.000", "####.000", "#####.000",
/// "#######.###", "####.###" or "###": "#" is an optional digit, "0" a compulsory one. Integer
/// digits are never padded nor limited; "0" decimals are always written, "#" decimals only when
/// not trailing zeros; the point is kept whenever the mask has one. 0.5 with "########.000" ->
/// ".500"; -0.25 -> "-.250"; 12 with "#######.###" -> "12.".
std::string formatMask(double value, std::string_view mask);

/// Int(v*100)/100 with Int the floor: the two-decimal cut used for numbers shown in windows.
double cutTwoDecimals(double value);

/// The two-decimal cut shown as a window shows it: the print form of cutTwoDecimals(value).
std::string showTwoDecimals(double value);

}  // namespace suite
