#include <QApplication>
#include <memory>

#include "flightsim/main_window.h"
#include "gui/application.h"
#include "gui/dialogs.h"
#include "stereo/uniform_source.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  suite::prepareApplication(app, QStringLiteral("flightsim"));

  suite::QtDialogs dialogs;
  // Every run draws its random errors from the time of day.
  flightsim::MainWindow window(dialogs, std::make_unique<suite::ClockUniformSource>());
  window.show();
  return QApplication::exec();
}
