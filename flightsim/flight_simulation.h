#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dtm/grid_header.h"
#include "stereo/error_generator.h"
#include "stereo/simulation_run.h"
#include "stereo/simulator_state.h"
#include "stereo/stereo_window.h"
#include "stereo/uniform_source.h"

namespace flightsim {

using RunMode = suite::RunMode;

/// The texts of the flight plan, the projection centre frame of the left photograph, exactly as
/// typed; a run reads each by the leading-number rule. The values here are the texts at start.
struct FlightPlanTexts {
  std::string leftX = "632900";          ///< X-L: X of the left projection centre, ground units
  std::string leftY = "4130500";         ///< Y-L: its Y
  std::string meanGroundHeight = "150";  ///< mean height of the ground, ground units
  std::string base = "1000";             ///< B: the air base, ground units
  std::string sigmaCentre = "10";        ///< σ of the right centre's X, Y and Z, ground units
  std::string sigmaAnglesDegrees = "3";  ///< σ of the angles ω, φ, κ, degrees
  std::string overlapPercent = "60";     ///< overlap of the two photographs, per cent
  std::string frameSideMm = "230";       ///< side of the photo frame, mm
};

/// What a run reads of the main window's boxes.
struct FlightParameterTexts {
  /// The simulation parameters; H(3,5) replaces the height of row 3, column 5 of the window.
  suite::SimulationParameterTexts simulation;
  FlightPlanTexts flight;
};

/// The files a run uses, as chosen in the main window; none until chosen.
struct FlightFiles {
  std::optional<std::string> dtm;        ///< DTM grid file, read by every run
  std::optional<std::string> photoSim;   ///< photo simulation file, written by a Simulate run
  std::optional<std::string> stereoDtm;  ///< stereo DTM file, written when chosen
};

/// What flightsim keeps for its whole life.
using FlightState = suite::SimulatorState<FlightFiles>;

/// What a run leaves behind: the window's nodes, both orientations, the projected pair with its
/// extremes (what the drawing needs), and notices to show the user once the run has ended.
struct FlightResult : suite::StereoPairRun {
  std::int32_t windowRows = 0;
  std::int32_t windowColumns = 0;
  double flyingHeight = 0;  ///< above the mean ground height, ground units
  std::vector<std::string> notices;

  /// The photo pair drawing of the run: the stereo window's mesh.
  suite::PhotoPairInput photoPair() const {
    return suite::photoPairInput(*this, windowRows, windowColumns);
  }
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
