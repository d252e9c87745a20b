#include "isolines/main_window.h"
#include "gui/application.h"

int main(int argc, char* argv[]) {
  return suite::runProgram<isolines::MainWindow>(argc, argv, QStringLiteral("isolines"));
}
