#include "tests/hostile/program_drivers.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "cellinterp/main_window.h"
#include "flightsim/main_window.h"
#include "gui/picture_box.h"
#include "isolines/contour_map_window.h"
#include "isolines/main_window.h"
#include "pairsim/main_window.h"
#include "simulator_shell/photo_pair_window.h"
#include "stereo/uniform_source.h"
#include "tests/gui/window_testing.h"
#include "vantage/main_window.h"
#include "vantage/perspective_window.h"

namespace hostile_testing {
namespace {

using suite::test::control;

void click(QWidget& window, const char* button) {
  QTest::mouseClick(control<QPushButton>(window, QString::fromLatin1(button)), Qt::LeftButton);
}

void trigger(QWidget& window, const char* item) {
  control<QAction>(window, QString::fromLatin1(item))->trigger();
}

/// What a drawing window shows, when it is on show.
Shown shownPicture(QWidget* window, suite::PictureBox* picture) {
  Shown shown;
  shown.any = window != nullptr && window->isVisible();
  if (shown.any) shown.picture = picture->image();
  return shown;
}

std::unique_ptr<suite::UniformSource> fixedSource() {
  return std::make_unique<suite::FixedUniformSource>(std::vector<float>{.25f, .5f, .75f});
}

/// The two simulators: Command1 chooses the input file, Command6 "Σχεδίασε" draws the pair.
template <typename Window>
ProgramDriver simulator(const char* name, bool readsStereo, const char* goodFile) {
  ProgramDriver driver;
  driver.name = QString::fromLatin1(name);
  driver.readsStereo = readsStereo;
  driver.goodFile = QString::fromUtf8(goodFile);
  driver.make = [](suite::ScriptedDialogs& dialogs) {
    return std::make_unique<Window>(dialogs, fixedSource());
  };
  driver.use = [](QWidget& window, suite::ScriptedDialogs& dialogs, const QString& path) {
    dialogs.answerOpenFile(path);
    click(window, "Command1");
    click(window, "Command6");
  };
  driver.again = [](QWidget& window, suite::ScriptedDialogs&) { click(window, "Command6"); };
  driver.shown = [](QWidget& window) {
    suite::PhotoPairWindow* pair = static_cast<Window&>(window).photoPairWindow();
    return shownPicture(pair, pair != nullptr ? &pair->picture() : nullptr);
  };
  return driver;
}

/// The two programs of the map shell: ff1 chooses the DTM grid file, Mp1 "Σχεδίασε" draws.
template <typename Window, typename DrawingWindowOf>
ProgramDriver mapProgram(const char* name, DrawingWindowOf drawingWindowOf) {
  ProgramDriver driver;
  driver.name = QString::fromLatin1(name);
  driver.goodFile = QStringLiteral(SUITE_SAMPLES "/hills-30x30.dtm");
  driver.make = [](suite::ScriptedDialogs& dialogs) { return std::make_unique<Window>(dialogs); };
  driver.use = [](QWidget& window, suite::ScriptedDialogs& dialogs, const QString& path) {
    dialogs.answerOpenFile(path);
    trigger(window, "ff1");
    trigger(window, "Mp1");
  };
  driver.again = [](QWidget& window, suite::ScriptedDialogs&) { trigger(window, "Mp1"); };
  driver.shown = [drawingWindowOf](QWidget& window) {
    auto* drawing = drawingWindowOf(static_cast<Window&>(window));
    return shownPicture(drawing, drawing != nullptr ? &drawing->picture() : nullptr);
  };
  return driver;
}

ProgramDriver cellinterpDriver() {
  ProgramDriver driver;
  driver.name = QStringLiteral("cellinterp");
  driver.goodFile = QStringLiteral(SUITE_SAMPLES "/cell-6x5.dtm");
  driver.make = [](suite::ScriptedDialogs& dialogs) {
    return std::make_unique<cellinterp::MainWindow>(dialogs);
  };
  driver.use = [](QWidget& window, suite::ScriptedDialogs& dialogs, const QString& path) {
    dialogs.answerOpenFile(path);
    click(window, "Command1");
  };
  driver.again = [](QWidget& window, suite::ScriptedDialogs& dialogs) {
    const auto& state = static_cast<cellinterp::MainWindow&>(window).state();
    if (state.fileName) dialogs.answerOpenFile(QString::fromStdString(*state.fileName));
    click(window, "Command1");
  };
  driver.shown = [](QWidget& window) {
    Shown shown;
    shown.any = static_cast<cellinterp::MainWindow&>(window).state().fileName.has_value();
    shown.text = control<QLabel>(window, "Label1")->text() + " " +
                 control<QLabel>(window, "Label13")->text();
    for (int k = 0; k < 4; ++k)
      shown.text += " " + control<QLineEdit>(window, QStringLiteral("Text1(%1)").arg(k))->text();
    return shown;
  };
  return driver;
}

}  // namespace

std::vector<ProgramDriver> programDrivers() {
  return {
      simulator<flightsim::MainWindow>("flightsim", false, SUITE_SAMPLES "/hills-30x30.dtm"),
      simulator<pairsim::MainWindow>("pairsim", true, SUITE_SAMPLES "/stereo-hills-22x12.dtm"),
      mapProgram<vantage::MainWindow>(
          "vantage", [](vantage::MainWindow& window) { return window.perspectiveWindow(); }),
      cellinterpDriver(),
      mapProgram<isolines::MainWindow>(
          "isolines", [](isolines::MainWindow& window) { return window.contourMapWindow(); }),
  };
}

const ProgramDriver& programDriver(const QString& name) {
  static const std::vector<ProgramDriver> drivers = programDrivers();
  for (const ProgramDriver& driver : drivers) {
    if (driver.name == name) return driver;
  }
  qFatal("no program %s", qPrintable(name));
}

}  // namespace hostile_testing
