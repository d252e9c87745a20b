#include "map_shell/menu_main_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "gui/scripted_dialogs.h"
#include "gui/window_placement.h"
#include "tests/gui/qt_test_main.h"
#include "text/user_error.h"

namespace {

/// The shell with a drawing that only counts its calls.
class CountingWindow : public suite::MenuMainWindow {
 public:
  explicit CountingWindow(suite::Dialogs& dialogs) : MenuMainWindow(dialogs, design(), nullptr) {}

  /// A design of its own, neither vantage's nor isolines', so the test speaks of the shell.
  static suite::MenuMainWindowDesign design() {
    suite::MenuMainWindowDesign d;
    d.caption = QStringLiteral("Δοκιμή κελύφους");
    d.clientWidthTwips = 7000;
    d.clientHeightTwips = 3000;
    d.drawMenuCaption = QStringLiteral("Σχεδίασε δοκιμή");
    d.frame = {100, 600, 6000, 1800};
    d.scaleButton = {200, 300, 1500, 375};
    d.scaleLabel = {1800, 300, 2500, 375};
    d.numberButtonCaption = QStringLiteral("Αριθμός");
    d.numberButton = {200, 800, 1500, 375};
    d.numberLabel = {1800, 800, 900, 375};
    d.numberPrompt = QStringLiteral("Βάλε αριθμό");
    d.startNumber = 10;
    d.fileCaptionLabel = {200, 1300, 1500, 375};
    d.fileNameLabel = {1800, 1300, 4000, 375};
    return d;
  }

  int draws = 0;
  bool refuse = false;
  suite::MenuMainWindowSettings drawnWith;

 protected:
  void draw(const suite::MenuMainWindowSettings& settings) override {
    ++draws;
    drawnWith = settings;
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
    QCOMPARE(window.windowTitle(), QStringLiteral("Δοκιμή κελύφους"));
    QCOMPARE(window.clientArea()->size(), QSize(467, 200));  // 7000 x 3000 twips

    QStringList menus;
    for (QAction* menu : window.menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, (QStringList{QStringLiteral("Αρχείο"), QStringLiteral("Σχεδίασε δοκιμή"),
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
    QCOMPARE(frame->geometry(), QRect(7, 40, 400, 120));
    QCOMPARE(button(window, "Command1")->text(), QStringLiteral("Κλίμακα"));
    QCOMPARE(button(window, "Command1")->geometry(), QRect(13, 20, 100, 25));
    QCOMPARE(button(window, "Command3")->text(), QStringLiteral("Αριθμός"));
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
    QCOMPARE(dialogs.inputCalls().at(0).prompt, QStringLiteral("Βάλε αριθμό"));
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
    QVERIFY(!window.settings().dtmPath);
    item(window, "Mp1")->trigger();
    QCOMPARE(window.draws, 0);

    dialogs.answerOpenFile(QStringLiteral("/tmp/όρος.dtm"));
    item(window, "ff1")->trigger();
    QCOMPARE(dialogs.openFileFilters().back(),
             QStringLiteral("All Files|*.*|Text Files|*.txt|DTM Files|*.dtm"));
    QCOMPARE(labelText(window, "Label1"), QStringLiteral("/tmp/όρος.dtm"));
    QCOMPARE(window.settings().dtmPath, std::optional<std::string>("/tmp/όρος.dtm"));
    dialogs.answerOpenFile(std::nullopt);
    item(window, "ff1")->trigger();
    QCOMPARE(labelText(window, "Label1"), QStringLiteral("/tmp/όρος.dtm"));

    window.refuse = true;
    QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    item(window, "Mp1")->trigger();
    QCOMPARE(window.draws, 1);
    QCOMPARE(dialogs.messages().back(), QStringLiteral("Άρνηση"));
    // The drawing is handed the settings of the moment.
    QCOMPARE(window.drawnWith.dtmPath, std::optional<std::string>("/tmp/όρος.dtm"));
    QVERIFY(window.drawnWith.differentScales);
    QCOMPARE(window.drawnWith.number, 10.0f);

    item(window, "Pl11")->trigger();
    QVERIFY(dialogs.messages().back().contains(QStringLiteral("Άδεια")));
  }

  void everyDrawingIsHandedTheScreenOfItsMoment() {
    suite::ScriptedDialogs dialogs;
    CountingWindow window(dialogs);
    // Without a source of its own, the primary screen's size.
    const suite::TwipsSize primary = suite::screenSizeTwips();
    QVERIFY(primary.width > 0);
    QCOMPARE(window.settings().screenWidthTwips, primary.width);
    QCOMPARE(window.settings().screenHeightTwips, primary.height);

    suite::TwipsSize screen{28800, 16200};
    int reads = 0;
    window.setScreenSizeSource([&] {
      ++reads;
      return screen;
    });
    dialogs.answerOpenFile(QStringLiteral("/tmp/όρος.dtm"));
    item(window, "ff1")->trigger();
    QCOMPARE(reads, 0);  // read for a drawing, not before
    item(window, "Mp1")->trigger();
    QCOMPARE(window.drawnWith.screenWidthTwips, 28800);
    QCOMPARE(window.drawnWith.screenHeightTwips, 16200);
    screen = {19200, 15360};
    item(window, "Mp1")->trigger();
    QCOMPARE(window.draws, 2);
    QCOMPARE(reads, 2);
    QCOMPARE(window.drawnWith.screenWidthTwips, 19200);
    QCOMPARE(window.drawnWith.screenHeightTwips, 15360);
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
