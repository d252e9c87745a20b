#pragma once

#include <cstdint>

namespace suite {

/// The grid header of a DTM grid file. Node (i, j), row i = 1..rows from the north and column
/// j = 1..columns from the west, lies at X = xNorthWest + (j - 1) * spacingX and
/// Y = yNorthWest - (i - 1) * spacingY (ground units).
struct GridHeader {
  std::int32_t rows = 0;
  std::int32_t columns = 0;
  double xNorthWest = 0;
  double yNorthWest = 0;
  double spacingX = 0;
  double spacingY = 0;

  /// X of the nodes of column j (1-based): (j - 1) * spacingX + xNorthWest.
  double nodeX(std::int32_t column) const { return (column - 1) * spacingX + xNorthWest; }
  /// Y of the nodes of row i (1-based, from the north): yNorthWest - (i - 1) * spacingY.
  double nodeY(std::int32_t row) const { return yNorthWest - (row - 1) * spacingY; }

  /// rows * columns; the reader guarantees it fits in 32 bits.
  std::int64_t nodeCount() const { return std::int64_t{rows} * columns; }
};

}  // namespace suite
