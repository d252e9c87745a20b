#include "gui/application.h"
#include "isolines/main_window.h"

int main(int argc, char* argv[]) {
  return suite::runProgram<isolines::MainWindow>(argc, argv, QStringLiteral("isolines"));
}
