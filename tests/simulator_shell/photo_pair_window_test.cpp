#include "simulator_shell/photo_pair_window.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "gui/scripted_dialogs.h"
#include "tests/gui/saved_picture.h"
#include "tests/gui/window_testing.h"
#include "text/user_error.h"

using suite::PhotoPairInput;
using suite::PhotoPairStyle;
using suite::PhotoPairWindow;
namespace pt = suite::picture_testing;

using suite::test::pixelsOf;

namespace {

constexpr int kScreenWidthTwips = 12000;  // 800 x 600 pixels
constexpr int kScreenHeightTwips = 9000;
const std::string kInput = "/data/square.dtm";

/// A 2 × 2 mesh: a square of `sideMm` on both photographs.
PhotoPairInput square(double sideMm) {
  PhotoPairInput input;
  input.rows = 2;
  input.columns = 2;
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      suite::StereoImagePoint point;
      point.left = {j * sideMm, -i * sideMm};
      point.right = {j * sideMm, -i * sideMm};
      input.points.push_back(point);
      input.extremes.include(point);
    }
  }
  input.focalMm = 152;
  return input;
}

/// A 3 × 4 mesh, skewed differently on the two photographs, with orientations to print.
PhotoPairInput skewedMesh() {
  PhotoPairInput input;
  input.rows = 3;
  input.columns = 4;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 4; ++j) {
      suite::StereoImagePoint point;
      point.left = {j * 31.25 + i * 3.5, -i * 27.125};
      point.right = {j * 29.5 - i * 2.75, -i * 28.0625 + j};
      input.points.push_back(point);
      input.extremes.include(point);
    }
  }
  input.focalMm = 152;
  input.left = {632900, 4130500, 1520.5, 0.5, -1.25, 2};
  input.right = {633900, 4130500, 1519.25, -0.75, 1, 0};
  return input;
}

}  // namespace

class PhotoPairWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void isDesignedWithItsReturnButtonAndAPictureInHighlightTextColour() {
    suite::ScriptedDialogs dialogs;
    PhotoPairWindow window(dialogs, QStringLiteral("flightsim"));
    QCOMPARE(window.objectName(), QStringLiteral("Form3"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Σχεδίασε στέρεο Α/Φ"));
    QVERIFY(window.isWindow());
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), QStringLiteral("Επιστροφή"));
    QCOMPARE(button->geometry(), QRect(8, 0, 177, 17));  // 120, 0, 2652 x 252 twips
    QCOMPARE(window.picture().objectName(), QStringLiteral("Picture1"));
    QVERIFY(!window.picture().accessibleName().isEmpty());
    QCOMPARE(window.picture().backgroundColour(),
             window.palette().color(QPalette::HighlightedText));
  }

  void drawingCoversTheScreenShowsTheWindowAndReplacesTheEarlierPair() {
    suite::ScriptedDialogs dialogs;
    PhotoPairWindow window(dialogs, QStringLiteral("flightsim"));
    window.draw(kScreenWidthTwips, kScreenHeightTwips, square(100), PhotoPairStyle::flightsim(),
                kInput);
    QVERIFY(window.isVisible());
    QCOMPARE(window.frameGeometry(), QRect(0, 0, 800, 600));
    // From (250, 250), 1000 twips narrower and 1200 twips lower than the screen.
    QCOMPARE(window.picture().geometry(), QRect(17, 17, 733, 520));
    const QImage first = window.picture().image();
    QVERIFY(pixelsOf(first, qRgb(255, 0, 0)) > 100);
    QVERIFY(pixelsOf(first, qRgb(0, 255, 0)) > 100);

    // Hidden by its button, shown again by the next drawing with only that drawing in it.
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    const suite::PhotoPairGeometry geometry =
        window.draw(kScreenWidthTwips + 1500, kScreenHeightTwips, square(100),
                    PhotoPairStyle::pairsim(), kInput);
    QVERIFY(window.isVisible());
    QCOMPARE(window.frameGeometry(), QRect(0, 0, 900, 600));
    QCOMPARE(geometry.halfWidth, (15.0 * 833) / 2 - 300);
    const QImage second = window.picture().image();
    // No margin now: the left mesh spans its whole band, wider than the first one.
    QVERIFY(pixelsOf(second, qRgb(255, 0, 0)) > pixelsOf(first, qRgb(255, 0, 0)));

    // Esc returns too, the pair kept for the next showing.
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window.picture(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.picture().image(), second);
  }

  void aPairThatCannotBeDrawnLeavesNoEarlierPairOnShow() {
    suite::ScriptedDialogs dialogs;
    PhotoPairWindow window(dialogs, QStringLiteral("flightsim"));
    window.draw(kScreenWidthTwips, kScreenHeightTwips, square(100), PhotoPairStyle::flightsim(),
                kInput);
    QVERIFY_THROWS_EXCEPTION(suite::UserError,
                             window.draw(kScreenWidthTwips, kScreenHeightTwips, square(0),
                                         PhotoPairStyle::pairsim(), kInput));
    QVERIFY(!window.isVisible());
    const QImage image = window.picture().image();
    QCOMPARE(pixelsOf(image, window.picture().backgroundColour().rgb()),
             image.width() * image.height());
    // Nor is the earlier pair saved: saving says there is nothing to save.
    window.pictureSaving().action().trigger();
    QVERIFY(dialogs.saveFileCalls().empty());
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
  }

  void thePairOnShowIsSavedFromItsOwnInputInEveryFormat() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    PhotoPairWindow window(dialogs, QStringLiteral("flightsim"));
    const PhotoPairInput input = skewedMesh();
    window.draw(kScreenWidthTwips, kScreenHeightTwips, input, PhotoPairStyle::flightsim(),
                "/data/hills-30x30.dtm");
    const QImage shown = window.picture().image();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Ctrl+S, the picture's context menu and the command itself all save.
    const QString png = folder.filePath(QStringLiteral("pair.png"));
    const QString svgPath = folder.filePath(QStringLiteral("pair.svg"));
    const QString pdf = folder.filePath(QStringLiteral("pair.pdf"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{png, 0});
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{1});
    dialogs.answerSaveFile(suite::SaveFileAnswer{svgPath, 1});
    QCOMPARE(pt::contextMenuOf(window.picture(), 0),
             QStringList{QStringLiteral("Αποθήκευση εικόνας…")});
    dialogs.answerSaveFile(suite::SaveFileAnswer{pdf, 2});
    window.pictureSaving().action().trigger();
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{3});
    QVERIFY(dialogs.saveFileCalls()[0].suggestedPath.endsWith(
        QStringLiteral("/hills-30x30-flightsim.png")));

    QImage savedPng;
    QVERIFY(savedPng.loadFromData(pt::fileBytes(png), "PNG"));
    QCOMPARE(savedPng.convertToFormat(QImage::Format_RGB32), shown);

    // The SVG is the pair drawn again from the same input onto a picture of the same size.
    const QFontMetrics metrics(window.picture().font(), &shown);
    suite::RecordingCanvas recorded(window.picture().widthTwips(), window.picture().heightTwips(),
                                    metrics.lineSpacing() * 15);
    suite::drawPhotoPair(recorded, input, PhotoPairStyle::flightsim());
    const pt::SvgDrawing svg = pt::readSvg(pt::fileBytes(svgPath));
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
    QCOMPARE(svg.viewBox, QRectF(QPointF(0, 0), QSizeF(shown.size())));
    QCOMPARE(pt::segmentDifference(svg.segments(), pt::recordedSegments(recorded)), QString());
    // One polyline for each row and each column of each photograph, 4 pixels wide.
    QCOMPARE(svg.polylines.size(), std::size_t{2 * (3 + 4)});
    QCOMPARE(svg.polylines.front().stroke, QColor(255, 0, 0));
    QCOMPARE(svg.polylines.back().stroke, QColor(0, 255, 0));
    QCOMPARE(svg.polylines.back().strokeWidth, 4.0);
    QCOMPARE(svg.textLines(), pt::recordedLines(recorded));
    QCOMPARE(svg.textLines().size(), 3);
    QVERIFY(svg.textLines()[1].startsWith(QStringLiteral("A/Φ: 111, 152 ,")));

    const std::optional<pt::PdfFacts> facts = pt::pdfFacts(pdf);
    QVERIFY2(facts.has_value(), "pdfinfo (poppler-utils) takes the file for a PDF");
    QCOMPARE(facts->pages, 1);
    QVERIFY(pt::pageFitsPicture(facts->pagePoints, shown.size()));
    const QStringList pdfText = pt::pdfTextLines(pdf);
    QVERIFY2(pdfText.contains(svg.textLines()[2]), qPrintable(pdfText.join('|')));

    // Saving draws nothing: the picture is as it was.
    QCOMPARE(window.picture().image(), shown);
  }
};

int runPhotoPairWindowTests(int argc, char** argv) {
  PhotoPairWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "photo_pair_window_test.moc"
