#include "simulator/photo_pair_window.h"

#include <QPushButton>
#include <QtTest>

#include "gui/picture_box.h"
#include "tests/gui/image_counts.h"
#include "text/user_error.h"

using suite::PhotoPairInput;
using suite::PhotoPairStyle;
using suite::PhotoPairWindow;

using suite::test::pixelsOf;

namespace {

constexpr int kScreenWidthTwips = 12000;  // 800 x 600 pixels
constexpr int kScreenHeightTwips = 9000;

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

}  // namespace

class PhotoPairWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void isDesignedWithItsReturnButtonAndAPictureInHighlightTextColour() {
    PhotoPairWindow window;
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
    PhotoPairWindow window;
    window.draw(kScreenWidthTwips, kScreenHeightTwips, square(100), PhotoPairStyle::flightsim());
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
    const suite::PhotoPairGeometry geometry = window.draw(
        kScreenWidthTwips + 1500, kScreenHeightTwips, square(100), PhotoPairStyle::pairsim());
    QVERIFY(window.isVisible());
    QCOMPARE(window.frameGeometry(), QRect(0, 0, 900, 600));
    QCOMPARE(geometry.halfWidth, (15.0 * 833) / 2 - 300);
    const QImage second = window.picture().image();
    // No margin now: the left mesh spans its whole band, wider than the first one.
    QVERIFY(pixelsOf(second, qRgb(255, 0, 0)) > pixelsOf(first, qRgb(255, 0, 0)));
  }

  void aPairThatCannotBeDrawnLeavesNoEarlierPairOnShow() {
    PhotoPairWindow window;
    window.draw(kScreenWidthTwips, kScreenHeightTwips, square(100), PhotoPairStyle::flightsim());
    QVERIFY_THROWS_EXCEPTION(suite::UserError, window.draw(kScreenWidthTwips, kScreenHeightTwips,
                                                           square(0), PhotoPairStyle::pairsim()));
    QVERIFY(!window.isVisible());
    const QImage image = window.picture().image();
    QCOMPARE(pixelsOf(image, window.picture().backgroundColour().rgb()),
             image.width() * image.height());
  }
};

int runPhotoPairWindowTests(int argc, char** argv) {
  PhotoPairWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "photo_pair_window_test.moc"
