#include "tests/gui/qt_test_main.h"

int runPhotoPairWindowTests(int argc, char** argv);

int main(int argc, char** argv) {
  return suite::test::runQtTests(argc, argv, {runPhotoPairWindowTests});
}
