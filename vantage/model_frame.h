#pragma once

#include <string>

namespace vantage {

/// The ground extent of the terrain model, as the first drawing of a run finds it: the
/// north-west node, the X of the east column, the Y of the south row and the highest height.
/// Ground units throughout.
struct ModelFrame {
  double xNorthWest = 0;  ///< X_NW
  double yNorthWest = 0;  ///< Y_NW
  double xEast = 0;       ///< X_E = X_NW + (m − 1)·a
  double ySouth = 0;      ///< Y_S = Y_NW − (n − 1)·b
  double heightMax = 0;   ///< H_max: the greatest height of the grid
};

/// Reads the DTM grid file at `path` once, through to its last height, for the model frame.
/// Refuses, before reading any height, a grid whose point store would not fit (see
/// checkPerspectiveNodeCount). Throws suite::UserError with the reader's Greek message for a file
/// that cannot be opened, ends early or holds a value that is not a number.
ModelFrame readModelFrame(const std::string& path);

}  // namespace vantage
