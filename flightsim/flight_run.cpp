#include "flightsim/flight_run.h"

namespace flightsim {

std::optional<std::string> refuseRun(RunMode mode, const FlightFiles& files) {
  if (!files.dtmChosen) return std::string("Θα πρέπει να βάλεις όνομα αρχείου με δεδομένα ΨΜΕ");
  if (mode == RunMode::Simulate && !files.photoSimChosen)
    return std::string("Θα πρέπει να βάλεις όνομα αρχείου εξόδου");
  return std::nullopt;
}

}  // namespace flightsim
