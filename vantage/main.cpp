#include "vantage/main_window.h"
#include "gui/application.h"

int main(int argc, char* argv[]) {
  return suite::runProgram<vantage::MainWindow>(argc, argv, QStringLiteral("vantage"));
}
