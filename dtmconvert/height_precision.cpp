#include "dtmconvert/height_precision.h"

#include <algorithm>
#include <cmath>

#include "dtmconvert/grid_text.h"

namespace dtmconvert {

namespace {

/// The significant decimal digits a type holds for sure.
int significantDigits(HeightType type) {
  return type == HeightType::Single ? 7 : 15;
}

/// The relative rounding of a type: half its unit in the last place, and a little more.
double relativeRounding(HeightType type) {
  return type == HeightType::Single ? std::ldexp(1.0, -23) : std::ldexp(1.0, -51);
}

bool isMultipleOf(double value, int decimals, HeightType type) {
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  const double tolerance = std::max(std::fabs(scaled) * relativeRounding(type), 1e-9);
  return std::fabs(scaled - std::nearbyint(scaled)) <= tolerance;
}

}  // namespace

int sourceDecimals(const std::vector<double>& samples, HeightType type) {
  double largest = 0;
  bool any = false;
  for (const double value : samples) {
    if (!std::isfinite(value)) continue;
    largest = std::max(largest, std::fabs(value));
    any = true;
  }
  if (!any) return 0;
  const int integerDigits = largest < 1 ? 1 : static_cast<int>(std::floor(std::log10(largest))) + 1;
  const int held = std::clamp(significantDigits(type) - integerDigits, 0, kMostDecimals);
  int decimals = 0;
  for (const double value : samples) {
    if (!std::isfinite(value)) continue;
    while (decimals < held && !isMultipleOf(value, decimals, type)) ++decimals;
    if (decimals == held) break;
  }
  return decimals;
}

int writtenDecimals(int sourceDecimals) {
  return std::clamp(sourceDecimals, kLeastDecimals, kMostDecimals);
}

}  // namespace dtmconvert
