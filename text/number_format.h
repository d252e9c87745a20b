#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace suite {

/// Plain print form of a double: a blank (or "-" for a negative value), the value rounded to
/// 15 significant digits without trailing zeros, without a point for a whole number and without
/// a zero before the point of a value below 1 in magnitude, then one trailing blank.
/// 152 -> " 152 ", 0.5 -> " .5 ", -0.25 -> "-.25 ", 1802.1739130434783 -> " 1802.17391304348 ",
/// 0 and -0 -> " 0 ".
/// Exponent form: when the decimal exponent of the value rounded to 15 digits is 15 or more, or
/// below -4, the digits are written as a mantissa with an upper-case exponent of at least two
/// digits: 1e15 -> " 1E+15 ", -2.5e-5 -> "-2.5E-05 ", 0.0001 -> " .0001 ",
/// 999999999999999 -> " 999999999999999 ". NaN and infinities print " NaN ", " Inf ", "-Inf ".
std::string printForm(double value);

/// Whether the decimal number `mantissa` (digits with an optional ".", no sign) times
/// 10^`exponent` lies above the largest double only by the rounding of the print form, that is
/// at most 1.79769313486232E+308. The print form rounds every double from 1.797693134862315e308
/// up to the largest, 1.7976931348623157e308, to that text; a reader that takes such a number as
/// the largest double reads back every number the suite writes. Meant for numbers a reader found
/// beyond the largest double; an exponent beyond ±10^8 counts as ±10^8.
bool isPrintedLargestDouble(std::string_view mantissa, std::int64_t exponent);

/// The same for a single-precision value, to 7 significant digits; the exponent form starts at
/// a decimal exponent of 7 (1e7f -> " 1E+07 ") or below -4.
std::string printFormSingle(float value);

/// The print form without its trailing blank, as a number is joined into a label's text
/// ("    X =  " followed by this): 152 -> " 152", -0.25 -> "-.25".
std::string numberText(double value);

/// numberText for a single-precision value (7 significant digits).
std::string numberTextSingle(float value);

/// Formats with a fixed mask such as "########.000", "######.000", "####.000", "#####.000",
/// "#######.###", "####.###" or "###": "#" is an optional digit, "0" a compulsory one, "." the
/// decimal point; no other characters (std::invalid_argument, a programming error).
/// - Integer digits are never limited by the mask; '#'s add no padding, so a value whose
///   integer part is 0 has no integer digit at all ("0"s before the point pad with zeros).
/// - As many decimals as the mask has digits after the point; '0' decimals are always written,
///   '#' decimals only when not trailing zeros; the point is kept whenever the mask has one.
/// - Rounding is of the double's exact binary value; a value exactly halfway (possible only
///   for binary fractions such as 0.0625) is rounded away from zero: 0.0625 -> ".063".
///   1.0005 is held as 1.00049999999999994… and gives "1.000"; 2.0005 is held as
///   2.00050000000000017… and gives "2.001".
/// - A value that rounds to zero has no minus sign: -0.0001 -> ".000", never "-.000".
/// - A "-" precedes a negative value; large magnitudes print all their digits (1e20 ->
///   "100000000000000000000.000"). NaN and infinities give "NaN", "Inf", "-Inf".
/// Examples: 632900 "########.000" -> "632900.000"; 0.5 -> ".500"; -0.25 -> "-.250";
/// 12.3456 "#######.###" -> "12.346"; -3.2 -> "-3.2"; 12 -> "12."; 0 -> "."; 7 "###" -> "7";
/// 0 "###" -> "".
std::string formatMask(double value, std::string_view mask);

/// Int(v*100)/100 with Int the floor: the two-decimal cut used for numbers shown in windows.
/// Values are cut downward, also negative ones: -1.234 -> -1.24. A whole number (every value from
/// 2^52 on) stays as it is, however large; NaN and infinities stay too.
double cutTwoDecimals(double value);

/// The same cut computed in single precision, for values a window holds as singles.
float cutTwoDecimalsSingle(float value);

/// The two-decimal cut shown as a window shows it: the print form of cutTwoDecimals(value).
std::string showTwoDecimals(double value);

/// printFormSingle(cutTwoDecimalsSingle(value)).
std::string showTwoDecimalsSingle(float value);

}  // namespace suite
