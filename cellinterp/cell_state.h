#pragma once

#include <optional>
#include <string>

#include "cellinterp/accepted_cell.h"
#include "cellinterp/cell_grid.h"
#include "cellinterp/cell_interpolation.h"

namespace cellinterp {

/// What cellinterp keeps for its whole life: the loaded DTM grid file, the accepted cell, the
/// size of the cell picture and the last point. The row, column, u and v stay in the window's
/// boxes and are read afresh by every action.
struct CellState {
  /// The loaded file's name as the open dialog returned it (UTF-8); none until a file is
  /// loaded, and never none again.
  std::optional<std::string> fileName;
  CellGrid grid;  ///< header and every height of the loaded file
  /// The cell clicks and interpolations work on; always a cell of `grid`. None until a row
  /// and column are accepted, and none after a load whose boxes name no cell of its grid.
  std::optional<AcceptedCell> cell;
  /// Outer size of the cell picture, twips, taken once when the window is built.
  int pictureWidthTwips = 0;
  int pictureHeightTwips = 0;
  CellLocal lastPoint;  ///< u, v of the last point computed
};

}  // namespace cellinterp
