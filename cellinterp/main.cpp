#include <QApplication>

#include "cellinterp/main_window.h"
#include "gui/application.h"
#include "gui/dialogs.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  suite::prepareApplication(app, QStringLiteral("cellinterp"));

  suite::QtDialogs dialogs;
  cellinterp::MainWindow window(dialogs);
  window.show();
  return QApplication::exec();
}
