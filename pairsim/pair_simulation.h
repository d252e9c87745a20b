#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dtm/grid_header.h"
#include "stereo/error_generator.h"
#include "stereo/exterior_orientation.h"
#include "stereo/ground_point.h"
#include "stereo/projection.h"
#include "stereo/simulation_run.h"
#include "stereo/uniform_source.h"

namespace pairsim {

using RunMode = suite::RunMode;

/// The texts of the main window's parameter boxes, exactly as typed.
struct PairParameterTexts {
  /// Text1(0..6): Xo, Yo (mm), θ (degrees), k, σxy (mm), F (mm), S.
  std::array<std::string, 7> simulation{"0", "0", "0", "1", "0.006", "152", "1.237"};
  /// Text3: the replacement height of grid row 3, column 5; 0 keeps the height read.
  std::string replacementHeight = "0";
};

/// The files a run uses, as chosen in the main window. A flag records that a name was chosen.
struct PairFiles {
  std::string inputPath;   ///< stereo DTM file, read by every run
  std::string outputPath;  ///< photo simulation file, written by a Simulate run
  bool inputChosen = false;
  bool outputChosen = false;
};

/// What a run leaves behind for the drawing: the file's title and grid, both orientations,
/// every node and its projection into both photographs.
struct PairResult {
  std::string title;
  suite::GridHeader header;
  suite::ExteriorOrientation left;
  suite::ExteriorOrientation right;
  double focalMm = 0;
  std::vector<suite::GroundPoint> points;  ///< row after row, north to south, west to east
  suite::StereoProjection projection;
};

/// One image-coordinate simulation of a stereo DTM file, Draw or Simulate.
///
/// Reads the file's title, grid, both exterior orientations and every height (the node of grid
/// row 3, column 5 takes the replacement height when that is not 0), projects every node into
/// both photographs and, in Simulate, simulates both photo blocks with fresh errors in `errors`
/// and writes the photo simulation file in this program's form: the file's title, the bare
/// point count, orientations in print form. The output is replaced only once complete.
///
/// Throws suite::UserError when the run is refused or fails: a missing file choice, an output
/// that is the input itself, more than 2500 nodes (in Simulate, more than the error generator
/// serves), an unreadable, short or malformed input, a failed write.
PairResult runPairSimulation(RunMode mode, const PairParameterTexts& texts, const PairFiles& files,
                             suite::ErrorList& errors, suite::UniformSource& source);

}  // namespace pairsim
