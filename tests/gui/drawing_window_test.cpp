#include "gui/drawing_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "gui/form_controls.h"
#include "gui/guarded_action.h"
#include "gui/picture_box.h"
#include "gui/scripted_dialogs.h"
#include "text/user_error.h"

using suite::DrawingWindow;

class DrawingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theClientAreaLiesBelowTheMenuBarAndHasTheSizeAskedFor() {
    DrawingWindow window(QStringLiteral("Form2"), QStringLiteral("Σχέδιο"));
    QCOMPARE(window.clientArea()->geometry(), window.rect());
    QMenu* map = suite::addMenu(window.menuBar(), QStringLiteral("Map1"), QStringLiteral("Χάρτης"));
    suite::addMenuItem(map, QStringLiteral("Map2"), QStringLiteral("Έξοδος"));
    window.setClientSizeTwips(6330, 3630);

    const int barHeight = window.menuBar()->sizeHint().height();
    QVERIFY(barHeight > 0);
    QCOMPARE(window.clientArea()->geometry(), QRect(0, barHeight, 422, 242));
    QCOMPARE(window.size(), QSize(422, 242 + barHeight));
    QVERIFY(!window.menuBar()->isNativeMenuBar());
    QCOMPARE(window.menuBar()->actions().at(0)->text(), QStringLiteral("Χάρτης"));
    QCOMPARE(map->objectName(), QStringLiteral("Map1"));

    // Controls placed in twips stand in the client area, below the bar.
    suite::PictureBox* picture =
        window.addPicture(QStringLiteral("Picture1"), QStringLiteral("Χάρτης"));
    DrawingWindow::placeInClientArea(*picture, {150, 0, 1500, 750});
    QCOMPARE(picture->mapTo(&window, QPoint(0, 0)), QPoint(10, barHeight));
    QCOMPARE(picture->size(), QSize(100, 50));
    QCOMPARE(picture->backgroundColour(), window.palette().color(QPalette::HighlightedText));
    QCOMPARE(picture->accessibleName(), QStringLiteral("Χάρτης"));
  }

  void theReturnButtonHidesTheWindowAndShowingPlacesItsFrame() {
    DrawingWindow window(QStringLiteral("Form3"), QStringLiteral("Ζεύγος"));
    QPushButton* back = window.addReturnButton({120, 0, 2652, 252});
    QCOMPARE(back->objectName(), QStringLiteral("Command1"));
    QCOMPARE(back->text(), QStringLiteral("Επιστροφή"));
    window.showAt({15, 30, 9000, 6000});
    QVERIFY(window.isVisible());
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(1, 2));
    QCOMPARE(window.frameGeometry().size(), QSize(600, 400));
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(!window.isVisible());

    // Esc returns as the button does, wherever the focus is in the window.
    int returns = 0;
    connect(back, &QPushButton::clicked, [&returns] { ++returns; });
    suite::PictureBox* picture = window.addPicture(QStringLiteral("Picture1"), QString());
    DrawingWindow::placeInClientArea(*picture, {120, 250, 3000, 3000});
    for (QWidget* focus : {static_cast<QWidget*>(back), static_cast<QWidget*>(picture)}) {
      window.showAt({15, 30, 9000, 6000});
      QVERIFY(QTest::qWaitForWindowActive(&window));
      focus->setFocus();
      QTest::keyClick(focus, Qt::Key_Escape);
      QVERIFY(!window.isVisible());
    }
    QCOMPARE(returns, 2);
    // Other keys leave it open.
    window.showAt({15, 30, 9000, 6000});
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Q);
    QVERIFY(window.isVisible());
  }

  void aPictureHoldsThePixelsItsRightAndBottomEdgesAddress_data() {
    QTest::addColumn<int>("widthTwips");
    QTest::addColumn<int>("heightTwips");
    QTest::addColumn<QSize>("pixels");
    // The contour map of a full HD screen: 1278.8 × 829.5 pixels by design.
    QTest::newRow("map of a 1920 x 1080 screen") << 19182 << 12442 << QSize(1280, 830);
    // The cell picture: 57 × 49 pixels exactly; its edges are the pixels 57 and 49.
    QTest::newRow("cell picture") << 855 << 735 << QSize(58, 50);
    QTest::newRow("edge just below a half pixel") << 19170 + 7 << 22 << QSize(1279, 2);
    QTest::newRow("edge just past a half pixel") << 19170 + 8 << 23 << QSize(1280, 3);
  }
  void aPictureHoldsThePixelsItsRightAndBottomEdgesAddress() {
    QFETCH(int, widthTwips);
    QFETCH(int, heightTwips);
    QFETCH(QSize, pixels);
    DrawingWindow window(QStringLiteral("Form2"), QStringLiteral("Σχέδιο"));
    suite::PictureBox* picture = window.addPicture(QStringLiteral("Picture1"), QString());
    // Placed where a rounding of both edges would give it one pixel fewer.
    DrawingWindow::placePicture(*picture, {518, 259, widthTwips, heightTwips});
    QCOMPARE(picture->pos(), QPoint(35, 17));
    QCOMPARE(picture->size(), pixels);

    // A point on the south-east corner, as a drawing clamps its nodes there, shows.
    picture->clear();
    picture->setPoint(widthTwips, heightTwips, suite::Rgb{255, 0, 0});
    const QImage image = picture->image();
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.pixel(pixels.width() - 1, pixels.height() - 1), qRgb(255, 0, 0));

    // A picture of no size has no pixels.
    DrawingWindow::placePicture(*picture, {518, 259, 0, heightTwips});
    QCOMPARE(picture->width(), 0);
  }

  void aGuardedMenuItemTellsTheUserAndTheWindowGoesOn() {
    suite::ScriptedDialogs dialogs;
    DrawingWindow window(QStringLiteral("Form2"), QStringLiteral("Σχέδιο"));
    QMenu* menu =
        suite::addMenu(window.menuBar(), QStringLiteral("Sxd"), QStringLiteral("Σχεδίασε"));
    QAction* item =
        suite::addMenuItem(menu, QStringLiteral("Sxd1"), QStringLiteral("Σχεδίασε προοπτικό"));
    int runs = 0;
    suite::connectGuarded(item, dialogs, &window, [&] {
      ++runs;
      throw suite::UserError("Δεν σχεδιάζεται");
    });
    item->trigger();
    item->trigger();
    QCOMPARE(runs, 2);
    QCOMPARE(dialogs.messages(), (std::vector<QString>{QStringLiteral("Δεν σχεδιάζεται"),
                                                       QStringLiteral("Δεν σχεδιάζεται")}));
  }
};

int runDrawingWindowTests(int argc, char** argv) {
  DrawingWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "drawing_window_test.moc"
