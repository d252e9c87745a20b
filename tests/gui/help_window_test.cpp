#include "gui/help_window.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QtTest>

#include "gui/picture_box.h"

using suite::HelpWindow;
using suite::HelpWindowDesign;

namespace {

const std::vector<std::string> kLines = {"  Πρώτη γραμμή", " ", " Τρίτη γραμμή, η τελευταία"};
constexpr int kScreenHeightTwips = 9000;  // 600 pixels

/// A help window in the tooltip colours at a fixed place, as tall as the screen.
HelpWindowDesign screenHighDesign() {
  HelpWindowDesign design;
  design.caption = QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων");
  design.clientWidthTwips = 10200;
  design.clientHeightTwips = 5175;
  design.returnButton = {8400, 120, 1695, 375};
  design.frameTopLeftTwips = QPoint(5000, 1);
  design.frameHeightTwips = kScreenHeightTwips;
  return design;
}

/// A help window of its own colour and fixed size, placed by the window system.
HelpWindowDesign plainDesign() {
  HelpWindowDesign design;
  design.caption = QStringLiteral("Βοήθεια");
  design.clientWidthTwips = 7815;
  design.clientHeightTwips = 7470;
  design.background = QColor(255, 255, 192);
  design.returnButton = {120, 120, 1095, 375};
  return design;
}

QPushButton* returnButton(HelpWindow& window) {
  return window.findChild<QPushButton*>(QStringLiteral("Command1"));
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void isDesignedInTooltipColoursWithItsReturnButtonAboveTheText() {
    HelpWindow window(screenHighDesign());
    QCOMPARE(window.objectName(), QStringLiteral("Form2"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων"));
    QCOMPARE(window.size(), QSize(680, 345));  // 10200 x 5175 twips
    QVERIFY(window.isWindow());
    const QColor tooltip = window.palette().color(QPalette::ToolTipBase);
    QCOMPARE(window.palette().color(QPalette::Window), tooltip);
    QCOMPARE(window.surface().backgroundColour(), tooltip);

    QPushButton* button = returnButton(window);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), QStringLiteral("Επιστροφή"));
    QCOMPARE(button->geometry(), QRect(560, 8, 113, 25));  // 8400, 120, 1695 x 375 twips
    QCOMPARE(window.childAt(button->geometry().center()), button);
    QCOMPARE(window.childAt(QPoint(10, 10)), &window.surface());
  }

  void everyOpeningPrintsTheTextOnceOnAFreshSurfaceAtItsPlace() {
    HelpWindow window(screenHighDesign());
    window.open(kLines);
    const double afterFirst = window.surface().currentYTwips();
    window.open(kLines);

    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων"));
    QCOMPARE(window.printedLines(), kLines);
    const QFontMetrics metrics(window.font());
    QCOMPARE(afterFirst, 15.0 * 3 * metrics.lineSpacing());
    QCOMPARE(window.surface().currentYTwips(), afterFirst);
    QCOMPARE(window.surface().currentXTwips(), 0.0);

    // The frame at left 5000, top 1 twip and as tall as the screen; the designed client width
    // kept.
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(333, 0));
    QCOMPARE(window.frameGeometry().height(), 600);
    QCOMPARE(window.width(), 680);
    QCOMPARE(window.surface().geometry(), window.rect());

    // Hidden by its button; the next opening puts it back in place.
    window.move(50, 70);
    window.resize(300, 200);
    QTest::mouseClick(returnButton(window), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    window.open({" άλλο"});
    QVERIFY(window.isVisible());
    QCOMPARE(window.printedLines(), std::vector<std::string>{" άλλο"});
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(333, 0));
    QCOMPARE(window.frameGeometry().height(), 600);

    // Esc returns as the button does, and the text stays for the next opening to replace.
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window.surface(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.printedLines(), std::vector<std::string>{" άλλο"});
    window.open(kLines);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    returnButton(window)->setFocus();
    QTest::keyClick(returnButton(window), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
  }

  void aDesignOfItsOwnColourKeepsItsSizeAndTheUsersPlace() {
    HelpWindow window(plainDesign());
    QCOMPARE(window.windowTitle(), QStringLiteral("Βοήθεια"));
    QCOMPARE(window.size(), QSize(521, 498));  // 7815 x 7470 twips
    QCOMPARE(window.surface().backgroundColour(), QColor(255, 255, 192));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(returnButton(window)->geometry(), QRect(8, 8, 73, 25));  // 120, 120, 1095 x 375

    window.open(kLines);
    window.move(40, 30);
    const QPoint placed = window.pos();
    window.open(kLines);
    QCOMPARE(window.pos(), placed);
    QCOMPARE(window.size(), QSize(521, 498));
    QCOMPARE(window.printedLines(), kLines);
    // The text is printed in the window's text colour on the yellow surface.
    QVERIFY(window.surface().image().pixel(5, 5) == qRgb(255, 255, 192));
  }
};

int runHelpWindowTests(int argc, char** argv) {
  HelpWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "help_window_test.moc"
