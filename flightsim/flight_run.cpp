#include "flightsim/flight_run.h"

namespace flightsim {

std::optional<std::string> refuseRun(RunMode mode, const FlightFiles& files) {
  return suite::refuseRun(mode, files.dtmChosen, files.photoSimChosen);
}

}  // namespace flightsim
