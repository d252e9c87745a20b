#include "isolines/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "gui/scripted_dialogs.h"
#include "gui/twips.h"
#include "isolines/contour_map_window.h"
#include "isolines/contour_run.h"
#include "tests/gui/qt_test_main.h"
#include "tests/gui/saved_picture.h"
#include "tests/gui/window_testing.h"

using isolines::ContourMapWindow;
using isolines::MainWindow;
using suite::test::control;
using suite::test::pixelsOf;
namespace pt = suite::picture_testing;

namespace {

const QString kSample = QStringLiteral(SUITE_SAMPLES "/maunga-whau.dtm");
const QString kNoFile = QStringLiteral(" Βάλε πρώτα το αρχείο Ψηφιακού Μοντέλου Εδάφους");
const QRgb kOrange = qRgb(250, 120, 0);

/// Scripted dialogs that also note whether a wait cursor was up when a message was shown.
class CursorNotingDialogs : public suite::ScriptedDialogs {
 public:
  void message(QWidget* parent, const QString& text) override {
    waitCursorAtMessage.push_back(QApplication::overrideCursor() != nullptr);
    ScriptedDialogs::message(parent, text);
  }
  std::vector<bool> waitCursorAtMessage;
};

/// Notes the override cursor at the moment the contour map window is shown, which happens
/// inside a drawing.
class ShowWatcher : public QObject {
 public:
  ShowWatcher() { qApp->installEventFilter(this); }
  ~ShowWatcher() override { qApp->removeEventFilter(this); }
  std::vector<Qt::CursorShape> cursorsAtShow;  ///< Qt::ArrowCursor when none was set

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Form2")) {
      const QCursor* cursor = QApplication::overrideCursor();
      cursorsAtShow.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
    }
    return false;
  }
};

/// Writes `text` to the file `name` in `dir` and returns its path.
QString writeFile(const QTemporaryDir& dir, const char* name, const std::string& text) {
  const QString path = dir.filePath(QString::fromUtf8(name));
  std::ofstream(path.toStdString(), std::ios::binary) << text;
  return path;
}

/// A 2 × 2 grid rising from 0 on its west nodes to 100 on its east nodes.
std::string westEastRamp() {
  return "2,2,1000,2000,50,50\n0,100\n0,100\n";
}

QImage imageOf(suite::PictureBox& picture) {
  return picture.image().convertToFormat(QImage::Format_RGB32);
}

/// Every pixel of `image` that differs between being orange and being set in `raster`; empty
/// when the picture shows exactly the raster.
QList<QPoint> differencesFrom(const QImage& image, const isolines::ContourRaster& raster) {
  QList<QPoint> wrong;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) == kOrange) != raster.isSet(x, y)) wrong << QPoint(x, y);
  return wrong;
}

}  // namespace

class IsolinesMainWindowTest : public QObject {
  Q_OBJECT

  static void trigger(QWidget& window, const char* item) {
    control<QAction>(window, item)->trigger();
  }
  static void click(QWidget& window, const char* button) {
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
  }
  static QString text(QWidget& window, const char* label) {
    return control<QLabel>(window, label)->text();
  }
  static void choose(MainWindow& window, suite::ScriptedDialogs& dialogs, const QString& path) {
    dialogs.answerOpenFile(path);
    trigger(window, "ff1");
  }
  static void setInterval(MainWindow& window, suite::ScriptedDialogs& dialogs,
                          const QString& answer) {
    dialogs.answerInput(answer);
    click(window, "Command3");
  }
  /// Chooses the file `path` and draws it at the window's settings.
  static void drawFile(MainWindow& window, suite::ScriptedDialogs& dialogs, const QString& path) {
    choose(window, dialogs, path);
    trigger(window, "Mp1");
  }
  /// Draws the sample at the window's settings and returns the map window.
  static ContourMapWindow& drawSample(MainWindow& window, suite::ScriptedDialogs& dialogs) {
    drawFile(window, dialogs, kSample);
    ContourMapWindow* map = window.contourMapWindow();
    if (map == nullptr) qFatal("the sample was not drawn");
    return *map;
  }
  /// Presses `button` in Picture1 at pixel `at` and returns the readout. The event is sent
  /// by hand, since QTest takes the point (0, 0) for the widget's centre.
  static QString clickMap(ContourMapWindow& map, QPoint at, Qt::MouseButton button) {
    QWidget& picture = map.picture();
    const QPointF global = picture.mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, button, button, {});
    QApplication::sendEvent(&picture, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button, {}, {});
    QApplication::sendEvent(&picture, &release);
    return map.readout().text();
  }

 private slots:
  void aFreshStartShowsTheDesignAndDrawsNothingWithoutAFile() {
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Ισοϋψείς Παρεμβολή - Σχεδίαση"));
    QCOMPARE(window.clientArea()->size(), QSize(450, 221));  // 6750 x 3315 twips
    QCOMPARE(control<QMenu>(window, "Mp")->title(), QStringLiteral("Σχεδίασε Ισοϋψείς"));
    QCOMPARE(control<QAction>(window, "Mp1")->text(), QStringLiteral("Σχεδίασε"));
    QCOMPARE(control<QWidget>(window, "Frame1")->geometry(), QRect(8, 48, 425, 129));
    // Inside Frame1, in pixels of 15 twips.
    const std::pair<const char*, QRect> places[] = {
        {"Command1", {16, 24, 121, 25}}, {"Label7", {144, 24, 169, 25}},
        {"Command3", {16, 56, 121, 25}}, {"Label2", {144, 56, 65, 25}},
        {"Label4", {16, 88, 121, 25}},   {"Label1", {136, 88, 273, 25}}};
    for (const auto& [name, pixels] : places)
      QCOMPARE(control<QWidget>(window, name)->geometry(), pixels);
    QCOMPARE(control<QPushButton>(window, "Command3")->text(), QStringLiteral("Ισοδιάσταση"));
    QCOMPARE(text(window, "Label2"), QStringLiteral("10"));
    QCOMPARE(text(window, "Label7"), QStringLiteral("Ομοιόμορφη κλίμακα"));
    QCOMPARE(window.settings().number, 10.0f);

    trigger(window, "Mp1");
    QCOMPARE(dialogs.messages(), std::vector<QString>{kNoFile});
    QVERIFY(window.contourMapWindow() == nullptr);
    // A cancelled choice leaves the program without a file.
    dialogs.answerOpenFile(std::nullopt);
    trigger(window, "ff1");
    trigger(window, "Mp1");
    QCOMPARE(dialogs.messages().back(), kNoFile);
    QVERIFY(window.contourMapWindow() == nullptr);
  }

  void theSampleIsDrawnAsItsContourRasterUnderAWaitCursor_data() {
    QTest::addColumn<QString>("interval");
    QTest::addColumn<bool>("differentScales");
    QTest::newRow("interval 10, uniform scale") << QStringLiteral("10") << false;
    QTest::newRow("interval 2, uniform scale") << QStringLiteral("2") << false;
    QTest::newRow("interval 2, scale for each axis") << QStringLiteral("2") << true;
  }
  void theSampleIsDrawnAsItsContourRasterUnderAWaitCursor() {
    QFETCH(QString, interval);
    QFETCH(bool, differentScales);
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    choose(window, dialogs, kSample);
    setInterval(window, dialogs, interval);
    if (differentScales) click(window, "Command1");
    ShowWatcher watcher;
    trigger(window, "Mp1");
    QCOMPARE(dialogs.messages(), std::vector<QString>{});
    QCOMPARE(watcher.cursorsAtShow, std::vector<Qt::CursorShape>{Qt::WaitCursor});
    QVERIFY(QApplication::overrideCursor() == nullptr);

    ContourMapWindow* map = window.contourMapWindow();
    QVERIFY(map != nullptr && map->isVisible());
    QCOMPARE(map->objectName(), QStringLiteral("Form2"));
    QCOMPARE(map->windowTitle(), QStringLiteral("Σχεδίασε ισοϋψείς"));
    QCOMPARE(map->mapMenu().title(), QStringLiteral("Χάρτης"));
    QCOMPARE(map->readout().geometry(), QRect(72, 0, 257, 25));
    QCOMPARE(map->readout().text(), QString());
    // Where the readout line overlaps the top of the map, a click still reaches the map.
    const QPoint underReadout = map->readout().geometry().bottomRight() - QPoint(2, 2);
    QVERIFY(map->picture().geometry().contains(underReadout));
    QCOMPARE(map->clientArea()->childAt(underReadout), &map->picture());

    const isolines::ContourMap expected =
        isolines::computeContourMap(isolines::contourRunInput(window.settings()));
    QCOMPARE(expected.raster.width(), 86 * expected.cells.alongX);
    QCOMPARE(expected.raster.height(), 60 * expected.cells.alongY);
    QCOMPARE(expected.cells.alongX == expected.cells.alongY, !differentScales);
    const QImage picture = imageOf(map->picture());
    QCOMPARE(picture.size(), map->picture().size());
    QVERIFY(expected.raster.setCount() > 1000);
    QCOMPARE(differencesFrom(picture, expected.raster), QList<QPoint>{});
    const QImage panel = imageOf(map->panel());
    QCOMPARE(pixelsOf(panel, map->panel().backgroundColour().rgb()),
             panel.width() * panel.height());

    // The map's north-west corner is the grid's north-west node (0, 600), and a cell of 10
    // ground units is A by B pixels; any button reads out.
    QCOMPARE(clickMap(*map, {0, 0}, Qt::LeftButton), QStringLiteral("    X =   0    Y =   600"));
    const QPoint threeEastTwoSouth(3 * expected.cells.alongX, 2 * expected.cells.alongY);
    QCOMPARE(clickMap(*map, threeEastTwoSouth, Qt::RightButton),
             QStringLiteral("    X =   30    Y =   580"));
  }

  void theEastEdgeOfATenColumnMapShowsOnAFullHdScreenAndEveryDrawingReadsTheScreen() {
    // Ten columns rising 10 a column, three rows: with the interval 10 the level on the east
    // edge, 90, is drawn along the map's last pixel column.
    QTemporaryDir dir;
    const QString ten = writeFile(dir, "δέκα.dtm",
                                  "3,10,0,0,10,10\n"
                                  "0,10,20,30,40,50,60,70,80,90\n"
                                  "0,10,20,30,40,50,60,70,80,90\n"
                                  "0,10,20,30,40,50,60,70,80,90\n");
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    suite::TwipsSize screen{28800, 16200};  // 1920 × 1080 pixels
    window.setScreenSizeSource([&screen] { return screen; });
    drawFile(window, dialogs, ten);
    ContourMapWindow& map = *window.contourMapWindow();
    // 142-pixel cells: the east edge is the pixel column 9 · 142 = 1278 of a picture 19182 twips
    // (1278.8 pixels) wide.
    QCOMPARE(map.lastMap()->cells.alongX, 142);
    QCOMPARE(map.picture().size(), QSize(1280, 830));
    const QImage picture = imageOf(map.picture());
    for (int y : {0, 100, 2 * 142 - 1}) QCOMPARE(picture.pixel(1278, y), kOrange);
    QCOMPARE(picture.pixel(1279, 0), map.picture().backgroundColour().rgb());
    const isolines::ContourMap expected =
        isolines::computeContourMap(isolines::contourRunInput(window.settings()));
    QCOMPARE(differencesFrom(picture, expected.raster), QList<QPoint>{});
    // The east edge reads out as the east column.
    QCOMPARE(clickMap(map, {1278, 0}, Qt::LeftButton), QStringLiteral("    X =   90    Y =   0"));

    // A projector plugged in before the next drawing: the map covers it at its size.
    screen = {19200, 15360};  // 1280 × 1024
    trigger(window, "Mp1");
    QCOMPARE(map.frameGeometry().size(), QSize(1280, 1024));
    const isolines::ContourMap again =
        isolines::computeContourMap(isolines::contourRunInput(window.settings()));
    QCOMPARE(again.layout.screenWidth, 19200);
    QCOMPARE(map.picture().geometry(), suite::pictureRectFromTwips(again.layout.picture));
    const std::int32_t cell = map.lastMap()->cells.alongX;
    QCOMPARE(cell, again.cells.alongX);
    QVERIFY(cell < 142);
    QCOMPARE(imageOf(map.picture()).pixel(9 * cell, 0), kOrange);
    QCOMPARE(dialogs.messages(), std::vector<QString>{});
  }

  void anotherFileIsDrawnInFullAndACancelledChoiceKeepsIt() {
    QTemporaryDir dir;
    const QString ramp = writeFile(dir, "ράμπα.dtm", westEastRamp());
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    ContourMapWindow* map = &drawSample(window, dialogs);
    clickMap(*map, {10, 10}, Qt::LeftButton);

    drawFile(window, dialogs, ramp);
    QCOMPARE(window.contourMapWindow(), map);
    QCOMPARE(map->readout().text(), QString());
    // One square cell: the levels 10 … 100 each draw one full pixel column, the level 0 on the
    // west edge none; nothing of the sample is left.
    const std::int32_t side = window.contourMapWindow()->lastMap()->cells.alongX;
    QImage picture = imageOf(map->picture());
    QCOMPARE(pixelsOf(picture, kOrange), 10 * side);
    for (int level = 1; level <= 10; ++level) {
      const int column = (level * side + 9) / 10;  // the pixel whose east corner reaches it
      QCOMPARE(picture.pixel(column, 0), kOrange);
      QCOMPARE(picture.pixel(column, side - 1), kOrange);
    }
    QCOMPARE(clickMap(*map, {side, side}, Qt::LeftButton),
             QStringLiteral("    X =   1050    Y =   1950"));

    dialogs.answerOpenFile(std::nullopt);
    trigger(window, "ff1");
    trigger(window, "Mp1");
    QCOMPARE(imageOf(map->picture()), picture);
    QCOMPARE(window.settings().dtmPath, std::optional<std::string>(ramp.toStdString()));
    QCOMPARE(dialogs.messages(), std::vector<QString>{});
  }

  void aFailedDrawingKeepsTheMapAndItsReadout() {
    QTemporaryDir dir;
    const QString shortFile = writeFile(dir, "short.dtm", "3,3,0,0,1,1\n1,2,3\n4,5\n");
    const QString missing = dir.filePath(QStringLiteral("missing.dtm"));
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    ContourMapWindow* map = &drawSample(window, dialogs);
    const QImage before = imageOf(map->picture());
    const QString readout = clickMap(*map, {60, 30}, Qt::LeftButton);
    const suite::PixelsPerCell cells = window.contourMapWindow()->lastMap()->cells;

    drawFile(window, dialogs, shortFile);
    setInterval(window, dialogs, QStringLiteral("5"));
    drawFile(window, dialogs, missing);
    choose(window, dialogs, kSample);
    setInterval(window, dialogs, QString());  // cancelled: the interval becomes 0
    QCOMPARE(text(window, "Label2"), QStringLiteral(" 0"));
    trigger(window, "Mp1");

    const std::vector<QString>& shown = dialogs.messages();
    QCOMPARE(shown.size(), std::size_t{3});
    QVERIFY2(shown[0].startsWith(QStringLiteral("Το αρχείο «") + shortFile +
                                 QStringLiteral("» τελειώνει πριν από την τιμή 12")),
             qPrintable(shown[0]));
    QVERIFY2(shown[1].startsWith(QStringLiteral("Δεν ήταν δυνατό να ανοιχτεί το αρχείο «") +
                                 missing + QStringLiteral("»")),
             qPrintable(shown[1]));
    QVERIFY2(shown[2].startsWith(QStringLiteral("Η ισοδιάσταση είναι 0")), qPrintable(shown[2]));
    QCOMPARE(dialogs.waitCursorAtMessage, (std::vector<bool>{false, false, false}));
    QVERIFY(QApplication::overrideCursor() == nullptr);

    QCOMPARE(imageOf(map->picture()), before);
    QCOMPARE(map->readout().text(), readout);
    QCOMPARE(window.contourMapWindow()->lastMap()->cells, cells);
    QCOMPARE(clickMap(*map, {0, 0}, Qt::MiddleButton), QStringLiteral("    X =   0    Y =   600"));
  }

  void aMapOfCellsBelowAPixelIsBlankAndSaysWhyOnceDrawn() {
    QTemporaryDir dir;
    std::string heights = "2000,2,0,0,1,1\n";
    for (int r = 0; r < 2000; ++r) heights += std::to_string(r) + ",0\n";
    const QString tall = writeFile(dir, "tall.dtm", heights);
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    ContourMapWindow* map = &drawSample(window, dialogs);
    clickMap(*map, {0, 0}, Qt::LeftButton);

    drawFile(window, dialogs, tall);
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QVERIFY2(dialogs.messages()[0].startsWith(QStringLiteral("Ο χάρτης έμεινε κενός")),
             qPrintable(dialogs.messages()[0]));
    QCOMPARE(dialogs.waitCursorAtMessage, std::vector<bool>{false});
    const QImage picture = imageOf(map->picture());
    QCOMPARE(pixelsOf(picture, kOrange), 0);
    // No ground lies under a map of 0-pixel cells: a click leaves the line empty.
    QCOMPARE(clickMap(*map, {5, 5}, Qt::LeftButton), QString());
  }

  void theMapIsSavedAsItsPixelsInMergedRectanglesWithoutReadingTheFileAgain() {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("maunga-whau.dtm"));
    QVERIFY(QFile::copy(kSample, copy));
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    setInterval(window, dialogs, QStringLiteral("2"));
    drawFile(window, dialogs, copy);
    ContourMapWindow& map = *window.contourMapWindow();
    QVERIFY(QTest::qWaitForWindowActive(&map));
    const isolines::ContourMap expected =
        isolines::computeContourMap(isolines::contourRunInput(window.settings()));
    const QImage shown = imageOf(map.picture());
    QVERIFY(QFile::remove(copy));

    // Ctrl+S and the item of the map menu, above "Έξοδος"; the map itself keeps the mouse
    // for its readout and has no context menu.
    QCOMPARE(pt::contextMenuOf(map.picture()), QStringList{});
    QVERIFY(map.picture().actions().isEmpty());
    const QList<QAction*> mapItems = map.mapMenu().actions();
    QCOMPARE(mapItems.size(), 2);
    QCOMPARE(mapItems[0]->text(), QStringLiteral("Αποθήκευση εικόνας…"));
    QCOMPARE(mapItems[1]->objectName(), QStringLiteral("Map2"));
    const QString svgPath = dir.filePath(QStringLiteral("map.svg"));
    const QString pngPath = dir.filePath(QStringLiteral("map.png"));
    const QString pdfPath = dir.filePath(QStringLiteral("map.pdf"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{svgPath, 1});
    QTest::keyClick(&map, Qt::Key_S, Qt::ControlModifier);
    dialogs.answerSaveFile(suite::SaveFileAnswer{pngPath, 0});
    mapItems[0]->trigger();
    dialogs.answerSaveFile(suite::SaveFileAnswer{pdfPath, 2});
    mapItems[0]->trigger();
    QCOMPARE(dialogs.messages(), std::vector<QString>{});
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{3});
    QCOMPARE(dialogs.saveFileCalls()[0].suggestedPath,
             dir.filePath(QStringLiteral("maunga-whau-isolines.png")));

    // Over the background, each rectangle is a block of contour pixels, together every set
    // pixel exactly once.
    const pt::SvgDrawing svg = pt::readSvg(pt::fileBytes(svgPath));
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
    QCOMPARE(svg.viewBox, QRectF(QPointF(0, 0), QSizeF(shown.size())));
    QVERIFY(svg.polylines.empty() && svg.texts.empty() && svg.otherShapes == 0);
    QCOMPARE(svg.rects.size(), expected.raster.blocks().size() + 1);
    QCOMPARE(svg.rects[0].rect, QRectF(QPointF(0, 0), QSizeF(shown.size())));
    std::vector<int> covered(static_cast<std::size_t>(shown.width() * shown.height()), 0);
    for (std::size_t i = 1; i < svg.rects.size(); ++i) {
      const QRect r = svg.rects[i].rect.toRect();
      QCOMPARE(svg.rects[i].fill, QColor(250, 120, 0));
      QCOMPARE(svg.rects[i].rect, QRectF(r));  // whole pixels
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) ++covered[y * shown.width() + x];
    }
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (covered[y * shown.width() + x] != (expected.raster.isSet(x, y) ? 1 : 0))
          QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
    // Drawn at its own size, the SVG is the screen's map pixel for pixel.
    QImage rendered(shown.size(), QImage::Format_RGB32);
    {
      QPainter painter(&rendered);
      QSvgRenderer(svgPath).render(&painter);
    }
    QCOMPARE(rendered, shown);

    QImage png;
    QVERIFY(png.loadFromData(pt::fileBytes(pngPath), "PNG"));
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32), shown);
    const std::optional<pt::PdfFacts> facts = pt::pdfFacts(pdfPath);
    QVERIFY2(facts.has_value(), "pdfinfo (poppler-utils) takes the file for a PDF");
    QCOMPARE(facts->pages, 1);
    QVERIFY(pt::pageFitsPicture(facts->pagePoints, shown.size()));
    QCOMPARE(imageOf(map.picture()), shown);
  }

  void aFailedSaveOfTheMapSaysWhyAndLeavesTheFileInItsWay() {
    QTemporaryDir dir;
    const QString earlier = writeFile(dir, "earlier.png", "earlier\r\n");
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    ContourMapWindow& map = drawSample(window, dialogs);
    dialogs.answerSaveFile(suite::SaveFileAnswer{earlier + QStringLiteral("/map.png"), 0});
    map.pictureSaving().action().trigger();
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QVERIFY2(dialogs.messages()[0].startsWith(QStringLiteral("Δεν ήταν δυνατή η εγγραφή του "
                                                             "αρχείου «") +
                                              earlier + QStringLiteral("/map.png»")),
             qPrintable(dialogs.messages()[0]));
    QCOMPARE(pt::fileBytes(earlier), QByteArray("earlier\r\n"));
    QCOMPARE(dialogs.waitCursorAtMessage, std::vector<bool>{false});
  }

  void mapExitHidesTheWindowAndRestoresThePointerUntilTheNextDrawing() {
    CursorNotingDialogs dialogs;
    MainWindow window(dialogs);
    ContourMapWindow* map = &drawSample(window, dialogs);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    trigger(*map, "Map2");
    QVERIFY(!map->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    trigger(window, "Mp1");
    QCOMPARE(window.contourMapWindow(), map);
    QVERIFY(map->isVisible());
    QVERIFY(pixelsOf(imageOf(map->picture()), kOrange) > 0);
  }

  void exitEndsTheProgramWithEveryWindow() {
    CursorNotingDialogs dialogs;
    auto* window = new MainWindow(dialogs);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QPointer<ContourMapWindow> map(&drawSample(*window, dialogs));
    QPointer<MainWindow> alive(window);
    QVERIFY(map->isVisible());
    trigger(*window, "ff4");
    QTRY_VERIFY(alive.isNull());
    QVERIFY(map.isNull());
  }
};

int main(int argc, char** argv) {
  // As the program runs: with the Greek default locale, which must leave its numbers alone.
  return suite::test::runQtTests(argc, argv, {[](int c, char** v) {
                                   IsolinesMainWindowTest test;
                                   return QTest::qExec(&test, c, v);
                                 }},
                                 QStringLiteral("isolines"));
}

#include "main_window_test.moc"
