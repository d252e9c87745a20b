// Every control of every window of the five programs can be found by assistive technology: its
// accessible name, as Qt reports it, is its caption or its design name, never empty.

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <memory>

#include "cellinterp/main_window.h"
#include "flightsim/main_window.h"
#include "gui/help_window.h"
#include "gui/picture_box.h"
#include "gui/scripted_dialogs.h"
#include "isolines/main_window.h"
#include "pairsim/main_window.h"
#include "simulator_shell/photo_pair_window.h"
#include "tests/gui/qt_test_main.h"
#include "vantage/main_window.h"
#include "vantage/perspective_window.h"

namespace {

const QString kSample = QStringLiteral(SUITE_SAMPLES "/maunga-whau.dtm");
const QString kStereoSample = QStringLiteral(SUITE_SAMPLES "/stereo-hills-22x12.dtm");

/// The controls of `window` whose accessible name is empty, as "objectName (class)".
QStringList unnamedControls(QWidget& window) {
  QStringList unnamed;
  const QList<QWidget*> children = window.findChildren<QWidget*>();
  for (QWidget* widget : children) {
    const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                         qobject_cast<QLineEdit*>(widget) != nullptr ||
                         qobject_cast<QLabel*>(widget) != nullptr ||
                         qobject_cast<QGroupBox*>(widget) != nullptr ||
                         qobject_cast<suite::PictureBox*>(widget) != nullptr;
    // Qt's own helpers ("qt_menubar_ext_button", a menu bar's overflow button) are Qt's to name.
    if (!control || widget->objectName().startsWith(QLatin1String("qt_"))) continue;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    const QString name = accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
    if (name.trimmed().isEmpty())
      unnamed << widget->objectName() + QStringLiteral(" (") +
                     QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(')');
  }
  // The items a user sees: those of every menu.
  for (QMenu* menu : window.findChildren<QMenu*>()) {
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator() && action->text().trimmed().isEmpty())
        unnamed << action->objectName() + QStringLiteral(" (item of ") + menu->objectName() +
                       QLatin1Char(')');
    }
  }
  return unnamed;
}

QAction* item(QWidget& window, const char* name) {
  return window.findChild<QAction*>(QString::fromLatin1(name));
}

QAbstractButton* button(QWidget& window, const char* name) {
  return window.findChild<QAbstractButton*>(QString::fromLatin1(name));
}

}  // namespace

class AccessibleNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlOfTheSimulatorsHasAName() {
    suite::ScriptedDialogs dialogs;
    flightsim::MainWindow flight(dialogs);
    QCOMPARE(unnamedControls(flight), QStringList());
    dialogs.answerOpenFile(QStringLiteral(SUITE_SAMPLES "/hills-30x30.dtm"));
    QTest::mouseClick(button(flight, "Command1"), Qt::LeftButton);
    QTest::mouseClick(button(flight, "Command6"), Qt::LeftButton);
    QTest::mouseClick(button(flight, "Command4"), Qt::LeftButton);
    QVERIFY(flight.photoPairWindow() != nullptr && flight.helpWindow() != nullptr);
    QCOMPARE(unnamedControls(*flight.photoPairWindow()), QStringList());
    QCOMPARE(unnamedControls(*flight.helpWindow()), QStringList());

    pairsim::MainWindow pair(dialogs);
    QCOMPARE(unnamedControls(pair), QStringList());
  }

  void everyControlOfTheMenuProgramsAndTheirMapWindowsHasAName() {
    suite::ScriptedDialogs dialogs;
    vantage::MainWindow perspective(dialogs);
    QCOMPARE(unnamedControls(perspective), QStringList());
    dialogs.answerOpenFile(kSample);
    item(perspective, "ff1")->trigger();
    item(perspective, "Mp1")->trigger();
    QVERIFY(perspective.perspectiveWindow() != nullptr);
    QCOMPARE(unnamedControls(*perspective.perspectiveWindow()), QStringList());

    isolines::MainWindow contours(dialogs);
    QCOMPARE(unnamedControls(contours), QStringList());
    dialogs.answerOpenFile(kSample);
    item(contours, "ff1")->trigger();
    item(contours, "Mp1")->trigger();
    QWidget* map = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->windowTitle() == QStringLiteral("Σχεδίασε ισοϋψείς")) map = top;
    QVERIFY(map != nullptr);
    QCOMPARE(unnamedControls(*map), QStringList());
    QVERIFY(dialogs.messages().empty());
  }

  void everyControlOfTheCellWindowAndItsHelpHasAName() {
    suite::ScriptedDialogs dialogs;
    cellinterp::MainWindow cell(dialogs);
    QCOMPARE(unnamedControls(cell), QStringList());
    QTest::mouseClick(button(cell, "Command3"), Qt::LeftButton);
    QVERIFY(cell.helpWindow() != nullptr);
    QCOMPARE(unnamedControls(*cell.helpWindow()), QStringList());
  }
};

int main(int argc, char** argv) {
  return suite::test::runQtTests(argc, argv, {[](int c, char** v) {
                                   AccessibleNamesTest test;
                                   return QTest::qExec(&test, c, v);
                                 }});
}

#include "accessible_names_test.moc"
