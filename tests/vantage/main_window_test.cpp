#include "vantage/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "gui/scripted_dialogs.h"
#include "gui/twips.h"
#include "tests/gui/qt_test_main.h"
#include "tests/gui/saved_picture.h"
#include "tests/gui/window_testing.h"
#include "vantage/centre_texts.h"
#include "vantage/perspective_view.h"
#include "vantage/perspective_window.h"

using vantage::MainWindow;
using vantage::PerspectiveWindow;
namespace pt = suite::picture_testing;

using suite::test::pixelsOf;

namespace {

const QString kSample = QStringLiteral(SUITE_SAMPLES "/maunga-whau.dtm");

QAction* item(QWidget& window, const char* name) {
  return window.findChild<QAction*>(QString::fromLatin1(name));
}

QStringList menuCaptions(QMenuBar* bar) {
  QStringList captions;
  for (QAction* menu : bar->actions()) {
    QStringList entries;
    for (QAction* entry : menu->menu()->actions()) entries << entry->text();
    captions << menu->text() + QStringLiteral(": ") + entries.join(QStringLiteral(", "));
  }
  return captions;
}

QString writeFile(const QTemporaryDir& dir, const char* name, const std::string& text) {
  const QString path = dir.filePath(QString::fromUtf8(name));
  std::ofstream(path.toStdString(), std::ios::binary) << text;
  return path;
}

/// Notes whether a wait cursor is up whenever the perspective window is shown, which happens
/// inside a drawing.
class ShowWatcher : public QObject {
 public:
  ShowWatcher() { qApp->installEventFilter(this); }
  ~ShowWatcher() override { qApp->removeEventFilter(this); }
  std::vector<bool> waitCursorAtShow;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Form2")) {
      const QCursor* cursor = QApplication::overrideCursor();
      waitCursorAtShow.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
    }
    return false;
  }
};

/// The main window with the sample chosen and drawn once.
std::unique_ptr<MainWindow> drawnSample(suite::ScriptedDialogs& dialogs) {
  auto window = std::make_unique<MainWindow>(dialogs);
  dialogs.answerOpenFile(kSample);
  item(*window, "ff1")->trigger();
  item(*window, "Mp1")->trigger();
  return window;
}

}  // namespace

class VantageWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theMainWindowIsDesignedAsTheShellWithVantagesOwnTexts() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.windowTitle(), QStringLiteral("Προοπτικό απο DTM"));
    QCOMPARE(window.clientArea()->size(), QSize(422, 242));  // 6330 x 3630 twips
    QCOMPARE(menuCaptions(window.menuBar()),
             (QStringList{QStringLiteral("Αρχείο: Άνοιγμα aρχείου DTM Grid, Έξοδος"),
                          QStringLiteral("Σχεδίασε προοπτικό: Σχεδίασε"),
                          QStringLiteral("Πληροφορίες/άδεια/περιορισμοί: "
                                         "Πληροφορίες/άδεια/περιορισμοί")}));
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("Frame1"))->geometry(),
             QRect(8, 48, 393, 153));
    auto* height = window.findChild<QPushButton*>(QStringLiteral("Command3"));
    QCOMPARE(height->text(),
             QStringLiteral("Ύψος Προβολικού κέντρου πάνω απο το υψηλότερο σημείο εδάφους"));
    QCOMPARE(height->geometry(), QRect(16, 56, 281, 41));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("100"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label2"))->geometry(),
             QRect(296, 64, 81, 25));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label7"))->text(),
             QStringLiteral("Ομοιόμορφη κλίμακα"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label1"))->geometry(),
             QRect(120, 104, 257, 25));

    dialogs.answerInput(QStringLiteral("250"));
    QTest::mouseClick(height, Qt::LeftButton);
    QCOMPARE(dialogs.inputCalls().back().prompt, QStringLiteral("Βάλε ΔΖ"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral(" 250"));

    item(window, "Mp1")->trigger();
    QCOMPARE(dialogs.messages().back(),
             QStringLiteral(" Βάλε πρώτα το αρχείο Ψηφιακού Μοντέλου Εδάφους"));
    QVERIFY(window.perspectiveWindow() == nullptr);
  }

  void aDrawingCoversTheScreenWithThePerspectiveAndItsPanelUnderAWaitCursor() {
    suite::ScriptedDialogs dialogs;
    ShowWatcher watcher;
    const std::unique_ptr<MainWindow> window = drawnSample(dialogs);
    QVERIFY(dialogs.messages().empty());
    PerspectiveWindow* form2 = window->perspectiveWindow();
    QVERIFY(form2 != nullptr && form2->isVisible());
    QCOMPARE(watcher.waitCursorAtShow, std::vector<bool>{true});
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(form2->windowTitle(), QStringLiteral("Σχεδίασε προοπτικό"));
    QCOMPARE(menuCaptions(form2->menuBar()),
             (QStringList{QStringLiteral("Χάρτης: Αποθήκευση εικόνας…, Έξοδος"),
                          QStringLiteral("Προβολικό κέντρο: Βάλε παραμέτρους"),
                          QStringLiteral("Σχεδίασε: Σχεδίασε προοπτικό")}));

    // Picture1 and Picture2 stand as the layout places them, below the menu bar.
    const vantage::VantageState& state = window->state();
    QVERIFY(state.viewSetUp && state.lastDrawing);
    const suite::TwipsRect p1 = state.layout.picture;
    const suite::TwipsRect p2 = state.layout.panel;
    QCOMPARE(form2->picture().geometry(), suite::pictureRectFromTwips(p1));
    QCOMPARE(form2->panel().geometry(), suite::pictureRectFromTwips(p2));
    QCOMPARE(form2->picture().parentWidget(), form2->clientArea());

    // What the window shows is the drawing the core made, painted once.
    suite::PictureBox picture;
    suite::PictureBox panel;
    picture.resize(form2->picture().size());
    panel.resize(form2->panel().size());
    panel.setFont(form2->panel().font());
    vantage::paintPerspective(*state.lastDrawing, picture, panel);
    QCOMPARE(form2->picture().image(), picture.image());
    QCOMPARE(form2->panel().image(), panel.image());
    QVERIFY(pixelsOf(picture.image(), qRgb(0, 0, 0)) > 10000);
    QCOMPARE(state.lastDrawing->panelLines.at(0), std::string("Προβολικό Κέντρο"));
  }

  void everyDrawingReadsTheScreenAndTheFrameReachesThePicturesLastPixels() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    suite::TwipsSize screen{28800, 16200};  // 1920 × 1080 pixels
    window.setScreenSizeSource([&screen] { return screen; });
    // A scale for each axis: the wire frame fills the picture both ways, its outermost nodes
    // clamped to the picture's width and height.
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    dialogs.answerOpenFile(kSample);
    item(window, "ff1")->trigger();

    const auto drawnEdges = [&window] {
      const QImage image = window.perspectiveWindow()->picture().image();
      const QRgb ink = window.perspectiveWindow()->picture().foregroundColour().rgb();
      int lastColumn = 0, lastRow = 0;
      for (int y = 0; y < image.height(); ++y)
        lastColumn += image.pixel(image.width() - 1, y) == ink ? 1 : 0;
      for (int x = 0; x < image.width(); ++x)
        lastRow += image.pixel(x, image.height() - 1) == ink ? 1 : 0;
      return lastColumn > 0 && lastRow > 0;
    };
    item(window, "Mp1")->trigger();
    PerspectiveWindow& form2 = *window.perspectiveWindow();
    // PW = 19182 and PH = 12442 twips, 1278.8 × 829.5 pixels: nodes at PW and PH land on the
    // pixels 1279 and 829, which the picture holds.
    QCOMPARE(window.state().layout.pictureWidth, 19182);
    QCOMPARE(form2.picture().size(), QSize(1280, 830));
    QVERIFY(drawnEdges());

    // A projector plugged in between two drawings: Form2's own command lays out over it.
    screen = {19200, 15360};  // 1280 × 1024
    item(form2, "Sxd1")->trigger();
    QCOMPARE(window.state().layout.screenWidth, 19200);
    QCOMPARE(window.state().layout.screenHeight, 15360);
    QCOMPARE(form2.frameGeometry().size(), QSize(1280, 1024));
    QCOMPARE(form2.picture().geometry(),
             suite::pictureRectFromTwips(window.state().layout.picture));
    QVERIFY(drawnEdges());
    // And the main window's "Σχεδίασε" over the next one.
    screen = {15360, 11520};  // 1024 × 768
    item(window, "Mp1")->trigger();
    QCOMPARE(form2.frameGeometry().size(), QSize(1024, 768));
    QCOMPARE(window.state().layout.screenWidth, 15360);
    QVERIFY(drawnEdges());
    QVERIFY(dialogs.messages().empty());
  }

  void theCentreIsPickedOnThePlanMapAndTheNextDrawingLooksFromIt() {
    suite::ScriptedDialogs dialogs;
    const std::unique_ptr<MainWindow> window = drawnSample(dialogs);
    PerspectiveWindow& form2 = *window->perspectiveWindow();
    const QImage firstDrawing = form2.picture().image();

    // A click before the map is explained and changes nothing.
    QTest::mouseClick(&form2.panel(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QCOMPARE(window->state().centre.azimuthDegrees, 0.0f);

    const QImage beforeMap = form2.panel().image();
    item(form2, "Pk1")->trigger();
    QVERIFY(window->state().map.set);
    QVERIFY(form2.panel().image() != beforeMap);  // the square, on the panel as it was
    const int d = static_cast<int>(std::lround(window->state().map.squareOffset / 15));
    QCOMPARE(form2.panel().image().pixel(d + 1, d), qRgb(0, 0, 0));

    // Any button: a right click straight south of the model looks north.
    const int middle = static_cast<int>(
        std::lround((window->state().map.squareOffset + window->state().map.squareSide / 2) / 15));
    QTest::mouseClick(&form2.panel(), Qt::RightButton, {},
                      QPoint(middle, form2.panel().height() - 2));
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    const vantage::ProjectionCentre picked = window->state().centre;
    QVERIFY(std::abs(picked.azimuthDegrees) < 1.0f || std::abs(picked.azimuthDegrees - 360) < 1.0f);
    QVERIFY(picked.depressionDegrees < 45);
    QCOMPARE(form2.readout().text().toStdString(), vantage::centreReadout(picked));
    QVERIFY(form2.readout().text().startsWith(QStringLiteral("    Xo =  ")));
    QCOMPARE(form2.picture().image(), firstDrawing);  // a click does not redraw

    item(form2, "Sxd1")->trigger();
    QVERIFY(form2.picture().image() != firstDrawing);
    QCOMPARE(window->state().centre.x, picked.x);
    QCOMPARE(window->state().centre.azimuthDegrees, picked.azimuthDegrees);
    QCOMPARE(form2.readout().text().toStdString(), vantage::centreReadout(picked));
  }

  void thePerspectiveIsSavedWithoutThePanelFromTheLastDrawingEvenWhenItsFileIsGone() {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("maunga-whau.dtm"));
    QVERIFY(QFile::copy(kSample, copy));
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.answerOpenFile(copy);
    item(window, "ff1")->trigger();
    item(window, "Mp1")->trigger();
    PerspectiveWindow& form2 = *window.perspectiveWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form2));
    const QImage shown = form2.picture().image();
    suite::RecordingCanvas expected(form2.picture().widthTwips(), form2.picture().heightTwips());
    vantage::paintPerspectivePicture(*window.state().lastDrawing, expected);
    // Saving reads nothing: not even the file the drawing came from.
    QVERIFY(QFile::remove(copy));

    // Ctrl+S, the item of the map menu above "Έξοδος", and Picture1's context menu.
    const QString svgPath = dir.filePath(QStringLiteral("view.svg"));
    const QString pngPath = dir.filePath(QStringLiteral("view.png"));
    const QString pdfPath = dir.filePath(QStringLiteral("view.pdf"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{svgPath, 1});
    QTest::keyClick(&form2, Qt::Key_S, Qt::ControlModifier);
    const QList<QAction*> mapItems = form2.mapMenu().actions();
    QCOMPARE(mapItems.size(), 2);
    QCOMPARE(mapItems[0]->objectName(), QStringLiteral("SavePicture"));
    QCOMPARE(mapItems[1]->objectName(), QStringLiteral("Map2"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{pngPath, 0});
    mapItems[0]->trigger();
    dialogs.answerSaveFile(suite::SaveFileAnswer{pdfPath, 2});
    QCOMPARE(pt::contextMenuOf(form2.picture(), 0),
             QStringList{QStringLiteral("Αποθήκευση εικόνας…")});
    QCOMPARE(dialogs.messages(), std::vector<QString>{});
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{3});
    QCOMPARE(dialogs.saveFileCalls()[0].suggestedPath,
             dir.filePath(QStringLiteral("maunga-whau-vantage.png")));

    // The wire frame as drawn, one polyline a grid row or column, and no panel text.
    const pt::SvgDrawing svg = pt::readSvg(pt::fileBytes(svgPath));
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
    QCOMPARE(svg.viewBox, QRectF(QPointF(0, 0), QSizeF(shown.size())));
    QCOMPARE(pt::segmentDifference(svg.segments(), pt::recordedSegments(expected)), QString());
    const vantage::PerspectiveDrawing& drawing = *window.state().lastDrawing;
    QCOMPARE(svg.polylines.size(), static_cast<std::size_t>(drawing.rows + drawing.columns));
    QCOMPARE(svg.polylines.front().stroke, form2.picture().foregroundColour());
    QCOMPARE(svg.polylines.front().strokeWidth, 1.0);
    QVERIFY(svg.texts.empty());
    QImage png;
    QVERIFY(png.loadFromData(pt::fileBytes(pngPath), "PNG"));
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32), shown);
    const std::optional<pt::PdfFacts> facts = pt::pdfFacts(pdfPath);
    QVERIFY2(facts.has_value(), "pdfinfo (poppler-utils) takes the file for a PDF");
    QCOMPARE(facts->pages, 1);
    QVERIFY(pt::pageFitsPicture(facts->pagePoints, shown.size()));
    QCOMPARE(form2.picture().image(), shown);
  }

  void thePanelKeepsItsClickAndHasNoContextMenu() {
    suite::ScriptedDialogs dialogs;
    const std::unique_ptr<MainWindow> window = drawnSample(dialogs);
    PerspectiveWindow& form2 = *window->perspectiveWindow();
    item(form2, "Pk1")->trigger();
    QCOMPARE(pt::contextMenuOf(form2.panel()), QStringList{});
    QVERIFY(form2.panel().actions().isEmpty());
    // A right click on the panel still picks the centre.
    const vantage::ProjectionCentre before = window->state().centre;
    QTest::mouseClick(&form2.panel(), Qt::RightButton, {}, QPoint(3, 3));
    QVERIFY(window->state().centre.x != before.x);
    QVERIFY(dialogs.messages().empty());
  }

  void aFailedDrawingKeepsThePreviousOneAndTheModelFrame() {
    QTemporaryDir dir;
    const QString shortFile = writeFile(dir, "short.dtm", "3,3,0,0,10,10\n1,2,3\n4,5\n");
    suite::ScriptedDialogs dialogs;
    const std::unique_ptr<MainWindow> window = drawnSample(dialogs);
    PerspectiveWindow& form2 = *window->perspectiveWindow();
    const QImage drawn = form2.picture().image();
    const vantage::ModelFrame frame = window->state().frame;

    dialogs.answerOpenFile(shortFile);
    item(*window, "ff1")->trigger();
    item(*window, "Mp1")->trigger();
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QVERIFY(dialogs.messages().back().contains(QStringLiteral("short.dtm")));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(form2.isVisible());
    QCOMPARE(form2.picture().image(), drawn);
    QCOMPARE(window->state().frame.xEast, frame.xEast);
    QCOMPARE(window->state().frame.heightMax, frame.heightMax);

    // Map2 hides the window and puts the pointer back; the next drawing shows it again.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    item(form2, "Map2")->trigger();
    QVERIFY(!form2.isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    dialogs.answerOpenFile(kSample);
    item(*window, "ff1")->trigger();
    item(*window, "Mp1")->trigger();
    QVERIFY(form2.isVisible());
    QCOMPARE(form2.picture().image(), drawn);
  }

  void aFirstDrawingThatFailsLeavesNoWindowOnShow() {
    QTemporaryDir dir;
    const QString oneNode = writeFile(dir, "node.dtm", "1,1,0,0,10,10\n5\n");
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.answerOpenFile(oneNode);
    item(window, "ff1")->trigger();
    item(window, "Mp1")->trigger();
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QVERIFY(window.perspectiveWindow() != nullptr);
    QVERIFY(!window.perspectiveWindow()->isVisible());
    QVERIFY(!window.state().viewSetUp);
  }
};

int main(int argc, char** argv) {
  // As the program runs: with the Greek default locale, which must leave its numbers alone.
  return suite::test::runQtTests(argc, argv, {[](int c, char** v) {
                                   VantageWindowTest test;
                                   return QTest::qExec(&test, c, v);
                                 }},
                                 QStringLiteral("vantage"));
}

#include "main_window_test.moc"
