#pragma once

#include <vector>

namespace dtmconvert {

/// How a source holds its heights: in single precision (24-bit significand) or double.
enum class HeightType { Single, Double };

/// The decimals a source's heights are given to: the fewest decimal places d (0 up to what the
/// type can hold at the sample's largest magnitude, at most 9) of which every finite sample is a
/// whole multiple of 10^-d, within the rounding of its type (a single-precision 103.57 is
/// 103.5699997…, still 2 places). When some sample needs more places than the type holds, the
/// places the type holds at the largest magnitude (a single at 2900 m: 3). Samples without a
/// finite value give 0.
int sourceDecimals(const std::vector<double>& samples, HeightType type);

/// The decimals a DTM grid file is written with for a source of `sourceDecimals`: centimetres,
/// or the source's own places when finer.
int writtenDecimals(int sourceDecimals);

}  // namespace dtmconvert
