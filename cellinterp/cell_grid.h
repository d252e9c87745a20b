#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dtm/grid_header.h"

namespace cellinterp {

/// A DTM grid held whole: its header and all rows × columns heights in file order, row 1 (the
/// north row) west to east first.
struct CellGrid {
  suite::GridHeader header;
  std::vector<double> heights;

  /// The height of node number k = (i − 1) · columns + j, k from 1 to rows × columns.
  double height(std::int64_t k) const { return heights[static_cast<std::size_t>(k - 1)]; }
  /// Whether the grid has a cell at all: at least two rows and two columns.
  bool hasCells() const { return header.rows >= 2 && header.columns >= 2; }
};

/// Reads the DTM grid file at `path` whole. Throws UserError, with a message naming the file,
/// when the file cannot be read, is malformed or ends early (see suite::GridReader), and when
/// its grid has more than suite::kMostHeldNodes nodes (2^28, whatever the machine's memory) or
/// there is no memory for them; nothing is kept then. Values after the last height are not
/// read.
CellGrid readCellGrid(const std::string& path);

}  // namespace cellinterp
