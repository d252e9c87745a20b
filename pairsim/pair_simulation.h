#pragma once

#include <optional>
#include <string>

#include "dtm/grid_header.h"
#include "stereo/error_generator.h"
#include "stereo/simulation_run.h"
#include "stereo/simulator_state.h"
#include "stereo/uniform_source.h"

namespace pairsim {

using RunMode = suite::RunMode;

/// The files a run uses, as chosen in the main window; none until chosen.
struct PairFiles {
  std::optional<std::string> input;   ///< stereo DTM file, read by every run
  std::optional<std::string> output;  ///< photo simulation file, written by a Simulate run
};

/// What pairsim keeps for its whole life.
using PairState = suite::SimulatorState<PairFiles>;

/// What a run leaves behind for the drawing: the file's title and grid, both orientations,
/// every node and its projection into both photographs.
struct PairResult : suite::StereoPairRun {
  std::string title;
  suite::GridHeader header;

  /// The photo pair drawing of the run: the mesh of the file's whole grid.
  suite::PhotoPairInput photoPair() const {
    return suite::photoPairInput(*this, header.rows, header.columns);
  }
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
PairResult runPairSimulation(RunMode mode, const suite::SimulationParameterTexts& texts,
                             const PairFiles& files, suite::ErrorList& errors,
                             suite::UniformSource& source);

}  // namespace pairsim
