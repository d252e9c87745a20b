#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/twips.h"
#include "dtm/grid_header.h"

namespace dtmconvert {

/// The screen the command line states the contour map's pixels per cell for: 1920 × 1080.
inline constexpr suite::TwipsSize kReferenceScreen{28800, 16200};

/// What each program of the suite can do with a grid, by the programs' own limits.
struct SuiteFit {
  // flightsim: the stereo window it keeps along the air base.
  std::int64_t stereoMostDrawn = 0;      ///< nodes a drawing keeps at most
  std::int64_t stereoMostSimulated = 0;  ///< nodes a photo simulation keeps at most
  bool wholeGridDrawn = false;           ///< the whole grid fits a drawing's window
  bool wholeGridSimulated = false;
  /// The largest air base (ground units) whose window, flown from a node inside a large
  /// grid of these cells, keeps within the limit; 0 when not even the shortest base does.
  double largestBaseDrawn = 0;
  double largestBaseSimulated = 0;

  // vantage: the perspective keeps every node.
  std::int64_t perspectiveMostNodes = 0;
  bool perspectiveDraws = false;

  // cellinterp: holds every height and interpolates in cells of rows 1..n−1, columns 1..m−1.
  std::int64_t cellGridMostNodes = 0;
  bool cellGridHeld = false;
  bool hasCells = false;

  // isolines: every cell gets whole screen pixels on the contour map of this screen.
  suite::TwipsSize screen;
  int pixelsPerCellX = 0;  ///< uniform scale, A = B
  int pixelsPerCellY = 0;
  std::int32_t mostColumnsDrawn = 0;  ///< columns whose cells still get one pixel
  std::int32_t mostRowsDrawn = 0;
};

/// The fit of a grid of `header` (rows, columns ≥ 1; spacings > 0) to the programs, the contour
/// map laid out on `screen`.
SuiteFit suiteFitOf(const suite::GridHeader& header, suite::TwipsSize screen);

/// The fit told in Greek, one line per program: flightsim, vantage, cellinterp, isolines.
std::vector<std::string> suiteFitLines(const suite::GridHeader& header, const SuiteFit& fit);

}  // namespace dtmconvert
