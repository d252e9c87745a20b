#include "flightsim/main_window.h"
#include "gui/application.h"

int main(int argc, char* argv[]) {
  return suite::runProgram<flightsim::MainWindow>(argc, argv, QStringLiteral("flightsim"));
}
