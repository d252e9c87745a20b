#include "gui/application.h"
#include "vantage/main_window.h"

int main(int argc, char* argv[]) {
  return suite::runProgram<vantage::MainWindow>(argc, argv, QStringLiteral("vantage"));
}
