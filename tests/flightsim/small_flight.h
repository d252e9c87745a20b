#pragma once

#include "flightsim/flight_simulation.h"

namespace flightsim::testing {

/// A flight over tests/data/flightsim/small-5x6.dtm: the left centre at (1000, 1800), a base of
/// 200 and no spread in the orientations, so its stereo window and stereo DTM file are the same
/// at every run; H(3,5) replaced by 500.
inline FlightParameterTexts smallFlight() {
  FlightParameterTexts texts;
  texts.flight.leftX = "1000";
  texts.flight.leftY = "1800";
  texts.flight.base = "200";
  texts.flight.sigmaCentre = "0";
  texts.flight.sigmaAnglesDegrees = "0";
  texts.simulation.replacementHeight = "500";
  return texts;
}

}  // namespace flightsim::testing
