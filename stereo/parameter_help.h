#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace suite {

/// A stereo simulator's help text (UTF-8), one entry a printed line: the twelve lines on the
/// simulation parameters and an empty line, then `programLines`, then the two lines of the note
/// on H(3, 5). Lines keep their leading blanks; an empty line is a single blank.
std::vector<std::string> simulatorHelpLines(std::initializer_list<const char*> programLines);

}  // namespace suite
