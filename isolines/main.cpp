#include <QApplication>

#include "gui/application.h"
#include "gui/dialogs.h"
#include "isolines/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  suite::prepareApplication(app, QStringLiteral("isolines"));

  suite::QtDialogs dialogs;
  isolines::MainWindow window(dialogs);
  window.show();
  return QApplication::exec();
}
