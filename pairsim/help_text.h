#pragma once

#include <string>
#include <vector>

namespace pairsim {

/// The 39 lines (UTF-8) that "Βοήθεια" prints on the help window, in order: the simulation
/// parameters, the input and output files, an example input file (lines 21 to 27: title, grid
/// header, left and right exterior orientation, three rows of heights) with the meaning of its
/// lines, and a note on H(3, 5). Lines keep their leading blanks; an empty line is a single blank.
const std::vector<std::string>& helpLines();

}  // namespace pairsim
