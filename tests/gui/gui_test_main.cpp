#include "tests/gui/qt_test_main.h"

int runPictureBoxTests(int argc, char** argv);
int runDialogsTests(int argc, char** argv);
int runHelpWindowTests(int argc, char** argv);
int runDrawingWindowTests(int argc, char** argv);
int runFormControlsTests(int argc, char** argv);
int runPictureSavingTests(int argc, char** argv);
int runFormBindingTests(int argc, char** argv);

int main(int argc, char** argv) {
  return suite::test::runQtTests(
      argc, argv,
      {runPictureBoxTests, runDialogsTests, runHelpWindowTests, runDrawingWindowTests,
       runFormControlsTests, runPictureSavingTests, runFormBindingTests});
}
