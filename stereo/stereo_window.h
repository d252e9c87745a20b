#pragma once

#include <cstdint>

#include "dtm/grid_header.h"

namespace suite {

/// The stereo window: grid rows r1..r2 and columns c1..c2 (1-based, inclusive) spanning the air
/// base along X from the left centre and the base on either side of the flight line along Y.
struct StereoWindow {
  std::int32_t firstRow = 1;
  std::int32_t lastRow = 0;
  std::int32_t firstColumn = 1;
  std::int32_t lastColumn = 0;

  /// Whether the window holds at least one node of the grid.
  bool holdsNodes() const { return firstRow <= lastRow && firstColumn <= lastColumn; }
  std::int32_t rows() const { return holdsNodes() ? lastRow - firstRow + 1 : 0; }
  std::int32_t columns() const { return holdsNodes() ? lastColumn - firstColumn + 1 : 0; }
  std::int64_t nodeCount() const { return std::int64_t{rows()} * columns(); }
  bool contains(std::int32_t row, std::int32_t column) const {
    return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
  }
};

/// The window of grid `grid` that a pair flown from the left centre (x, y) with air base `base`
/// covers, in ground units. Bounds are clamped to the grid; a window beside the grid holds no
/// nodes.
StereoWindow stereoWindowOf(const GridHeader& grid, double leftX, double leftY, double base);

}  // namespace suite
