#include "pairsim/main_window.h"
#include "gui/application.h"

int main(int argc, char* argv[]) {
  return suite::runProgram<pairsim::MainWindow>(argc, argv, QStringLiteral("pairsim"));
}
