#include "gui/application.h"
#include "pairsim/main_window.h"

int main(int argc, char* argv[]) {
  return suite::runProgram<pairsim::MainWindow>(argc, argv, QStringLiteral("pairsim"));
}
