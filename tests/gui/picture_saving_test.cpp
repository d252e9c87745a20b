#include "gui/picture_saving.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "canvas/recording_canvas.h"
#include "gui/drawing_window.h"
#include "gui/picture_box.h"
#include "gui/scripted_dialogs.h"
#include "tests/gui/saved_picture.h"
#include "tests/gui/window_testing.h"

using suite::Canvas;
using suite::PictureSaving;
using suite::Rgb;
using suite::SaveFileAnswer;
using suite::test::shown;
namespace pt = suite::picture_testing;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kOrange{250, 120, 0};
const QString kSaveFailed = QStringLiteral("Δεν ήταν δυνατή η εγγραφή του αρχείου «");

/// A drawing with something of everything: wide lines in two colours, one of them following
/// the other from where it ended, a thin polyline in the foreground colour, two printed lines
/// of Latin and Greek, and a block of points.
void sampleDrawing(Canvas& canvas) {
  canvas.clear();
  canvas.setLineWidth(4);
  canvas.setPoint(150, 300, kRed);
  canvas.lineTo(1500, 300, kRed);
  canvas.lineTo(1500.5, 1234.25, kRed);
  canvas.lineTo(3000, 1500, kGreen);
  canvas.setLineWidth(1);
  const suite::TwipsPoint thin[] = {{300, 3600}, {1200, 4200}, {600, 900.75}};
  canvas.polyline(thin, 3);
  canvas.printLine("A/Φ: 111, 152 ,");
  canvas.printLine("Α/Φ: 222");
  canvas.setPointBlock(300, 3000, 3, 2, kOrange);
}

/// A drawing window with one 400 × 300 picture showing `sampleDrawing`, and its saving.
struct SavingWindow {
  explicit SavingWindow(suite::Dialogs& dialogs)
      : window(QStringLiteral("Form3"), QStringLiteral("Σχέδιο")) {
    picture = window.addPicture(QStringLiteral("Picture1"), QStringLiteral("Δοκιμαστικό σχέδιο"));
    suite::DrawingWindow::placeInClientArea(*picture, {0, 0, 6000, 4500});
    saving = new PictureSaving(window, *picture, dialogs, QStringLiteral("δοκιμή"));
    sampleDrawing(*picture);
  }
  suite::DrawingWindow window;
  suite::PictureBox* picture = nullptr;
  PictureSaving* saving = nullptr;
};

/// Chooses "Αποθήκευση εικόνας…" with the dialog answering `path` and filter `filterIndex`.
void saveAs(suite::ScriptedDialogs& dialogs, PictureSaving& saving, const QString& path,
            int filterIndex) {
  dialogs.answerSaveFile(SaveFileAnswer{path, filterIndex});
  saving.action().trigger();
}

}  // namespace

class PictureSavingTest : public QObject {
  Q_OBJECT

 private slots:
  void anSvgIsTheDrawingItselfLinesTextsAndBlocksAtThePicturesSize() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    SavingWindow w(dialogs);
    w.saving->setDrawing("/data/δοκιμή.dtm", sampleDrawing);
    const QString path = folder.filePath(QStringLiteral("σχέδιο.svg"));
    saveAs(dialogs, *w.saving, path, 1);
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));

    const pt::SvgDrawing svg = pt::readSvg(pt::fileBytes(path));
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
    QCOMPARE(svg.viewBox, QRectF(0, 0, 400, 300));
    QCOMPARE(svg.width, QStringLiteral("105.833mm"));  // 400 pixels at 96 to the inch
    QCOMPARE(svg.height, QStringLiteral("79.375mm"));
    QCOMPARE(svg.title, QStringLiteral("Δοκιμαστικό σχέδιο"));

    // Each line is a polyline through the drawing's own positions, in its pen.
    const QFontMetrics metrics(w.picture->font(), &w.picture->image());
    suite::RecordingCanvas recorded(6000, 4500, metrics.lineSpacing() * 15);
    sampleDrawing(recorded);
    QCOMPARE(pt::segmentDifference(svg.segments(), pt::recordedSegments(recorded)), QString());
    QCOMPARE(svg.polylines.size(), std::size_t{3});
    QCOMPARE(svg.polylines[0].points.size(), std::size_t{3});
    QCOMPARE(svg.polylines[0].stroke, QColor(255, 0, 0));
    QCOMPARE(svg.polylines[0].strokeWidth, 4.0);
    QCOMPARE(svg.polylines[1].stroke, QColor(0, 255, 0));
    QCOMPARE(svg.polylines[2].stroke, w.picture->foregroundColour());
    QCOMPARE(svg.polylines[2].strokeWidth, 1.0);
    QCOMPARE(svg.otherShapes, 0);

    // The printed lines are text, where the picture box prints them; the block is one
    // rectangle of whole pixels over the background.
    QCOMPARE(svg.textLines(), pt::recordedLines(recorded));
    // The first line starts where the polyline ended, the next at the left edge below it.
    QVERIFY(pt::sameCoordinate(svg.texts.front().at.x(), 40));
    QVERIFY(pt::sameCoordinate(svg.texts.front().at.y(), 900.75 / 15 + metrics.ascent()));
    QVERIFY(pt::sameCoordinate(svg.texts.back().at.y(),
                               900.75 / 15 + metrics.lineSpacing() + metrics.ascent()));
    QCOMPARE(svg.texts.back().at.x(), 0.0);
    QCOMPARE(svg.rects.size(), std::size_t{2});
    QCOMPARE(svg.rects[0].rect, QRectF(0, 0, 400, 300));
    QCOMPARE(svg.rects[0].fill, w.picture->backgroundColour());
    QCOMPARE(svg.rects[1].rect, QRectF(20, 200, 3, 2));
    QCOMPARE(svg.rects[1].fill, QColor(250, 120, 0));
  }

  void aPngIsThePictureAsDrawnAndAPdfOnePageOfItsSizeWithItsText() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    SavingWindow w(dialogs);
    w.saving->setDrawing("/data/δοκιμή.dtm", sampleDrawing);
    const QString png = folder.filePath(QStringLiteral("σχέδιο.png"));
    const QString pdf = folder.filePath(QStringLiteral("σχέδιο.pdf"));
    saveAs(dialogs, *w.saving, png, 0);
    saveAs(dialogs, *w.saving, pdf, 2);
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));

    QImage saved;
    QVERIFY(saved.loadFromData(pt::fileBytes(png), "PNG"));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), w.picture->image());

    const std::optional<pt::PdfFacts> facts = pt::pdfFacts(pdf);
    QVERIFY2(facts.has_value(), "pdfinfo (poppler-utils) takes the file for a PDF");
    QCOMPARE(facts->pages, 1);
    QCOMPARE(facts->pagePoints, QSizeF(300, 225));  // 400 × 300 pixels, 3/4 point each
    const QStringList text = pt::pdfTextLines(pdf);
    QVERIFY2(text.contains(QStringLiteral("A/Φ: 111, 152 ,")), qPrintable(text.join('|')));
    QVERIFY2(text.contains(QStringLiteral("Α/Φ: 222")), qPrintable(text.join('|')));
  }

  void theFormatFollowsTheNameAndANameWithoutOneTakesTheChosenFilters() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    SavingWindow w(dialogs);
    const QString input = folder.filePath(QStringLiteral("maunga-whau.dtm"));
    w.saving->setDrawing(input.toStdString(), sampleDrawing);
    // First offered in the input's folder, as a PNG named after the input and the program.
    QCOMPARE(w.saving->proposedPath(), folder.filePath(QStringLiteral("maunga-whau-δοκιμή.png")));

    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("out")));
    const QDir out(folder.filePath(QStringLiteral("out")));
    saveAs(dialogs, *w.saving, out.filePath(QStringLiteral("a")), 2);
    saveAs(dialogs, *w.saving, out.filePath(QStringLiteral("b.SVG")), 0);
    saveAs(dialogs, *w.saving, out.filePath(QStringLiteral("c.v2")), 1);
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QCOMPARE(out.entryList(QDir::Files), (QStringList{"a.pdf", "b.SVG", "c.v2.svg"}));
    QVERIFY(pt::fileBytes(out.filePath(QStringLiteral("a.pdf"))).startsWith("%PDF-"));
    QVERIFY(pt::readSvg(pt::fileBytes(out.filePath(QStringLiteral("b.SVG")))).error.isEmpty());

    // Every dialog was the suite's save dialog; the next one opens where the last save went,
    // in its format.
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{3});
    QCOMPARE(dialogs.saveFileCalls()[0].title, QStringLiteral("Αποθήκευση εικόνας"));
    QCOMPARE(dialogs.saveFileCalls()[0].suiteFilter,
             QStringLiteral("Εικόνα PNG|*.png|Σχέδιο SVG|*.svg|Έγγραφο PDF|*.pdf"));
    QCOMPARE(dialogs.saveFileCalls()[1].suggestedPath,
             out.filePath(QStringLiteral("maunga-whau-δοκιμή.pdf")));
    QCOMPARE(w.saving->proposedPath(), out.filePath(QStringLiteral("maunga-whau-δοκιμή.svg")));

    // A cancelled dialog writes nothing and says nothing.
    dialogs.answerSaveFile(std::nullopt);
    w.saving->action().trigger();
    QCOMPARE(out.entryList(QDir::Files).size(), 3);
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
  }

  void aMissingFolderIsNotOfferedAndNothingIsSavedBeforeADrawing() {
    suite::ScriptedDialogs dialogs;
    SavingWindow w(dialogs);
    w.saving->setDrawing("/no such folder/grid.dtm", sampleDrawing);
    QCOMPARE(w.saving->proposedPath(), QDir::home().filePath(QStringLiteral("grid-δοκιμή.png")));

    w.saving->forgetDrawing();
    w.saving->action().trigger();
    QVERIFY(dialogs.saveFileCalls().empty());
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QVERIFY(dialogs.messages()[0].startsWith(QStringLiteral("Δεν υπάρχει ακόμη σχέδιο")));
  }

  void aFailedSaveSaysWhyInGreekAndLeavesTheFileInItsWayAsItWas() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    SavingWindow w(dialogs);
    w.saving->setDrawing("/data/δοκιμή.dtm", sampleDrawing);
    const QString existing = folder.filePath(QStringLiteral("earlier.png"));
    {
      QFile file(existing);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("earlier bytes\r\n");
    }
    const QString underAFile = existing + QStringLiteral("/picture.svg");
    const QString inProc = QStringLiteral("/proc/picture.pdf");
    const QString aFolder = folder.filePath(QStringLiteral("taken.png"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.png")));  // never replaced by a file
    saveAs(dialogs, *w.saving, underAFile, 1);
    saveAs(dialogs, *w.saving, inProc, 2);
    saveAs(dialogs, *w.saving, aFolder, 0);
    QCOMPARE(dialogs.messages().size(), std::size_t{3});
    QVERIFY2(dialogs.messages()[0].startsWith(kSaveFailed + underAFile + QStringLiteral("»")),
             qPrintable(dialogs.messages()[0]));
    QVERIFY2(dialogs.messages()[1].startsWith(kSaveFailed + inProc + QStringLiteral("»")),
             qPrintable(dialogs.messages()[1]));
    QVERIFY2(dialogs.messages()[2].startsWith(kSaveFailed + aFolder + QStringLiteral("»")),
             qPrintable(dialogs.messages()[2]));
    QCOMPARE(pt::fileBytes(existing), QByteArray("earlier bytes\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"earlier.png"});
    // The next dialog still opens where the failed saves were not made.
    QCOMPARE(dialogs.saveFileCalls().back().suggestedPath, w.saving->proposedPath());
    QVERIFY(!w.saving->proposedPath().startsWith(QStringLiteral("/proc")));
  }

  void theCommandIsCtrlSInTheWindowAndTheContextMenuOfAPictureThatOffersIt() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    SavingWindow w(dialogs);
    w.saving->setDrawing("/data/δοκιμή.dtm", sampleDrawing);
    QCOMPARE(w.saving->action().text(), QStringLiteral("Αποθήκευση εικόνας…"));
    QCOMPARE(w.saving->action().shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QVERIFY(w.window.actions().contains(&w.saving->action()));

    // Without offerOnPicture the picture has no menu of its own.
    QCOMPARE(pt::contextMenuOf(*w.picture), QStringList{});
    w.saving->offerOnPicture();
    QCOMPARE(pt::contextMenuOf(*w.picture), QStringList{QStringLiteral("Αποθήκευση εικόνας…")});
    QVERIFY(dialogs.saveFileCalls().empty());
    dialogs.answerSaveFile(SaveFileAnswer{folder.filePath(QStringLiteral("menu.png")), 0});
    pt::contextMenuOf(*w.picture, 0);
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{1});
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("menu.png"))));

    w.window.show();
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    dialogs.answerSaveFile(SaveFileAnswer{folder.filePath(QStringLiteral("keys.png")), 0});
    QTest::keyClick(w.picture, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{2});
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("keys.png"))));
  }
};

int runPictureSavingTests(int argc, char** argv) {
  PictureSavingTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "picture_saving_test.moc"
