#include "cellinterp/main_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "cellinterp/help_text.h"
#include "gui/file_choice.h"
#include "gui/help_window.h"
#include "gui/picture_box.h"
#include "gui/scripted_dialogs.h"
#include "gui/suite_notice.h"
#include "gui/twips.h"
#include "tests/gui/qt_test_main.h"
#include "tests/gui/window_testing.h"

using cellinterp::MainWindow;
using suite::test::control;

namespace {

const QString kNoFile = QStringLiteral("Βάλε πρώτα το όνομα αρχείου");
const QString kOutside = QStringLiteral("Γραμμή ή στήλη εκτός ορίων");
const QString kHelpExample = QStringLiteral(SUITE_SAMPLES "/cell-6x5.dtm");
const QString kExample3x3 = QStringLiteral(SUITE_SAMPLES "/example-3x3.dtm");

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  static QString text(QWidget& window, const char* name) {
    QObject* widget = window.findChild<QObject*>(QString::fromLatin1(name));
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    qFatal("no box or label %s", name);
  }

  static QStringList corners(QWidget& window) {
    QStringList texts;
    for (int k = 0; k < 4; ++k) texts << text(window, QString("Text1(%1)").arg(k).toLatin1());
    return texts;
  }

  static void click(QWidget& window, const char* button) {
    QTest::mouseClick(control<QPushButton>(window, QString::fromLatin1(button)), Qt::LeftButton);
  }

  /// Replaces the text of a box the way a user does: select all, then type.
  static void type(QWidget& window, const char* box, const QString& typed) {
    QLineEdit* edit = control<QLineEdit>(window, QString::fromLatin1(box));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
  }

  static QLineEdit* zBoxOf(QWidget& window) { return control<QLineEdit>(window, "Text4"); }

  /// Shows `window` with the help example loaded and its cell in row 2, column 3 accepted.
  static void showCellTwoThree(MainWindow& window, suite::ScriptedDialogs& dialogs) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window was not shown");
    load(window, dialogs, kHelpExample);
    type(window, "Text3", QStringLiteral("2"));
    type(window, "Text5", QStringLiteral("3"));
  }

  static void load(MainWindow& window, suite::ScriptedDialogs& dialogs, const QString& path) {
    dialogs.answerOpenFile(path);
    click(window, "Command1");
  }

 private slots:
  void everyControlHasItsCaptionPlaceAndColour_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QColor>("colour");  // invalid: the system default
    const QColor none;
    const QColor pink(255, 192, 192), cyan(192, 255, 255), peach(255, 224, 192),
        green(192, 255, 192), yellow(255, 255, 192), lilac(192, 192, 255);
    struct Row {
      const char* name;
      const char* caption;
      QRect twips;
      QColor colour;
    };
    const Row rows[] = {
        {"Label5", "Υψόμετρα κορυφών", {120, 240, 1815, 255}, none},
        {"Label2(0)", "Z(i, j)", {120, 480, 855, 255}, pink},
        {"Label2(3)", "Z(i+1, j+1)", {120, 1200, 855, 255}, pink},
        {"Text1(0)", "", {960, 480, 975, 285}, cyan},
        {"Text1(3)", "", {960, 1200, 975, 285}, cyan},
        {"Label12", "Γρ. Στ", {120, 1440, 855, 375}, peach},
        {"Label13", "", {960, 1440, 975, 375}, green},
        {"Label4", "Αρχείο DTM ASCII", {120, 1800, 1575, 375}, none},
        {"Label1", "", {1680, 1800, 5895, 375}, none},
        {"Label6", "Κελί πλέγματος", {2040, 240, 1575, 255}, none},
        {"Label3(0)", "i, j", {1920, 600, 495, 255}, peach},
        {"Label3(1)", "i, j+1", {3240, 600, 495, 255}, peach},
        {"Label3(2)", "i+1, j", {1920, 1560, 495, 255}, peach},
        {"Label3(3)", "i+1, j+1", {3240, 1560, 615, 255}, peach},
        {"Label8", "Συντεταγμένες σημείου", {4680, 360, 2175, 255}, none},
        {"Label7(2)", "         \u03a7", {4440, 720, 1335, 255}, yellow},  // Greek Chi
        {"Label7(3)", "         \u03a5", {5760, 720, 1335, 255}, yellow},  // Greek Upsilon
        {"Text2(0)", "", {4440, 960, 1335, 285}, cyan},
        {"Text2(1)", "", {5760, 960, 1335, 285}, cyan},
        {"Label7(1)", "u,   v -->", {3720, 1200, 735, 255}, yellow},
        {"Text2(2)", "", {4440, 1200, 1335, 285}, cyan},
        {"Text2(3)", "", {5760, 1200, 1335, 285}, cyan},
        {"Label7(0)", "  \u0396 =", {4440, 1560, 615, 255}, yellow},  // Greek Zeta
        {"Text4", "", {5040, 1560, 1335, 285}, green},
        {"Command1", "Βάλε αρχείο", {120, 2160, 1215, 375}, none},
        {"Command2", "Πληροφορίες άδεια περιορισμοί", {120, 2640, 1215, 735}, none},
        {"Command3", "Βοήθεια", {120, 3480, 1215, 375}, none},
        {"Command5", "Τέλος", {120, 3960, 1215, 375}, none},
        {"Label11", "Κάνε Παρεμβολή", {1800, 2400, 1335, 375}, none},
        {"Command4", "Διγραμμική", {1800, 2760, 1335, 375}, none},
        {"Label9", "Βάλε γραμμή,         στήλη", {4200, 2280, 2055, 255}, none},
        {"Text3", "1", {4200, 2520, 1095, 375}, none},
        {"Text5", "1", {5280, 2520, 975, 375}, none},
        {"Label10",
         "Για να λειτουργήσει το πρόγραμμα Βάλε γραμμή, στήλη και μετά κάνε κλικ στο κελί "
         "πλέγματος ή βάλε τις τιμές u, v και μετά κάνε παρεμβολή",
         {3600, 3120, 3855, 855},
         lilac},
    };
    for (const Row& row : rows) {
      QTest::newRow(row.name) << QString::fromUtf8(row.name) << QString::fromUtf8(row.caption)
                              << row.twips << row.colour;
    }
  }
  void everyControlHasItsCaptionPlaceAndColour() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(QColor, colour);
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    QWidget* widget = control<QWidget>(window, name);
    QCOMPARE(widget->parentWidget()->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(widget->geometry(),
             suite::rectFromTwips(twips.left(), twips.top(), twips.width(), twips.height()));
    QString shown;
    QColor filled;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      shown = label->text();
      if (label->autoFillBackground()) filled = label->palette().color(QPalette::Window);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      shown = box->text();
      QVERIFY(!box->accessibleName().isEmpty());
      if (box->palette().color(QPalette::Base) != window.palette().color(QPalette::Base))
        filled = box->palette().color(QPalette::Base);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      shown = button->text();
    }
    QCOMPARE(shown, caption);
    QCOMPARE(filled, colour);
  }

  void theWindowFrameAndPictureAreAsDesigned() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Υπολογισμός \u0396=f(\u03a7, \u03a5)"));
    QCOMPARE(window.size(), suite::sizeFromTwips(8265, 4740));
    auto* frame = control<QGroupBox>(window, "Frame1");
    QCOMPARE(frame->title(), QStringLiteral("Χειρισμοί"));
    QCOMPARE(frame->geometry(), suite::rectFromTwips(240, 120, 7695, 4455));

    // 855 × 735 twips from (2400, 840): 57 × 49 pixels between its edges, and the pixels of
    // its east and south edges too, where a click reads u = a and v = 0.
    auto* picture = control<suite::PictureBox>(window, "Picture1");
    QCOMPARE(picture->geometry(), QRect(160, 56, 58, 50));
    QCOMPARE(picture->backgroundColour(), QColor(255, 255, 128));
    QCOMPARE(picture->image().pixel(28, 24), qRgb(255, 255, 128));
    QCOMPARE(picture->accessibleName(), QStringLiteral("Κελί πλέγματος"));
    QCOMPARE(window.state().pictureWidthTwips, 855);
    QCOMPARE(window.state().pictureHeightTwips, 735);
    QVERIFY(!window.state().fileName);
    QVERIFY(!window.state().cell);

    // The instruction wraps inside its box.
    auto* label10 = control<QLabel>(window, "Label10");
    QVERIFY(label10->wordWrap());
    QVERIFY(label10->heightForWidth(label10->width()) <= label10->height());
  }

  void everyActionOnTheCellWaitsForAFile() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    type(window, "Text3", QStringLiteral("23"));  // two keystrokes, two messages
    QTest::mouseClick(control<QWidget>(window, "Picture1"), Qt::LeftButton, {}, QPoint(10, 10));
    click(window, "Command4");
    QCOMPARE(dialogs.messages(), (std::vector<QString>{kNoFile, kNoFile, kNoFile, kNoFile}));
    QCOMPARE(text(window, "Text2(0)"), QString());
    QCOMPARE(text(window, "Text4"), QString());
    QVERIFY(!window.state().fileName);
  }

  void theHelpExampleLoadsAndTheBoxesNameItsCells() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    load(window, dialogs, kHelpExample);
    QCOMPARE(dialogs.openFileFilters(), std::vector<QString>{suite::dtmFilesFilter()});
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(text(window, "Label1"), kHelpExample);
    QCOMPARE(text(window, "Label13"), QStringLiteral("5x6"));
    // The boxes' "1" and "1" apply on load: the north-west cell.
    QCOMPARE(corners(window), (QStringList{"28.000", "35.000", "14.000", "29.000"}));

    // Clearing the row box to type 5 says once that there is no row 0.
    auto* row = control<QLineEdit>(window, "Text3");
    row->setFocus();
    row->selectAll();
    QTest::keyClick(row, Qt::Key_Backspace);
    QTest::keyClicks(row, QStringLiteral("5"));
    type(window, "Text5", QStringLiteral("4"));
    QCOMPARE(dialogs.messages(), std::vector<QString>{kOutside});
    QCOMPARE(corners(window), (QStringList{"57.000", "35.000", "53.000", "38.000"}));

    // Row 6 and column 5 are refused; the south-east cell stays.
    dialogs.clearRecord();
    type(window, "Text3", QStringLiteral("6"));
    type(window, "Text5", QStringLiteral("5"));
    type(window, "Text3", QStringLiteral("2.5"));  // "2", "2." and "2.5" are all row 2
    QCOMPARE(dialogs.messages(),
             (std::vector<QString>{kOutside, kOutside, kOutside, kOutside, kOutside}));
    QCOMPARE(corners(window), (QStringList{"57.000", "35.000", "53.000", "38.000"}));
    type(window, "Text5", QStringLiteral("3.5"));  // column 4 of row 2
    QCOMPARE(window.state().cell->row, 2);
    QCOMPARE(window.state().cell->column, 4);
  }

  void aClickOnThePictureShowsThePointAndItsHeight() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    showCellTwoThree(window, dialogs);
    QCOMPARE(corners(window), (QStringList{"71.000", "42.000", "82.000", "53.000"}));

    // Pixel (19, 7) is (285, 105) twips: u = 50 · 285 / 855, v = 50 · 630 / 735.
    auto* picture = control<QWidget>(window, "Picture1");
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(19, 7));
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(text(window, "Text2(2)"), QStringLiteral("16.667"));
    QCOMPARE(text(window, "Text2(3)"), QStringLiteral("42.857"));
    QCOMPARE(text(window, "Text2(0)"), QStringLiteral("616.667"));
    QCOMPARE(text(window, "Text2(1)"), QStringLiteral("942.857"));
    QCOMPARE(text(window, "Text4"), QStringLiteral("62.905"));

    // Any button; one pixel above the south-west corner is a pixel's height, 15 of 735
    // twips, north of the node (i+1, j).
    QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(0, 48));
    QCOMPARE(text(window, "Text2(2)"), QStringLiteral(".000"));
    QCOMPARE(text(window, "Text2(3)"), QStringLiteral("1.020"));
    QCOMPARE(text(window, "Text2(0)"), QStringLiteral("600.000"));

    // After a refused row the click works on the cell accepted before.
    type(window, "Text3", QStringLiteral("9"));
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(19, 7));
    QCOMPARE(dialogs.messages(), std::vector<QString>{kOutside});
    QCOMPARE(text(window, "Text4"), QStringLiteral("62.905"));
  }

  void aClickOnEachCornerPixelOfTheCellGivesThatCornersHeight() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    showCellTwoThree(window, dialogs);
    QCOMPARE(corners(window), (QStringList{"71.000", "42.000", "82.000", "53.000"}));

    // Clicked through the window, at the window's pixel of each corner of the picture, as the
    // mouse does: the corner captions overlap those pixels and lie beneath the picture.
    QWidget* picture = control<QWidget>(window, "Picture1");
    const QRect cell = picture->rect();
    struct Corner {
      QPoint pixel;
      const char* box;  // the corner's height
      const char* u;
      const char* v;
      const char* x;
      const char* y;
    };
    const Corner cornersOfCell[] = {
        {cell.topLeft(), "Text1(0)", ".000", "50.000", "600.000", "950.000"},
        {cell.topRight(), "Text1(1)", "50.000", "50.000", "650.000", "950.000"},
        {cell.bottomLeft(), "Text1(2)", ".000", ".000", "600.000", "900.000"},
        {cell.bottomRight(), "Text1(3)", "50.000", ".000", "650.000", "900.000"}};
    for (const Corner& corner : cornersOfCell) {
      const QPoint inWindow = picture->mapTo(&window, corner.pixel);
      QCOMPARE(window.childAt(inWindow), picture);
      zBoxOf(window)->clear();
      QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inWindow);
      // The height of the corner, as the result box writes a whole number ("71.").
      QCOMPARE(text(window, "Text4"), text(window, corner.box).chopped(3));
      QCOMPARE(text(window, "Text2(2)"), QString::fromLatin1(corner.u));
      QCOMPARE(text(window, "Text2(3)"), QString::fromLatin1(corner.v));
      QCOMPARE(text(window, "Text2(0)"), QString::fromLatin1(corner.x));
      QCOMPARE(text(window, "Text2(1)"), QString::fromLatin1(corner.y));
    }
    QVERIFY(dialogs.messages().empty());

    // Just outside the picture, on a corner caption, a click is the caption's: nothing is read.
    zBoxOf(window)->clear();
    const QPoint beyond = picture->mapTo(&window, cell.topLeft() - QPoint(1, 1));
    QCOMPARE(window.childAt(beyond), control<QWidget>(window, "Label3(0)"));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, beyond);
    QCOMPARE(text(window, "Text4"), QString());
  }

  void bilinearUsesTheTypedValuesAndLeavesThemAsTyped() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    load(window, dialogs, kHelpExample);
    control<QLineEdit>(window, "Text3")->setText(QStringLiteral("2"));
    control<QLineEdit>(window, "Text5")->setText(QStringLiteral("3"));
    control<QLineEdit>(window, "Text2(2)")->setText(QStringLiteral("10"));
    control<QLineEdit>(window, "Text2(3)")->setText(QStringLiteral("20abc"));
    click(window, "Command4");
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(text(window, "Text2(0)"), QStringLiteral("610.000"));
    QCOMPARE(text(window, "Text2(1)"), QStringLiteral("920.000"));
    QCOMPARE(text(window, "Text4"), QStringLiteral("71.8"));
    QCOMPARE(text(window, "Text2(2)"), QStringLiteral("10"));
    QCOMPARE(text(window, "Text2(3)"), QStringLiteral("20abc"));

    // A refused row is said, and the earlier cell computes.
    control<QLineEdit>(window, "Text2(2)")->setText(QStringLiteral("100"));
    control<QLineEdit>(window, "Text2(3)")->setText(QStringLiteral("0"));
    dialogs.clearRecord();
    control<QLineEdit>(window, "Text3")->blockSignals(true);
    control<QLineEdit>(window, "Text3")->setText(QStringLiteral("0"));
    control<QLineEdit>(window, "Text3")->blockSignals(false);
    click(window, "Command4");
    QCOMPARE(dialogs.messages(), std::vector<QString>{kOutside});
    QCOMPARE(text(window, "Text2(0)"), QStringLiteral("700.000"));
    QCOMPARE(text(window, "Text4"), QStringLiteral("24."));
  }

  void aLoadThatFailsKeepsEverythingAndANewGridDropsTheOldCell() {
    QTemporaryDir folder;
    const QString shortFile = folder.filePath(QStringLiteral("short.dtm"));
    std::ofstream(shortFile.toStdString()) << "3,3,0,0,1,1\n1,2,3\n";
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    load(window, dialogs, kHelpExample);
    type(window, "Text3", QStringLiteral("5"));
    type(window, "Text5", QStringLiteral("4"));
    const QStringList southEast = corners(window);

    dialogs.clearRecord();
    dialogs.answerOpenFile(std::nullopt);
    click(window, "Command1");
    load(window, dialogs, shortFile);
    QCOMPARE(dialogs.messages().size(), std::size_t{2});
    QVERIFY(dialogs.messages()[0].startsWith(QStringLiteral("Δεν επιλέχθηκε αρχείο ΨΜΕ.")));
    QVERIFY(dialogs.messages()[1].contains(shortFile));
    for (const QString& message : dialogs.messages())
      QVERIFY(message.endsWith(QStringLiteral("Ισχύει ακόμη το αρχείο «%1».").arg(kHelpExample)));
    QCOMPARE(text(window, "Label1"), kHelpExample);
    QCOMPARE(text(window, "Label13"), QStringLiteral("5x6"));
    QCOMPARE(corners(window), southEast);

    // Row 5 names no cell of the 3 × 3 grid: its corners are emptied and the click refused.
    dialogs.clearRecord();
    load(window, dialogs, kExample3x3);
    QCOMPARE(dialogs.messages(), std::vector<QString>{kOutside});
    QCOMPARE(text(window, "Label13"), QStringLiteral("3x3"));
    QCOMPARE(corners(window), (QStringList{"", "", "", ""}));
    QTest::mouseClick(control<QWidget>(window, "Picture1"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(dialogs.messages(), (std::vector<QString>{kOutside, kOutside}));
    QCOMPARE(text(window, "Text4"), QString());
  }

  void helpOpensModelessAndReprintsInPlace() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    click(window, "Command3");
    suite::HelpWindow* form2 = window.helpWindow();
    QVERIFY(form2 != nullptr && form2->isVisible());
    const QPoint placed = form2->pos();
    QVERIFY(form2->screen()->availableGeometry().contains(form2->frameGeometry().topLeft()));
    click(window, "Command3");
    QCOMPARE(window.helpWindow(), form2);
    QCOMPARE(form2->objectName(), QStringLiteral("Form2"));
    QCOMPARE(form2->windowTitle(), QStringLiteral("Βοήθεια"));
    QCOMPARE(form2->size(), suite::sizeFromTwips(7815, 7470));
    QCOMPARE(form2->surface().backgroundColour(), QColor(255, 255, 192));
    QCOMPARE(form2->printedLines(), cellinterp::helpLines());
    QCOMPARE(form2->pos(), placed);
    auto* back = control<QPushButton>(*form2, "Command1");
    QCOMPARE(back->text(), QStringLiteral("Επιστροφή"));
    QCOMPARE(back->geometry(), suite::rectFromTwips(120, 120, 1095, 375));

    // The main window stays usable beside it.
    click(window, "Command2");
    QCOMPARE(dialogs.messages(), std::vector<QString>{suite::suiteNotice()});

    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(!form2->isVisible());
    QVERIFY(window.isVisible());
    click(window, "Command3");
    QVERIFY(form2->isVisible());
    QCOMPARE(form2->printedLines(), cellinterp::helpLines());
  }

  void endClosesEveryWindow() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    click(window, "Command3");
    QVERIFY(window.helpWindow()->isVisible());
    click(window, "Command5");
    QVERIFY(!window.isVisible());
    QVERIFY(!window.helpWindow()->isVisible());
  }
};

int main(int argc, char** argv) {
  // As the program runs: with the Greek default locale, which must leave its numbers alone.
  return suite::test::runQtTests(argc, argv, {[](int c, char** v) {
                                   MainWindowTest test;
                                   return QTest::qExec(&test, c, v);
                                 }},
                                 QStringLiteral("cellinterp"));
}

#include "main_window_test.moc"
