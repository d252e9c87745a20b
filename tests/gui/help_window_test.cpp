#include "gui/help_window.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QtTest>

#include "gui/picture_box.h"

using suite::HelpWindow;

namespace {

const std::vector<std::string> kLines = {"  Πρώτη γραμμή", " ", " Τρίτη γραμμή, η τελευταία"};
constexpr int kScreenHeightTwips = 9000;  // 600 pixels

QPushButton* returnButton(HelpWindow& window) {
  return window.findChild<QPushButton*>(QStringLiteral("Command1"));
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void isDesignedInTooltipColoursWithItsReturnButtonAboveTheText() {
    HelpWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("Form2"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Βοήθεια στον προσομοιωτή στέρεο φωτογραφιών"));
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
    HelpWindow window;
    window.open(QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων"), kLines,
                kScreenHeightTwips);
    const double afterFirst = window.surface().currentYTwips();
    window.open(QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων"), kLines,
                kScreenHeightTwips);

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

    // Hidden by its button; the next opening puts it back in place, sized to the screen given.
    window.move(50, 70);
    QTest::mouseClick(returnButton(window), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    window.open(QStringLiteral("Β"), {" άλλο"}, 12000);
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Β"));
    QCOMPARE(window.printedLines(), std::vector<std::string>{" άλλο"});
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(333, 0));
    QCOMPARE(window.frameGeometry().height(), 800);
  }
};

int runHelpWindowTests(int argc, char** argv) {
  HelpWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "help_window_test.moc"
