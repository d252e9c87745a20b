// Each program of the suite opens a grid that dtmconvert imported from a real raster: the
// Maunga Whau sample in geographic coordinates, reprojected to NZTM2000.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "cellinterp/main_window.h"
#include "dtmconvert/grid_import.h"
#include "flightsim/main_window.h"
#include "gui/picture_box.h"
#include "gui/scripted_dialogs.h"
#include "isolines/contour_map_window.h"
#include "isolines/main_window.h"
#include "pairsim/main_window.h"
#include "simulator_shell/photo_pair_window.h"
#include "stereo/uniform_source.h"
#include "tests/dtmconvert/test_rasters.h"
#include "tests/gui/window_testing.h"
#include "text/number_format.h"
#include "vantage/main_window.h"
#include "vantage/perspective_window.h"

using suite::test::click;
using suite::test::control;
using suite::test::shown;
using suite::test::trigger;
using suite::test::type;
namespace testing = dtmconvert::testing;

class ProgramsOpenImportsTest : public QObject {
  Q_OBJECT

  static std::unique_ptr<suite::UniformSource> fixedSource() {
    return std::make_unique<suite::FixedUniformSource>(std::vector<float>{.25f, .5f, .75f});
  }

  /// Opens the imported grid and draws it from the menus of vantage or isolines: «Άνοιγμα
  /// aρχείου DTM Grid», then «Σχεδίασε».
  void openAndDraw(QWidget& window, suite::ScriptedDialogs& dialogs) {
    dialogs.answerOpenFile(grid_);
    trigger(window, "ff1");
    trigger(window, "Mp1");
  }

  testing::ScratchFolder scratch_;
  QString grid_;
  testing::GridFile imported_;

 private slots:
  void initTestCase() {
    const dtmconvert::SourceRaster source(SUITE_SAMPLES "/maunga-whau-wgs84.tif");
    dtmconvert::ImportRequest request;
    request.gridPath = scratch_.file("maunga-whau-nztm.dtm");
    request.settings.epsg = 2193;
    request.settings.bounds = dtmconvert::GroundBounds{1756800, 5917100, 1757600, 5917600};
    dtmconvert::NoProgress quiet;
    dtmconvert::importGrid(source, request, quiet);
    grid_ = QString::fromStdString(request.gridPath);
    imported_ = testing::readGrid(request.gridPath);
    QCOMPARE(imported_.rows, 50);
    QCOMPARE(imported_.columns, 80);
    QCOMPARE(imported_.xNorthWest, 1756805.0);
  }

  void flightsimDrawsAPairOverItAndWritesItsStereoWindow() {
    suite::ScriptedDialogs dialogs;
    flightsim::MainWindow window(dialogs, fixedSource());
    const QString stereo = QString::fromStdString(scratch_.file("stereo.dtm"));
    dialogs.answerOpenFile(grid_);
    click(window, "Command1");
    dialogs.answerOpenFile(stereo);
    click(window, "Command8");
    // A 200 m base from the grid's west part: a window of 22 × 42 nodes.
    type(window, "Text2(0)", QStringLiteral("1756900"));
    type(window, "Text2(1)", QStringLiteral("5917350"));
    type(window, "Text2(2)", QStringLiteral("150"));
    type(window, "Text2(3)", QStringLiteral("200"));
    click(window, "Command6");
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QVERIFY(window.photoPairWindow() != nullptr && window.photoPairWindow()->isVisible());
    QVERIFY(std::filesystem::exists(stereo.toStdString()));
  }

  void pairsimDrawsThePairOfThatStereoWindow() {
    const std::string stereo = scratch_.file("stereo.dtm");
    QVERIFY2(std::filesystem::exists(stereo), "flightsim's test writes it first");
    suite::ScriptedDialogs dialogs;
    pairsim::MainWindow window(dialogs, fixedSource());
    dialogs.answerOpenFile(QString::fromStdString(stereo));
    click(window, "Command1");
    click(window, "Command6");
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QVERIFY(window.photoPairWindow() != nullptr && window.photoPairWindow()->isVisible());
  }

  void vantageDrawsItsPerspective() {
    suite::ScriptedDialogs dialogs;
    vantage::MainWindow window(dialogs);
    openAndDraw(window, dialogs);
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QVERIFY(window.perspectiveWindow() != nullptr && window.perspectiveWindow()->isVisible());
    QCOMPARE(window.state().frame.xEast, 1756805.0 + 79 * 10);
  }

  void cellinterpShowsTheCornerHeightsOfACell() {
    suite::ScriptedDialogs dialogs;
    cellinterp::MainWindow window(dialogs);
    dialogs.answerOpenFile(grid_);
    click(window, "Command1");
    // Whole texts at once: cellinterp checks every keystroke, and an empty box is outside.
    control<QLineEdit>(window, "Text3")->setText(QStringLiteral("49"));
    control<QLineEdit>(window, "Text5")->setText(QStringLiteral("79"));
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    const auto at = [&](int row, int column) {
      return imported_
          .heights[static_cast<std::size_t>((row - 1) * imported_.columns + column - 1)];
    };
    const double corners[] = {at(49, 79), at(49, 80), at(50, 79), at(50, 80)};
    for (int k = 0; k < 4; ++k) {
      QCOMPARE(control<QLineEdit>(window, QStringLiteral("Text1(%1)").arg(k))->text(),
               QString::fromStdString(suite::formatMask(corners[k], "#####.000")));
    }
  }

  void isolinesDrawsItsContoursAndReadsOutItsNorthWestNode() {
    suite::ScriptedDialogs dialogs;
    isolines::MainWindow window(dialogs);
    openAndDraw(window, dialogs);
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    isolines::ContourMapWindow* map = window.contourMapWindow();
    QVERIFY(map != nullptr && map->isVisible());
    QWidget& picture = map->picture();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 0), picture.mapToGlobal(QPointF(0, 0)),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&picture, &press);
    QCOMPARE(map->readout().text(), QStringLiteral("    X =   1756805    Y =   5917595"));
  }
};

QTEST_MAIN(ProgramsOpenImportsTest)
#include "programs_open_imports_test.moc"
