#include <QApplication>

#include "gui/application.h"
#include "gui/dialogs.h"
#include "vantage/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  suite::prepareApplication(app, QStringLiteral("vantage"));

  suite::QtDialogs dialogs;
  vantage::MainWindow window(dialogs);
  window.show();
  return QApplication::exec();
}
