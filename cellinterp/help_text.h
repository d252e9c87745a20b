#pragma once

#include <string>
#include <vector>

namespace cellinterp {

/// The 32 lines (UTF-8) that "Βοήθεια" prints on the help window, in order: three empty lines
/// that keep the text below the "Επιστροφή" button, the DTM grid file with its example of 6
/// rows and 5 columns, and how the program is used. Lines keep their leading and trailing
/// blanks; an empty line is two blanks.
const std::vector<std::string>& helpLines();

}  // namespace cellinterp
