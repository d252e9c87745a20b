#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "dtmconvert/command_line.h"
#include "dtmconvert/main_window.h"
#include "gui/application.h"

int main(int argc, char* argv[]) {
  // With arguments the program works on the command line, without a window or a display.
  if (argc > 1) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return dtmconvert::runCommandLine(arguments, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
  }
  return suite::runProgram<dtmconvert::MainWindow>(argc, argv, QStringLiteral("dtmconvert"));
}
