#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dtm/grid_header.h"
#include "flightsim/flight_run.h"
#include "stereo/error_generator.h"
#include "stereo/exterior_orientation.h"
#include "stereo/ground_point.h"
#include "stereo/projection.h"
#include "stereo/uniform_source.h"

namespace flightsim {

/// The texts of the main window's parameter boxes, exactly as typed. A run turns each into a
/// number by the leading-number rule when it needs it.
struct FlightParameterTexts {
  /// Text1(0..6): Xo, Yo (mm), θ (degrees), k, σxy (mm), F (mm), S.
  std::array<std::string, 7> simulation{"0", "0", "0", "1", "0.006", "152", "1.237"};
  /// Text3: the replacement height of window row 3, column 5; 0 keeps the height read.
  std::string replacementHeight = "0";
  /// Text2(0..7): X and Y of the left centre, mean ground height, air base B, σ of the right
  /// centre, σ of the angles (degrees), overlap (per cent), side of the photo frame (mm).
  std::array<std::string, 8> flight{"632900", "4130500", "150", "1000", "10", "3", "60", "230"};
};

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
StereoWindow stereoWindowOf(const suite::GridHeader& grid, double leftX, double leftY, double base);

/// What a run leaves behind: the window's nodes, both orientations, the projected pair with its
/// extremes (what the drawing needs), and notices to show the user once the run has ended.
struct FlightResult {
  std::int32_t windowRows = 0;
  std::int32_t windowColumns = 0;
  double flyingHeight = 0;  ///< above the mean ground height, ground units
  double focalMm = 0;
  suite::ExteriorOrientation left;
  suite::ExteriorOrientation right;
  std::vector<suite::GroundPoint> points;  ///< window row after row, north to south, west to east
  suite::StereoProjection projection;
  std::vector<std::string> notices;
};

/// One stereo flight simulation, Draw or Simulate, from the box texts and the chosen files.
///
/// It plans the pair from the flight parameters, draws the orientation errors from `source`,
/// streams the DTM grid file keeping only the stereo window's nodes (so a grid of any size is
/// read in constant memory), projects them into both photographs and, in Simulate, simulates
/// both photo blocks with fresh errors in `errors`. Then it writes the stereo DTM file when one
/// is chosen and, in Simulate, the photo simulation file: the files are replaced together and
/// only once everything has been computed, so a failed run leaves every file as it was.
///
/// Throws suite::UserError (Greek message) when the run is refused or fails: a missing file
/// choice, an output file that is the DTM file itself or both outputs the same file, a flying
/// height that cannot be computed, a window of more than 2500 nodes (or, in Simulate, more than
/// the error generator serves), an unreadable grid, a failed write.
FlightResult runFlightSimulation(RunMode mode, const FlightParameterTexts& texts,
                                 const FlightFiles& files, suite::ErrorList& errors,
                                 suite::UniformSource& source);

}  // namespace flightsim
