#include "cellinterp/main_window.h"
#include "gui/application.h"

int main(int argc, char* argv[]) {
  return suite::runProgram<cellinterp::MainWindow>(argc, argv, QStringLiteral("cellinterp"));
}
