#include "gui/picture_box.h"

#include <QSignalSpy>
#include <QtTest>
#include <limits>
#include <vector>

using suite::PictureBox;
using suite::Rgb;

namespace {

constexpr QRgb kWhite = 0xffffffff;

/// Pixels of the image that are not the background, within `area`.
int inkIn(const QImage& image, const QRect& area) {
  int count = 0;
  const QRect clipped = area.intersected(image.rect());
  for (int y = clipped.top(); y <= clipped.bottom(); ++y)
    for (int x = clipped.left(); x <= clipped.right(); ++x)
      if (image.pixel(x, y) != kWhite) ++count;
  return count;
}

}  // namespace

class PictureBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void pointsAndLinesLandOnTheNearestPixelAtFifteenTwipsEach() {
    PictureBox box;
    box.resize(200, 100);
    box.clear();
    box.setPoint(150, 300, Rgb{255, 0, 0});
    // 14 twips is nearer pixel 1 than pixel 0; 172 twips (11.47 px) nearer 11 than 12.
    box.setPoint(14, 172);
    box.lineTo(14 + 15 * 20, 172, Rgb{0, 255, 0});

    const QImage& image = box.image();
    QCOMPARE(image.size(), QSize(200, 100));
    QCOMPARE(image.pixel(10, 20), qRgb(255, 0, 0));
    QCOMPARE(inkIn(image, QRect(9, 19, 3, 3)), 1);
    for (int x = 1; x <= 21; ++x) QCOMPARE(image.pixel(x, 11), qRgb(0, 255, 0));
    QCOMPARE(image.pixel(0, 11), kWhite);
    QCOMPARE(image.pixel(22, 11), kWhite);
    QCOMPARE(inkIn(image, QRect(0, 10, 40, 1)), 0);
    QCOMPARE(box.currentXTwips(), 314.0);
    QCOMPARE(box.currentYTwips(), 172.0);
  }

  void uncolouredDrawingUsesTheForegroundAndWideLinesCoverMorePixels() {
    PictureBox box;
    box.resize(100, 100);
    box.setForegroundColour(Qt::blue);
    box.setPoint(300, 300);
    QCOMPARE(box.image().pixel(20, 20), qRgb(0, 0, 255));
    QCOMPARE(inkIn(box.image(), QRect(15, 15, 10, 10)), 1);

    box.setLineWidth(4);
    box.setPoint(900, 900);
    QVERIFY(inkIn(box.image(), QRect(56, 56, 8, 8)) >= 9);
  }

  void drawsAtTheSizeSetWhileHiddenKeepsPixelsOnResizeAndClearsToTheBackground() {
    PictureBox box;
    box.resize(300, 200);  // never shown: Qt sends no resize event yet
    box.setPoint(15 * 250, 15 * 150, Rgb{255, 0, 0});
    QCOMPARE(box.image().size(), QSize(300, 200));
    QCOMPARE(box.image().pixel(250, 150), qRgb(255, 0, 0));
    QCOMPARE(box.widthTwips(), 4500.0);
    QCOMPARE(box.heightTwips(), 3000.0);

    box.resize(400, 250);
    QCOMPARE(box.image().size(), QSize(400, 250));
    QCOMPARE(box.image().pixel(250, 150), qRgb(255, 0, 0));
    QCOMPARE(box.image().pixel(399, 249), kWhite);

    box.setBackgroundColour(Qt::black);
    box.setPoint(300, 300, Rgb{255, 255, 255});
    box.clear();
    QCOMPARE(box.image().pixel(20, 20), qRgb(0, 0, 0));
    QCOMPARE(box.currentXTwips(), 0.0);
    QCOMPARE(box.currentYTwips(), 0.0);
  }

  void keepsItsDrawingAfterBeingHiddenAndShownAgain() {
    PictureBox box;
    box.resize(120, 80);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.setBackgroundColour(QColor(255, 255, 224));
    box.setLineWidth(3);
    box.setPoint(150, 150);
    box.lineTo(1500, 1050, Rgb{0, 0, 255});
    box.hide();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    const QImage onScreen = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(onScreen.pixel(50, 38), qRgb(0, 0, 255));
    QCOMPARE(onScreen.pixel(110, 10), qRgb(255, 255, 224));
  }

  void printedLinesStartAtTheCurrentPointAndReturnToTheLeftEdge() {
    PictureBox box;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    box.setFont(font);
    box.resize(300, 200);
    box.clear();
    box.setPoint(15 * 40, 15 * 30, Rgb{255, 255, 255});  // a white point: no ink of its own
    box.printLine("Α/Φ: 222");

    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("Α/Φ: 222"));
    QCOMPARE(box.currentXTwips(), 0.0);
    QCOMPARE(box.currentYTwips(), 15.0 * (30 + metrics.lineSpacing()));
    QVERIFY(inkIn(box.image(), QRect(40, 30, width, metrics.height())) > 20);
    QCOMPARE(inkIn(box.image(), QRect(0, 0, 300, 30)), 0);
    QCOMPARE(inkIn(box.image(), QRect(0, 0, 39, 200)), 0);

    box.printLine("x");
    QCOMPARE(box.currentYTwips(), 15.0 * (30 + 2 * metrics.lineSpacing()));
    QVERIFY(inkIn(box.image(), QRect(0, 30 + metrics.lineSpacing(), 20, metrics.height())) > 0);
  }

  void coordinatesFarOutsideOrNotANumberDrawNothingHarmful() {
    PictureBox box;
    box.resize(40, 40);
    box.setPoint(300, 300);
    box.lineTo(1e300, std::numeric_limits<double>::quiet_NaN());
    box.lineTo(-1e300, -1e300);
    QCOMPARE(box.currentXTwips(), -1e300);
    QCOMPARE(box.image().pixel(20, 20), qRgb(0, 0, 0));
  }

  void aPolylineDrawsTheSamePixelsAsItsPointAndLines() {
    const std::vector<suite::TwipsPoint> points = {
        {15 * 3, 15 * 4}, {15 * 60, 15 * 9}, {15 * 61, 15 * 70}, {15 * 2, 15 * 40}};
    PictureBox batch;
    batch.resize(80, 80);
    batch.polyline(points.data(), points.size(), Rgb{0, 0, 255});
    PictureBox single;
    single.resize(80, 80);
    single.setPoint(points[0].x, points[0].y, Rgb{0, 0, 255});
    for (std::size_t i = 1; i < points.size(); ++i)
      single.lineTo(points[i].x, points[i].y, Rgb{0, 0, 255});

    QCOMPARE(batch.image(), single.image());
    QVERIFY(inkIn(batch.image(), batch.image().rect()) > 150);
    QCOMPARE(batch.currentXTwips(), points.back().x);
    QCOMPARE(batch.currentYTwips(), points.back().y);
  }

  void aThinLineSetsTheNearestPixelAtEveryStepAndOnlyItsVisiblePart() {
    PictureBox box;
    box.resize(40, 30);
    // From pixel (2, 3) to (12, 8): eleven steps along x, y the nearest whole pixel to
    // 3 + k/2 with halves toward the end.
    box.setPoint(15 * 2, 15 * 3);
    box.lineTo(15 * 12, 15 * 8, Rgb{0, 0, 255});
    const QImage& image = box.image();
    QCOMPARE(inkIn(image, image.rect()), 11);
    for (int k = 0; k <= 10; ++k) QCOMPARE(image.pixel(2 + k, 3 + (k + 1) / 2), qRgb(0, 0, 255));

    // A steep line walks y; a line far beyond the picture on both sides draws its visible row
    // whole, from the first pixel to the last, and no more.
    PictureBox steep;
    steep.resize(40, 30);
    steep.setPoint(15 * 30, 15 * 29);
    steep.lineTo(15 * 27, 15 * 0);
    QCOMPARE(inkIn(steep.image(), steep.image().rect()), 30);
    QCOMPARE(steep.image().pixel(30, 29), qRgb(0, 0, 0));
    QCOMPARE(steep.image().pixel(27, 0), qRgb(0, 0, 0));

    PictureBox across;
    across.resize(40, 30);
    across.setPoint(-1e9, 15 * 20);
    across.lineTo(1e9, 15 * 20);
    QCOMPARE(inkIn(across.image(), across.image().rect()), 40);
    QCOMPARE(inkIn(across.image(), QRect(0, 20, 40, 1)), 40);
  }

  void pointsLinesAndTextOfOneDrawingAllReachTheScreen() {
    // Points go straight into the image while lines and text share one open painter; whatever
    // the order, the screen shows all of them once the drawing is painted.
    PictureBox box;
    box.resize(120, 60);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.clear();
    box.setPoint(15 * 5, 15 * 5);
    box.lineTo(15 * 100, 15 * 5, Rgb{0, 160, 0});
    box.setPoint(15 * 50, 15 * 30, Rgb{255, 0, 0});
    box.printLine("x");
    box.setPoint(15 * 110, 15 * 50, Rgb{0, 0, 255});
    QCoreApplication::processEvents();

    const QImage onScreen = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(onScreen.pixel(50, 5), qRgb(0, 160, 0));
    QCOMPARE(onScreen.pixel(50, 30), qRgb(255, 0, 0));
    QCOMPARE(onScreen.pixel(110, 50), qRgb(0, 0, 255));
    QVERIFY(inkIn(onScreen, QRect(51, 31, 10, 14)) > 0);  // the text after the red point
    QCOMPARE(onScreen, box.image());
  }

  void mousePressReportsTheButtonAndThePositionInTwips() {
    PictureBox box;
    box.resize(100, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &PictureBox::mousePressedTwips);
    QTest::mousePress(&box, Qt::RightButton, {}, QPoint(10, 20));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(spy.at(0).at(1).toDouble(), 150.0);
    QCOMPARE(spy.at(0).at(2).toDouble(), 300.0);
  }
};

int runPictureBoxTests(int argc, char** argv) {
  PictureBoxTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "picture_box_test.moc"
