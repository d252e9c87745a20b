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
