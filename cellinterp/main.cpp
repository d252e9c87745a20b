#include <QApplication>

#include "cellinterp/main_window.h"
#include "gui/dialogs.h"
#include "gui/window_font.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(suite::windowFont());

  suite::QtDialogs dialogs;
  cellinterp::MainWindow window(dialogs);
  window.show();
  return QApplication::exec();
}
