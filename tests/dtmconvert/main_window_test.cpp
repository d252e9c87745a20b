// The dtmconvert window driven as a user drives it, its dialogs answered by a script.
#include "dtmconvert/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "dtmconvert/grid_import.h"
#include "dtmconvert/preview_view.h"
#include "gui/scripted_dialogs.h"
#include "tests/dtmconvert/sources.h"
#include "tests/gui/window_testing.h"

using dtmconvert::MainWindow;
using suite::test::click;
using suite::test::control;
using suite::test::shown;
using suite::test::type;
namespace testing = dtmconvert::testing;

namespace {

const QString kNztm = QStringLiteral(SUITE_SAMPLES "/maunga-whau-nztm.tif");

}  // namespace

class DtmconvertWindowTest : public QObject {
  Q_OBJECT

  static QString summary(QWidget& window) {
    return control<QPlainTextEdit>(window, "summary")->toPlainText();
  }
  static void openSource(MainWindow& window, suite::ScriptedDialogs& dialogs, const QString& path) {
    dialogs.answerOpenFile(path);
    click(window, "openSource");
  }

 private slots:
  void aFreshWindowAsksForASourceBeforeConverting() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.windowTitle(), QStringLiteral("Μετατροπή ΨΜΕ"));
    QVERIFY(summary(window).startsWith(QStringLiteral("Άνοιξε μια πηγή")));
    QVERIFY(!control<QPushButton>(window, "cancel")->isEnabled());
    click(window, "convert");
    QCOMPARE(dialogs.messages(),
             std::vector<QString>{QStringLiteral("Άνοιξε πρώτα μια πηγή με το «Άνοιγμα πηγής…».")});
    QVERIFY(dialogs.saveFileCalls().empty());
    // A cancelled choice opens nothing.
    dialogs.answerOpenFile(std::nullopt);
    click(window, "openSource");
    QVERIFY(!window.state().source);
  }

  void anOpenedSourceShowsItsShadingOutlineAndSummary() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    openSource(window, dialogs, kNztm);
    QVERIFY(dialogs.messages().empty());
    QVERIFY(window.state().source);
    const QString info = control<QLabel>(window, "sourceInfo")->text();
    QVERIFY2(info.contains(QStringLiteral("87 × 61")) && info.contains(QStringLiteral("EPSG:2193")),
             qPrintable(info));
    QCOMPARE(window.preview().picture().size(), QSize(87, 61));
    // The kept system takes the source's pixels as nodes: the outline is the source's edge.
    const QRectF outline = window.preview().outline().boundingRect();
    QVERIFY(std::abs(outline.left()) < 1e-6 && std::abs(outline.top()) < 1e-6);
    QVERIFY(std::abs(outline.right() - 87) < 1e-6 && std::abs(outline.bottom() - 61) < 1e-6);
    const QString text = summary(window);
    QVERIFY2(text.startsWith(QStringLiteral("Πλέγμα: n = 61 γραμμές, m = 87 στήλες, 5307 κόμβοι.")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Υψόμετρα: περίπου από 94 έως 195")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("isolines: σε οθόνη ")));
    QCOMPARE(control<QLineEdit>(window, "cellX")->placeholderText(), QStringLiteral("10"));
    QVERIFY(
        control<QLabel>(window, "targetSystem")->text().startsWith(QStringLiteral("EPSG:2193")));
  }

  void aSettingThatGivesNoGridIsToldInTheSummaryAndRefusedOnConverting() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    openSource(window, dialogs, kNztm);
    type(window, "cellX", QStringLiteral("1x"));
    QVERIFY(!window.state().plan);
    QVERIFY2(summary(window).contains(QStringLiteral("κελί a")), qPrintable(summary(window)));
    QVERIFY(window.preview().outline().isEmpty());
    click(window, "convert");
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QVERIFY(dialogs.messages()[0].contains(QStringLiteral("«1x»")));
    QVERIFY(dialogs.saveFileCalls().empty());
    type(window, "cellX", QStringLiteral("20"));
    QVERIFY(window.state().plan);
    QCOMPARE(window.state().plan->columns, 43);
    // A geographic target is refused as the user types it.
    type(window, "crs", QStringLiteral("EPSG:4326"));
    QVERIFY(summary(window).contains(QStringLiteral("δεν είναι χαρτογραφική προβολή")));
  }

  void aRectangleDraggedOnThePictureBecomesTheAreaOnWholeCells() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    openSource(window, dialogs, kNztm);
    dtmconvert::PreviewView& preview = window.preview();
    const QPoint from = preview.fromSource({10.4, 5.2}).toPoint();
    const QPoint to = preview.fromSource({60.7, 40.6}).toPoint();
    QTest::mousePress(&preview, Qt::LeftButton, {}, from);
    QTest::mouseMove(&preview, to);
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, to);
    QVERIFY(dialogs.messages().empty());
    const QRectF source(preview.toSource(from), preview.toSource(to));
    // On the source's own lattice of 10 m from its corner (1756775, 5917625), shrunk inside.
    const double west = control<QLineEdit>(window, "boundWest")->text().toDouble();
    const double north = control<QLineEdit>(window, "boundNorth")->text().toDouble();
    const double east = control<QLineEdit>(window, "boundEast")->text().toDouble();
    const double south = control<QLineEdit>(window, "boundSouth")->text().toDouble();
    QCOMPARE(std::fmod(west - 1756775, 10.0), 0.0);
    QCOMPARE(std::fmod(5917625 - north, 10.0), 0.0);
    QVERIFY(west >= 1756775 + source.left() * 10 && west < 1756775 + source.left() * 10 + 10);
    QVERIFY(east <= 1756775 + source.right() * 10 && east > 1756775 + source.right() * 10 - 10);
    QVERIFY(north <= 5917625 - source.top() * 10);
    QVERIFY(south >= 5917625 - source.bottom() * 10);
    QVERIFY(!window.state().plan->wholeSource);
    QCOMPARE(window.state().plan->columns, static_cast<int>(std::lround((east - west) / 10)));
    const QRectF outline = preview.outline().boundingRect();
    QVERIFY(source.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(outline));
    click(window, "wholeSource");
    QVERIFY(window.state().plan->wholeSource);
    QCOMPARE(control<QLineEdit>(window, "boundWest")->text(), QString());
  }

  void aConversionWritesTheGridAndItsSystemAsTheCommandLineDoes() {
    testing::ScratchFolder scratch;
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    openSource(window, dialogs, QString::fromStdString(testing::greekGridWithHoles(scratch)));
    type(window, "cellX", QStringLiteral("50"));
    control<QComboBox>(window, "resampling")->setCurrentIndex(2);
    control<QCheckBox>(window, "fillNoData")->setChecked(true);
    const QString path = QString::fromStdString(scratch.file("από-παράθυρο.dtm"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{path, 0});
    click(window, "convert");
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{1});
    QVERIFY(dialogs.saveFileCalls()[0].suggestedPath.endsWith(QStringLiteral("greece-holes.dtm")));
    QCOMPARE(dialogs.saveFileCalls()[0].suiteFilter,
             QStringLiteral("DTM Files|*.dtm|All Files|*.*"));

    dtmconvert::ImportRequest request;
    request.gridPath = scratch.file("core.dtm");
    request.settings.cellX = 50;
    request.settings.resampling = dtmconvert::Resampling::Cubic;
    request.settings.fillNoData = true;
    dtmconvert::NoProgress quiet;
    dtmconvert::importGrid(*window.state().source, request, quiet);
    QCOMPARE(suite::test::fileBytes(path),
             suite::test::fileBytes(QString::fromStdString(request.gridPath)));
    QVERIFY(std::filesystem::exists(scratch.file("από-παράθυρο.prj")));
    const QString text = summary(window);
    QVERIFY2(text.contains(QStringLiteral("Συμπληρώθηκαν")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("περίπου")));
    QVERIFY(
        text.endsWith(QStringLiteral("Γράφτηκε το «%1» και το «%2».")
                          .arg(path, QString::fromStdString(scratch.file("από-παράθυρο.prj")))));
    QVERIFY(!control<QPushButton>(window, "cancel")->isEnabled());
    QVERIFY(control<QTabWidget>(window, "tabs")->isEnabled());
    QCOMPARE(control<QProgressBar>(window, "progress")->value(), 0);
  }

  void aCancelledConversionStopsWritesNothingAndLeavesTheWindowUsable() {
    testing::ScratchFolder scratch;
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    openSource(window, dialogs, QString::fromStdString(testing::greekGeographic(scratch)));
    type(window, "cellX", QStringLiteral("2"));  // some 80 million nodes' worth of work
    const std::string path = scratch.write("stopped.dtm", "kept\n");
    dialogs.answerSaveFile(suite::SaveFileAnswer{QString::fromStdString(path), 0});
    bool tabsEnabledMeanwhile = true;
    bool cancelEnabledMeanwhile = false;
    QTimer::singleShot(100, &window, [&] {
      tabsEnabledMeanwhile = control<QTabWidget>(window, "tabs")->isEnabled();
      cancelEnabledMeanwhile = control<QPushButton>(window, "cancel")->isEnabled();
      click(window, "cancel");
    });
    QElapsedTimer clock;
    clock.start();
    click(window, "convert");
    QVERIFY(dialogs.messages().empty());
    QVERIFY(!tabsEnabledMeanwhile);
    QVERIFY(cancelEnabledMeanwhile);
    QVERIFY2(clock.elapsed() < 20000, "the conversion did not stop");
    QCOMPARE(suite::test::fileBytes(QString::fromStdString(path)), std::string("kept\n"));
    QVERIFY(
        summary(window).endsWith(QStringLiteral("Η μετατροπή σταμάτησε· δεν γράφτηκε τίποτα.")));
    QVERIFY(control<QTabWidget>(window, "tabs")->isEnabled());
    QVERIFY(!control<QPushButton>(window, "cancel")->isEnabled());
  }

  void aFileThatIsNoRasterIsToldAndTheSourceBeforeItStays() {
    testing::ScratchFolder scratch;
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    openSource(window, dialogs, kNztm);
    const std::string text = scratch.write("notes.tif", "not a raster");
    openSource(window, dialogs, QString::fromStdString(text));
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QVERIFY2(dialogs.messages()[0].contains(QStringLiteral("notes.tif")),
             qPrintable(dialogs.messages()[0]));
    QCOMPARE(window.state().source->info().path, kNztm.toStdString());
    QCOMPARE(control<QLabel>(window, "sourcePath")->text(), kNztm);
  }

  void theExportTabWritesAGeoTiffAndContourLinesOfAGridFile() {
    testing::ScratchFolder scratch;
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    click(window, "exportGeoTiff");
    QCOMPARE(dialogs.messages().back(), QStringLiteral("Άνοιξε πρώτα ένα αρχείο ΨΜΕ."));
    const QString grid = QStringLiteral(SUITE_SAMPLES "/maunga-whau.dtm");
    dialogs.answerOpenFile(grid);
    click(window, "openGrid");
    const QString info = control<QLabel>(window, "gridInfo")->text();
    QVERIFY2(info.startsWith(QStringLiteral("61 γραμμές × 87 στήλες, κελί 10 × 10")),
             qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("κανένα")));

    const QString tif = QString::fromStdString(scratch.file("mw.tif"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{tif, 0});
    click(window, "exportGeoTiff");
    QVERIFY(std::filesystem::exists(tif.toStdString()));
    QVERIFY(
        dialogs.saveFileCalls().back().suggestedPath.endsWith(QStringLiteral("maunga-whau.tif")));

    type(window, "interval", QStringLiteral("abc"));
    const std::size_t before = dialogs.messages().size();
    click(window, "exportContours");
    QCOMPARE(dialogs.messages().size(), before + 1);
    type(window, "interval", QStringLiteral("20"));
    control<QComboBox>(window, "contourFormat")->setCurrentIndex(1);
    const QString lines = QString::fromStdString(scratch.file("mw.geojson"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{lines, 0});
    click(window, "exportContours");
    QCOMPARE(dialogs.messages().size(), before + 1);
    QCOMPARE(dialogs.saveFileCalls().back().suiteFilter, QStringLiteral("GeoJSON|*.geojson"));
    QVERIFY(std::filesystem::exists(lines.toStdString()));
    const QString report = control<QPlainTextEdit>(window, "exportReport")->toPlainText();
    QVERIFY2(report.contains(QStringLiteral("ισοϋψείς (ανά 20)")), qPrintable(report));
  }
};

QTEST_MAIN(DtmconvertWindowTest)
#include "main_window_test.moc"
