#include <QApplication>
#include <memory>

#include "gui/application.h"
#include "gui/dialogs.h"
#include "pairsim/main_window.h"
#include "stereo/uniform_source.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  suite::prepareApplication(app, QStringLiteral("pairsim"));

  suite::QtDialogs dialogs;
  // Every run draws its random errors from the time of day.
  pairsim::MainWindow window(dialogs, std::make_unique<suite::ClockUniformSource>());
  window.show();
  return QApplication::exec();
}
