#include "stereo/stereo_window.h"

#include <algorithm>
#include <cmath>

namespace suite {
namespace {

/// ⌊value⌋ as a whole number, held within ±2^40 so that any typed coordinate, however far
/// from the grid, compares correctly against the grid's 32-bit rows and columns.
std::int64_t clampedFloor(double value) {
  constexpr double kBound = 1099511627776.0;  // 2^40
  if (std::isnan(value)) return 0;
  return static_cast<std::int64_t>(std::floor(std::clamp(value, -kBound, kBound)));
}

std::int32_t withinGrid(std::int64_t value, std::int32_t last) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, std::int64_t{last} + 1));
}

}  // namespace

StereoWindow stereoWindowOf(const GridHeader& grid, double leftX, double leftY, double base) {
  const double xNW = grid.xNorthWest;
  const double yNW = grid.yNorthWest;
  StereoWindow window;
  window.firstColumn = withinGrid(
      std::max<std::int64_t>(clampedFloor((leftX - xNW) / grid.spacingX), 1), grid.columns);
  window.lastColumn = withinGrid(
      std::min<std::int64_t>(clampedFloor((leftX + base - xNW) / grid.spacingX) + 1, grid.columns),
      grid.columns);
  window.firstRow = withinGrid(
      std::max<std::int64_t>(clampedFloor((yNW - (leftY + base)) / grid.spacingY), 1), grid.rows);
  window.lastRow = withinGrid(
      std::min<std::int64_t>(clampedFloor((yNW - (leftY - base)) / grid.spacingY) + 1, grid.rows),
      grid.rows);
  return window;
}

}  // namespace suite
