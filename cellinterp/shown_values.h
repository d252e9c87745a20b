#pragma once

#include <array>
#include <string>

#include "cellinterp/cell_actions.h"
#include "cellinterp/cell_interpolation.h"
#include "dtm/grid_header.h"

namespace cellinterp {

// The texts the cell interpolation window shows, each through its fixed mask.

/// The grid size as Label13 shows it: columns, "x", rows, each with the mask "###", no blanks
/// ("5x6" for 6 rows of 5 columns).
std::string gridSizeText(const suite::GridHeader& header);

/// The corner heights in the order Z(i, j), Z(i, j+1), Z(i+1, j), Z(i+1, j+1), each with the
/// mask "#####.000".
std::array<std::string, 4> cornerTexts(const CellCorners& corners);

/// The texts of a computed point.
struct PointTexts {
  std::string x;  ///< "#####.000"
  std::string y;  ///< "#####.000"
  std::string u;  ///< "####.000", shown by the click path only
  std::string v;  ///< "#####.000", shown by the click path only
  std::string z;  ///< "####.###"
};

PointTexts pointTexts(const InterpolatedPoint& point);

}  // namespace cellinterp
