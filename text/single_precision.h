#pragma once

#include <limits>

namespace suite {

/// Rounds a double to single precision. A magnitude beyond the largest single-precision value
/// becomes an infinity of its sign, where a plain conversion would be undefined; NaN stays NaN.
inline float toSingle(double value) {
  constexpr double largest = std::numeric_limits<float>::max();
  if (value > largest) return std::numeric_limits<float>::infinity();
  if (value < -largest) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

}  // namespace suite
