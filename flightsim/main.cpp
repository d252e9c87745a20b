#include <QApplication>

#include "flightsim/main_window.h"
#include "gui/dialogs.h"
#include "gui/window_font.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(suite::windowFont());

  suite::QtDialogs dialogs;
  flightsim::MainWindow window(dialogs);
  window.show();
  return QApplication::exec();
}
