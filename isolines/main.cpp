#include <QApplication>

#include "gui/dialogs.h"
#include "gui/window_font.h"
#include "isolines/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(suite::windowFont());

  suite::QtDialogs dialogs;
  isolines::MainWindow window(dialogs);
  window.show();
  return QApplication::exec();
}
