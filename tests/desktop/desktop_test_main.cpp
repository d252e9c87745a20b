#include "tests/gui/qt_test_main.h"

int runApplicationTests(int argc, char** argv);
int runQtCatalogueTests(int argc, char** argv);
int runGreekDialogsTests(int argc, char** argv);

int main(int argc, char** argv) {
  // Prepared as flightsim prepares itself, whose window and dialogs the tests open.
  return suite::test::runQtTests(argc, argv,
                                 {runApplicationTests, runQtCatalogueTests, runGreekDialogsTests},
                                 QStringLiteral("flightsim"));
}
