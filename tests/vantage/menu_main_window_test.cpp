#include "vantage/shell/menu_main_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "gui/scripted_dialogs.h"
#include "tests/gui/qt_test_main.h"
#include "text/user_error.h"

namespace {

/// The shell with a contour-like design and a drawing that only counts its calls.
class CountingWindow : public suite::MenuMainWindow {
 public:
  explicit CountingWindow(suite::Dialogs& dialogs) : MenuMainWindow(dialogs, design(), nullptr) {}

  static suite::MenuMainWindowDesign design() {
    suite::MenuMainWindowDesign d;
    d.caption = QStringLiteral("Ισοϋψείς Παρεμβολή - Σχεδίαση");
    d.clientWidthTwips = 6750;
    d.clientHeightTwips = 3315;
    d.drawMenuCaption = QStringLiteral("Σχεδίασε Ισοϋψείς");
    d.frame = {120, 720, 6375, 1935};
    d.scaleButton = {240, 360, 1815, 375};
    d.scaleLabel = {2160, 360, 2535, 375};
    d.numberButtonCaption = QStringLiteral("Ισοδιάσταση");
    d.numberButton = {240, 840, 1815, 375};
    d.numberLabel = {2160, 840, 975, 375};
    d.numberPrompt = QStringLiteral("Βάλε ισοδιάσταση");
    d.startNumber = 10;
    d.startNumberText = QStringLiteral("10");
    d.fileCaptionLabel = {240, 1320, 1815, 375};
    d.fileNameLabel = {2040, 1320, 4095, 375};
    return d;
  }

  int draws = 0;
  bool refuse = false;

 protected:
  void draw() override {
    ++draws;
    if (refuse) throw suite::UserError("Άρνηση");
  }
};

QAction* item(QWidget& window, const char* name) {
  return window.findChild<QAction*>(QString::fromLatin1(name));
}

QString labelText(QWidget& window, const char* name) {
  return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QPushButton* button(QWidget& window, const char* name) {
  return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

class MenuMainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void menusAndControlsStandAsDesigned() {
    suite::ScriptedDialogs dialogs;
    CountingWindow window(dialogs);
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Ισοϋψείς Παρεμβολή - Σχεδίαση"));
    QCOMPARE(window.clientArea()->size(), QSize(450, 221));  // 6750 x 3315 twips

    QStringList menus;
    for (QAction* menu : window.menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, (QStringList{QStringLiteral("Αρχείο"), QStringLiteral("Σχεδίασε Ισοϋψείς"),
                                 QStringLiteral("Πληροφορίες/άδεια/περιορισμοί")}));
    QStringList fileItems;
    for (QAction* entry : window.findChild<QMenu*>(QStringLiteral("F1"))->actions())
      fileItems << entry->objectName() + QLatin1Char('=') + entry->text();
    // The open item's "aρχείου" starts with a Latin "a".
    QCOMPARE(fileItems, (QStringList{QStringLiteral("ff1=Άνοιγμα \u0061ρχείου DTM Grid"),
                                     QStringLiteral("ff4=Έξοδος")}));
    QCOMPARE(item(window, "Mp1")->text(), QStringLiteral("Σχεδίασε"));
    QCOMPARE(item(window, "Pl11")->text(), QStringLiteral("Πληροφορίες/άδεια/περιορισμοί"));

    auto* frame = window.findChild<QWidget*>(QStringLiteral("Frame1"));
    QCOMPARE(frame->geometry(), QRect(8, 48, 425, 129));
    QCOMPARE(button(window, "Command1")->text(), QStringLiteral("Κλίμακα"));
    QCOMPARE(button(window, "Command1")->geometry(), QRect(16, 24, 121, 25));
    QCOMPARE(button(window, "Command3")->text(), QStringLiteral("Ισοδιάσταση"));
    QCOMPARE(labelText(window, "Label7"), QStringLiteral("Ομοιόμορφη κλίμακα"));
    QCOMPARE(labelText(window, "Label2"), QStringLiteral("10"));
    QCOMPARE(labelText(window, "Label4"), QStringLiteral("Αρχείο DTM ASCII"));
    QCOMPARE(labelText(window, "Label1"), QString());
    QCOMPARE(window.settings().number, 10.0f);
    QVERIFY(!window.settings().differentScales);
  }

  void theScaleToggleAndTheNumberFollowEveryPressAndAnswer() {
    suite::ScriptedDialogs dialogs;
    CountingWindow window(dialogs);
    QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    QCOMPARE(labelText(window, "Label7"), QStringLiteral("Διαφορετική κλίμακα σε Χ, Υ"));
    QVERIFY(window.settings().differentScales);
    QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    QCOMPARE(labelText(window, "Label7"), QStringLiteral("Ομοιόμορφη κλίμακα"));
    QVERIFY(!window.settings().differentScales);

    dialogs.answerInput(QStringLiteral("250"));
    dialogs.answerInput(QStringLiteral("12μέτρα"));
    dialogs.answerInput(QStringLiteral("-0.1"));
    dialogs.answerInput(QStringLiteral("1e39"));
    QStringList shown;
    for (int i = 0; i < 5; ++i) {
      QTest::mouseClick(button(window, "Command3"), Qt::LeftButton);
      shown << labelText(window, "Label2");
    }
    // The fourth answer is beyond single precision and keeps -0.1; the fifth box is cancelled.
    QCOMPARE(shown,
             (QStringList{QStringLiteral(" 250"), QStringLiteral(" 12"), QStringLiteral("-.1"),
                          QStringLiteral("-.1"), QStringLiteral(" 0")}));
    QCOMPARE(window.settings().number, 0.0f);
    QCOMPARE(dialogs.messages().size(), std::size_t{1});
    QCOMPARE(dialogs.inputCalls().at(0).prompt, QStringLiteral("Βάλε ισοδιάσταση"));
    QCOMPARE(dialogs.inputCalls().at(0).defaultText, QString());
    QCOMPARE(dialogs.inputCalls().at(0).leftTwips, 100);
    QCOMPARE(dialogs.inputCalls().at(0).topTwips, 5000);
  }

  void drawingWaitsForAFileAndACancelledChoiceChangesNothing() {
    suite::ScriptedDialogs dialogs;
    CountingWindow window(dialogs);
    item(window, "Mp1")->trigger();
    QCOMPARE(window.draws, 0);
    QCOMPARE(dialogs.messages().back(),
             QStringLiteral(" Βάλε πρώτα το αρχείο Ψηφιακού Μοντέλου Εδάφους"));

    dialogs.answerOpenFile(std::nullopt);
    item(window, "ff1")->trigger();
    QVERIFY(!window.settings().fileChosen);
    item(window, "Mp1")->trigger();
    QCOMPARE(window.draws, 0);

    dialogs.answerOpenFile(QStringLiteral("/tmp/όρος.dtm"));
    item(window, "ff1")->trigger();
    QCOMPARE(dialogs.openFileFilters().back(),
             QStringLiteral("All Files|*.*|Text Files|*.txt|DTM Files|*.dtm"));
    QCOMPARE(labelText(window, "Label1"), QStringLiteral("/tmp/όρος.dtm"));
    QCOMPARE(window.settings().filePath, std::string("/tmp/όρος.dtm"));
    dialogs.answerOpenFile(std::nullopt);
    item(window, "ff1")->trigger();
    QCOMPARE(labelText(window, "Label1"), QStringLiteral("/tmp/όρος.dtm"));

    window.refuse = true;
    item(window, "Mp1")->trigger();
    QCOMPARE(window.draws, 1);
    QCOMPARE(dialogs.messages().back(), QStringLiteral("Άρνηση"));

    item(window, "Pl11")->trigger();
    QVERIFY(dialogs.messages().back().contains(QStringLiteral("Άδεια")));
  }

  void exitEndsTheProgramWithEveryWindow() {
    suite::ScriptedDialogs dialogs;
    auto* window = new CountingWindow(dialogs);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QWidget other;
    other.show();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QPointer<CountingWindow> alive(window);
    item(*window, "ff4")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(!other.isVisible());
    QTRY_VERIFY(alive.isNull());
  }
};

int main(int argc, char** argv) {
  return suite::test::runQtTests(argc, argv, {[](int c, char** v) {
                                   MenuMainWindowTest test;
                                   return QTest::qExec(&test, c, v);
                                 }});
}

#include "menu_main_window_test.moc"
