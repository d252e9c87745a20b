#pragma once

namespace dtmconvert {

/// The nearest of the round cell sizes 1, 2, 2.5 and 5 × 10^k (k any whole number) to `size`
/// (> 0, finite), nearest by ratio: the boundaries lie at the geometric means of neighbours, so
/// 24.4 gives 25, 30.8 gives 25, 73 gives 100 and 0.3 gives 0.25.
double roundCellSize(double size);

}  // namespace dtmconvert
