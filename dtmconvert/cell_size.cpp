#include "dtmconvert/cell_size.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace dtmconvert {

namespace {

/// step · 10^k, correctly rounded: 10^|k| is exact in a double up to 10^22, and one product or
/// quotient rounds once (0.25 is 2.5 / 10, never 2.5 · 0.1).
double timesPowerOfTen(double step, int k) {
  double power = 1;
  for (int i = 0; i < std::abs(k); ++i) power *= 10;
  return k >= 0 ? step * power : step / power;
}

}  // namespace

double roundCellSize(double size) {
  if (!(size > 0) || !std::isfinite(size))
    throw std::invalid_argument("roundCellSize: a positive finite size");
  static constexpr double kSteps[] = {1, 2, 2.5, 5, 10};
  const double decade = std::floor(std::log10(size));
  double best = 0;
  double bestRatio = INFINITY;
  // The decade below too, since log10 may land a hair under a whole power of ten.
  for (double k = decade - 1; k <= decade + 1; ++k) {
    for (const double step : kSteps) {
      const double candidate = timesPowerOfTen(step, static_cast<int>(k));
      const double ratio = std::fabs(std::log(size / candidate));
      if (ratio < bestRatio - 1e-12) {
        bestRatio = ratio;
        best = candidate;
      }
    }
  }
  return best;
}

}  // namespace dtmconvert
