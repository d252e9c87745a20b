#pragma once

#include <optional>
#include <string>

#include "stereo/simulation_run.h"

namespace flightsim {

/// What a run ends with: drawing the photo pair, or writing the photo simulation file.
using RunMode = suite::RunMode;

/// The files a run uses, as chosen in the main window. A flag records that a name was chosen.
struct FlightFiles {
  std::string dtmPath;        ///< DTM grid file, read by every run.
  std::string photoSimPath;   ///< photo simulation file, written by a Simulate run.
  std::string stereoDtmPath;  ///< stereo DTM file, written when chosen.
  bool dtmChosen = false;
  bool photoSimChosen = false;
  bool stereoDtmChosen = false;
};

/// The checks a run makes before it opens any file, in this order: a DTM file must be chosen,
/// and a Simulate run needs a photo simulation file. Returns the message that refuses the run,
/// or nothing when the run may go on.
std::optional<std::string> refuseRun(RunMode mode, const FlightFiles& files);

}  // namespace flightsim
