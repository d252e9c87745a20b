#pragma once

#include <string>
#include <vector>

namespace flightsim {

/// The 49 lines (UTF-8) that "Βοήθεια" prints on the help window, in order: the simulation
/// parameters, the input file with a small example grid, and the flight planning inputs. Lines
/// keep their leading blanks; an empty line is a single blank.
const std::vector<std::string>& helpLines();

}  // namespace flightsim
