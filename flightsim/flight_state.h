#pragma once

#include <optional>

#include "flightsim/flight_run.h"

namespace flightsim {

/// What flightsim keeps for its whole life: the chosen files, the mode of the latest run and the
/// screen size, which the drawing window sizes itself to. The parameters are not here: they stay
/// in the main window's boxes and are read again by every run.
struct FlightState {
  FlightFiles files;
  std::optional<RunMode> runMode;  ///< unset until the first run starts
  int screenWidthTwips = 0;        ///< taken when the main window is created
  int screenHeightTwips = 0;
};

}  // namespace flightsim
