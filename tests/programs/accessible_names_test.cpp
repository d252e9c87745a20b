// Every control of every window of the five programs can be found by assistive technology: its
// accessible name, as Qt reports it, is its caption or its design name, never empty. A label is
// read as it shows: its name is the text on the screen at that moment, after every click, file
// choice and load that changes it ("Κανένα" while it shows nothing), so a screen reader
// announces the file chosen or the coordinates read, not a fixed name.

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "cellinterp/main_window.h"
#include "flightsim/main_window.h"
#include "gui/help_window.h"
#include "gui/picture_box.h"
#include "gui/scripted_dialogs.h"
#include "isolines/contour_map_window.h"
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

QString accessibleName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

/// The labels of `window` whose accessible name is not the text they show (or "Κανένα" when
/// they show nothing), as "objectName: name ≠ text".
QStringList labelsNotReadAsShown(QWidget& window) {
  QStringList wrong;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->objectName().startsWith(QLatin1String("qt_"))) continue;
    const QString shown = label->text().isEmpty() ? QStringLiteral("Κανένα") : label->text();
    const QString name = accessibleName(label);
    if (name != shown)
      wrong << label->objectName() + QStringLiteral(": «") + name + QStringLiteral("» ≠ «") +
                   label->text() + QStringLiteral("»");
  }
  return wrong;
}

/// The label of `window` named `name`.
QLabel* label(QWidget& window, const char* name) {
  return window.findChild<QLabel*>(QString::fromLatin1(name));
}

/// The captions tied to the data label `name` of `window`: the labels that assistive tools give
/// as what labels it (besides the frame it stands in).
QStringList captionsOf(QWidget& window, const char* name) {
  QAccessibleInterface* data = QAccessible::queryAccessibleInterface(label(window, name));
  QStringList captions;
  for (const auto& [caption, relation] : data->relations(QAccessible::Label))
    if (qobject_cast<QLabel*>(caption->object()) != nullptr)
      captions << caption->text(QAccessible::Name);
  return captions;
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

  void theSimulatorsFileNamesAreReadAsChosen() {
    QTemporaryDir dir;
    const QString photos = dir.filePath(QStringLiteral("φωτογραφίες.txt"));
    const QString stereo = dir.filePath(QStringLiteral("στέρεο.dtm"));
    suite::ScriptedDialogs dialogs;
    flightsim::MainWindow flight(dialogs);
    QCOMPARE(labelsNotReadAsShown(flight), QStringList());
    QCOMPARE(accessibleName(label(flight, "Label2")), QStringLiteral("Kανένα"));
    QCOMPARE(label(flight, "Label2")->accessibleDescription(),
             QStringLiteral("Αρχείο προσομοίωσης Α/Φ"));
    dialogs.answerOpenFile(QStringLiteral(SUITE_SAMPLES "/hills-30x30.dtm"));
    dialogs.answerOpenFile(photos);
    dialogs.answerOpenFile(stereo);
    for (const char* command : {"Command1", "Command2", "Command8"})
      QTest::mouseClick(button(flight, command), Qt::LeftButton);
    QCOMPARE(accessibleName(label(flight, "Label1(0)")),
             QStringLiteral(SUITE_SAMPLES "/hills-30x30.dtm"));
    QCOMPARE(accessibleName(label(flight, "Label2")), photos);
    QCOMPARE(accessibleName(label(flight, "Label4")), stereo);
    QCOMPARE(labelsNotReadAsShown(flight), QStringList());

    pairsim::MainWindow pair(dialogs);
    dialogs.answerOpenFile(kStereoSample);
    dialogs.answerOpenFile(photos);
    QTest::mouseClick(button(pair, "Command1"), Qt::LeftButton);
    QTest::mouseClick(button(pair, "Command2"), Qt::LeftButton);
    QCOMPARE(accessibleName(label(pair, "Label1(0)")), kStereoSample);
    QCOMPARE(accessibleName(label(pair, "Label2")), photos);
    QCOMPARE(labelsNotReadAsShown(pair), QStringList());
    QVERIFY(dialogs.messages().empty());
  }

  void theMenuProgramsLabelsAndReadoutsAreReadAsShown() {
    suite::ScriptedDialogs dialogs;
    vantage::MainWindow perspective(dialogs);
    QCOMPARE(labelsNotReadAsShown(perspective), QStringList());
    QCOMPARE(accessibleName(label(perspective, "Label1")), QStringLiteral("Κανένα"));
    QCOMPARE(captionsOf(perspective, "Label1"), QStringList{QStringLiteral("Αρχείο DTM ASCII")});
    // A click on "Κλίμακα", an answer to "Βάλε ΔΖ", a file chosen.
    QTest::mouseClick(button(perspective, "Command1"), Qt::LeftButton);
    dialogs.answerInput(QStringLiteral("250"));
    QTest::mouseClick(button(perspective, "Command3"), Qt::LeftButton);
    dialogs.answerOpenFile(kSample);
    item(perspective, "ff1")->trigger();
    QCOMPARE(accessibleName(label(perspective, "Label7")),
             QStringLiteral("Διαφορετική κλίμακα σε Χ, Υ"));
    QCOMPARE(accessibleName(label(perspective, "Label2")), QStringLiteral(" 250"));
    QCOMPARE(accessibleName(label(perspective, "Label1")), kSample);
    QCOMPARE(labelsNotReadAsShown(perspective), QStringList());
    // The new projection centre read out after a click on the plan map.
    item(perspective, "Mp1")->trigger();
    vantage::PerspectiveWindow& form2 = *perspective.perspectiveWindow();
    QCOMPARE(labelsNotReadAsShown(form2), QStringList());
    item(form2, "Pk1")->trigger();
    QTest::mouseClick(&form2.panel(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(form2.readout().text().startsWith(QStringLiteral("    Xo =  ")));
    QCOMPARE(accessibleName(&form2.readout()), form2.readout().text());
    QCOMPARE(labelsNotReadAsShown(form2), QStringList());

    isolines::MainWindow contours(dialogs);
    QCOMPARE(captionsOf(contours, "Label1"), QStringList{QStringLiteral("Αρχείο DTM ASCII")});
    dialogs.answerOpenFile(kSample);
    item(contours, "ff1")->trigger();
    QCOMPARE(accessibleName(label(contours, "Label1")), kSample);
    item(contours, "Mp1")->trigger();
    isolines::ContourMapWindow& map = *contours.contourMapWindow();
    QCOMPARE(accessibleName(&map.readout()), QStringLiteral("Κανένα"));
    QTest::mouseClick(&map.picture(), Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(map.readout().text().startsWith(QStringLiteral("    X =   ")));
    QCOMPARE(accessibleName(&map.readout()), map.readout().text());
    QCOMPARE(labelsNotReadAsShown(map), QStringList());
    QCOMPARE(labelsNotReadAsShown(contours), QStringList());
    QVERIFY(dialogs.messages().empty());
  }

  void theCellWindowsFileNameAndGridSizeAreReadAsLoaded() {
    suite::ScriptedDialogs dialogs;
    cellinterp::MainWindow cell(dialogs);
    QCOMPARE(labelsNotReadAsShown(cell), QStringList());
    QCOMPARE(accessibleName(label(cell, "Label13")), QStringLiteral("Κανένα"));
    QCOMPARE(captionsOf(cell, "Label13"), QStringList{QStringLiteral("Γρ. Στ")});
    QCOMPARE(captionsOf(cell, "Label1"), QStringList{QStringLiteral("Αρχείο DTM ASCII")});
    const QString sample = QStringLiteral(SUITE_SAMPLES "/cell-6x5.dtm");
    dialogs.answerOpenFile(sample);
    QTest::mouseClick(button(cell, "Command1"), Qt::LeftButton);
    QCOMPARE(accessibleName(label(cell, "Label13")), QStringLiteral("5x6"));
    QCOMPARE(accessibleName(label(cell, "Label1")), sample);
    QCOMPARE(labelsNotReadAsShown(cell), QStringList());
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
