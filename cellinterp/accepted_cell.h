#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "cellinterp/cell_grid.h"
#include "cellinterp/cell_interpolation.h"
#include "dtm/grid_header.h"

namespace cellinterp {

/// The cell the user named by the row and column of its north-west node.
struct AcceptedCell {
  std::int32_t row = 0;     ///< 1 .. rows − 1, from the north
  std::int32_t column = 0;  ///< 1 .. columns − 1, from the west
  /// Node numbers k = (i − 1) · columns + j of the corners, in the order Z(i, j), Z(i, j+1),
  /// Z(i+1, j), Z(i+1, j+1): north-west, north-east, south-west, south-east.
  std::array<std::int64_t, 4> cornerNodes{};
};

/// A whole number typed into a box: the leading-number rule, then rounded to the nearest
/// integer, halves to the even neighbour ("2.5" → 2, "3.5" → 4, "" → 0). Nothing when the
/// number is beyond the 32-bit signed range, also one too large for a double ("1e400").
std::optional<std::int32_t> wholeNumberFromText(std::string_view text);

/// The cell named by the row and column texts when 1 ≤ row ≤ rows − 1 and
/// 1 ≤ column ≤ columns − 1 of `header`; nothing otherwise, also for a value beyond 32 bits.
std::optional<AcceptedCell> cellFromTexts(std::string_view rowText, std::string_view columnText,
                                          const suite::GridHeader& header);

/// The heights of the cell's corners in `grid`, which the cell must lie in.
CellCorners cornerHeights(const CellGrid& grid, const AcceptedCell& cell);

}  // namespace cellinterp
