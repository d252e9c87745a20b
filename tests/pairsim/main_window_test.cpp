#include "pairsim/main_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sstream>

#include "gui/file_choice.h"
#include "gui/help_window.h"
#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "gui/scripted_dialogs.h"
#include "gui/suite_notice.h"
#include "gui/twips.h"
#include "pairsim/help_text.h"
#include "simulator_shell/photo_pair_window.h"
#include "stereo/uniform_source.h"
#include "tests/gui/qt_test_main.h"
#include "tests/gui/saved_picture.h"
#include "tests/gui/window_testing.h"
#include "text/codepage.h"

using pairsim::MainWindow;
using suite::test::control;
using suite::test::fileBytes;
using suite::test::shown;
using suite::test::writeBytes;

namespace {

const QString kNoOutput = QStringLiteral("Θα πρέπει να βάλεις όνομα αρχείου εξόδου");
const QString kHelpExample = QStringLiteral(SUITE_TEST_DATA "/stereo/help_example_stereo_dtm.txt");
const QString kGoldenOutput =
    QStringLiteral(SUITE_TEST_DATA "/stereo/photo_simulation_pairsim.txt");

std::unique_ptr<MainWindow> makeWindow(suite::Dialogs& dialogs) {
  return std::make_unique<MainWindow>(
      dialogs, std::make_unique<suite::FixedUniformSource>(std::vector<float>{.25f, .5f, .75f}));
}

/// The pixel bounds of every pixel of `colour`.
QRect boundsOf(const QImage& image, QRgb colour) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace

class PairMainWindowTest : public QObject {
  Q_OBJECT

  void click(QWidget& window, const char* button) {
    QTest::mouseClick(control<QPushButton>(window, QString::fromLatin1(button)), Qt::LeftButton);
  }

  void choose(MainWindow& window, suite::ScriptedDialogs& dialogs, const char* button,
              std::optional<QString> answer) {
    dialogs.answerOpenFile(std::move(answer));
    click(window, button);
  }

 private slots:
  void everyCaptionIsAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char* const rows[][2] = {
        {"Frame1", "Simulation parameters"},
        {"Frame2", "Δεδομένα προσομοίωσης"},
        {"Label1(5)", "  Xo"},
        {"Label1(1)", "  Yo"},
        {"Label1(2)", "  θ"},
        {"Label1(3)", "  k"},
        {"Label1(4)", "  σxy"},
        {"Label1(6)", "  F"},
        {"Label1(7)", " H(3,5)"},
        {"Label1(8)", " S*Xo"},
        {"Command1", "Όνομα Αρχείου  ΨΜΕ"},
        {"Label1(0)", "\u039aανένα"},  // Greek Kappa
        {"Command2", "Όνομα Αρχείου Εξόδου"},
        {"Label2", "Kανένα"},  // Latin K
        {"Command5", "Πληροφορίες άδεια περιορισμοί"},
        {"Command6", "Σχεδίασε"},
        {"Command3", "Προσομοίωσε"},
        {"Command4", "Βοήθεια"},
        {"Command7", "Τελείωσε"},
    };
    for (const auto& row : rows)
      QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
  }
  void everyCaptionIsAsDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.windowTitle(), QStringLiteral("Προσομοίωση εικονοσυντεταγμένων"));
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QObject* widget = window.findChild<QObject*>(name);
    QVERIFY2(widget != nullptr, qPrintable(name));
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) text = button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) text = frame->title();
    QCOMPARE(text, caption);
  }

  void boxesHoldTheirDefaultsAndThereIsNoOrientationPanel() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    const QStringList text1 = {"0", "0", "0", "1", "0.006", "152", "1.237"};
    for (int i = 0; i < text1.size(); ++i)
      QCOMPARE(control<QLineEdit>(window, QStringLiteral("Text1(%1)").arg(i))->text(), text1[i]);
    QCOMPARE(control<QLineEdit>(window, "Text3")->text(), QStringLiteral("0"));
    QCOMPARE(window.findChildren<QLineEdit*>().size(), 8);
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("Frame3")) == nullptr);
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("Command8")) == nullptr);
  }

  void controlsSitAtTheirTwips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Frame1") << "Frame1"
                            << "Form1" << QRect(120, 240, 4575, 1455);
    QTest::newRow("Frame2") << "Frame2"
                            << "Form1" << QRect(120, 2280, 7095, 1815);
    QTest::newRow("Label1(5)") << "Label1(5)"
                               << "Frame1" << QRect(120, 240, 615, 255);
    QTest::newRow("Text1(6)") << "Text1(6)"
                              << "Frame1" << QRect(3000, 960, 1455, 285);
    QTest::newRow("Label1(0)") << "Label1(0)"
                               << "Frame2" << QRect(2160, 240, 4815, 375);
    QTest::newRow("Command2") << "Command2"
                              << "Frame2" << QRect(120, 600, 2052, 375);
    QTest::newRow("Label2") << "Label2"
                            << "Frame2" << QRect(2160, 600, 4815, 375);
    QTest::newRow("Command5") << "Command5"
                              << "Frame2" << QRect(3000, 960, 1335, 855);
    QTest::newRow("Command6") << "Command6"
                              << "Frame2" << QRect(120, 1080, 1095, 615);
    QTest::newRow("Command3") << "Command3"
                              << "Frame2" << QRect(1440, 1080, 1335, 615);
    QTest::newRow("Command7") << "Command7"
                              << "Frame2" << QRect(5880, 1080, 1095, 615);
  }
  void controlsSitAtTheirTwips() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.size(), suite::sizeFromTwips(7890, 4545));
    QCOMPARE(window.pos(), QPoint(0, 0));
    auto* widget = control<QWidget>(window, name);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    // Each edge is within half a pixel (7.5 twips) of its design position.
    const QRect px = widget->geometry();
    QVERIFY(qAbs(px.left() * 15 - twips.left()) <= 7);
    QVERIFY(qAbs(px.top() * 15 - twips.top()) <= 7);
    QVERIFY(qAbs((px.left() + px.width()) * 15 - (twips.left() + twips.width())) <= 7);
    QVERIFY(qAbs((px.top() + px.height()) * 15 - (twips.top() + twips.height())) <= 7);
  }

  void aChosenFileShowsInItsLabelAndACancelledChoiceChangesNothing() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    choose(window, dialogs, "Command2", std::nullopt);
    QCOMPARE(control<QLabel>(window, "Label2")->text(), QStringLiteral("Kανένα"));
    QVERIFY(!window.state().files.output);

    choose(window, dialogs, "Command1", QStringLiteral("/data/ζεύγος.txt"));
    choose(window, dialogs, "Command2", QStringLiteral("/data/out.txt"));
    choose(window, dialogs, "Command1", std::nullopt);
    choose(window, dialogs, "Command2", QString());  // a dialog that returns no name
    const pairsim::PairFiles& files = window.state().files;
    QCOMPARE(control<QLabel>(window, "Label1(0)")->text(), QStringLiteral("/data/ζεύγος.txt"));
    QCOMPARE(control<QLabel>(window, "Label2")->text(), QStringLiteral("/data/out.txt"));
    QVERIFY(files.input && files.output);
    QCOMPARE(files.input, std::optional<std::string>("/data/ζεύγος.txt"));
    QCOMPARE(files.output, std::optional<std::string>("/data/out.txt"));
    QCOMPARE(dialogs.openFileFilters(), std::vector<QString>(5, QStringLiteral("All Files|*.*|")));
    QVERIFY(dialogs.messages().empty());
  }

  void theInputPickedAsTheOutputIsKeptUnlessTheUserAgreesToReplaceIt() {
    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("ζεύγος.dtm"));
    writeBytes(input, fileBytes(kHelpExample));
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    // The input never asks: it is read, not written.
    choose(*window, dialogs, "Command1", input);
    QCOMPARE(dialogs.questions(), std::vector<QString>{});

    // The stereo DTM file picked by mistake as the output: a No keeps the output unchosen, and
    // "Προσομοίωσε" refuses as before any choice, the file intact.
    dialogs.answerQuestion(false);
    choose(*window, dialogs, "Command2", input);
    QCOMPARE(dialogs.questions(), std::vector<QString>{suite::replaceQuestion(input)});
    QCOMPARE(control<QLabel>(*window, "Label2")->text(), QStringLiteral("Kανένα"));
    QVERIFY(!window->state().files.output);
    click(*window, "Command3");
    QCOMPARE(dialogs.messages(), std::vector<QString>{kNoOutput});
    QCOMPARE(fileBytes(input), fileBytes(kHelpExample));

    // Another output chosen, then the input picked again and refused: the other one stays.
    const QString output = folder.filePath(QStringLiteral("έξοδος.txt"));
    choose(*window, dialogs, "Command2", output);
    choose(*window, dialogs, "Command2", input);  // the question closed without an answer
    QCOMPARE(dialogs.questions().size(), std::size_t{2});
    QCOMPARE(control<QLabel>(*window, "Label2")->text(), output);
    QCOMPARE(window->state().files.output, std::optional<std::string>(output.toStdString()));
    // Picking the input again as input asks nothing.
    choose(*window, dialogs, "Command1", input);
    QCOMPARE(dialogs.questions().size(), std::size_t{2});
  }

  void drawNeedsOnlyTheInputAndShowsTheMeshesAloneWhileSimulateAsksForTheOutput() {
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    choose(*window, dialogs, "Command1", kHelpExample);
    click(*window, "Command6");

    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    suite::PhotoPairWindow* form3 = window->photoPairWindow();
    QVERIFY(form3 != nullptr && form3->isVisible());
    QCOMPARE(form3->windowTitle(), QStringLiteral("Σχεδίασε στέρεο Α/Φ"));

    // Only the two meshes: every pixel is the background, the left photo's red or the right
    // photo's green; printed text would add pixels of the foreground colour.
    suite::PictureBox& picture = form3->picture();
    const QImage image = picture.image().convertToFormat(QImage::Format_RGB32);
    const QRgb background = picture.backgroundColour().rgb();
    int others = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (pixel != background && pixel != qRgb(255, 0, 0) && pixel != qRgb(0, 255, 0)) ++others;
      }
    QCOMPARE(others, 0);

    // No margin: the range that decides the scale fills its band, within the 4-pixel line width.
    QVERIFY(window->lastDrawing().has_value());
    const suite::PhotoPairGeometry& drawn = *window->lastDrawing();
    const QRect red = boundsOf(image, qRgb(255, 0, 0));
    const QRect green = boundsOf(image, qRgb(0, 255, 0));
    const double bandWidthPx = drawn.halfWidth / 15;
    const double bandHeightPx = drawn.height / 15;
    const double fill =
        std::max({(red.width() - 4) / bandWidthPx, (red.height() - 4) / bandHeightPx,
                  (green.width() - 4) / bandWidthPx, (green.height() - 4) / bandHeightPx});
    QVERIFY2(qAbs(fill - 1) < 0.02, qPrintable(QString::number(fill)));
    // The left photo's x runs from -2.287 to 13.748 mm.
    QVERIFY(qAbs((red.width() - 4) - (13.748 + 2.287) * drawn.twipsPerMm / 15) <= 2);

    // Simulate in the same state asks for the output file before it reads anything; the
    // drawing stays as it was.
    click(*window, "Command3");
    QCOMPARE(dialogs.messages(), std::vector<QString>{kNoOutput});
    QVERIFY(form3->isVisible());
  }

  void aDrawnPairIsSavedAsItsMeshesAloneWithoutDrawingNewErrors() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    auto source = std::make_unique<suite::FixedUniformSource>(std::vector<float>{.25f, .5f, .75f});
    const suite::FixedUniformSource& errors = *source;
    MainWindow window(dialogs, std::move(source));
    choose(window, dialogs, "Command1", kHelpExample);
    click(window, "Command6");
    suite::PhotoPairWindow* form3 = window.photoPairWindow();
    QVERIFY(form3 != nullptr && QTest::qWaitForWindowActive(form3));
    const std::size_t drawn = errors.drawn();

    const QString svgPath = folder.filePath(QStringLiteral("pair.svg"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{svgPath, 1});
    QTest::keyClick(form3, Qt::Key_S, Qt::ControlModifier);
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{1});
    QCOMPARE(dialogs.saveFileCalls()[0].suggestedPath,
             QStringLiteral(SUITE_TEST_DATA "/stereo/help_example_stereo_dtm-pairsim.png"));
    QCOMPARE(errors.drawn(), drawn);
    // The meshes of the file's whole grid, and no text.
    const suite::picture_testing::SvgDrawing svg =
        suite::picture_testing::readSvg(suite::picture_testing::fileBytes(svgPath));
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
    const int rows = 3;
    const int columns = 3;
    QCOMPARE(svg.polylines.size(), std::size_t{2 * (rows + columns)});
    QVERIFY(svg.texts.empty());
  }

  void simulateWritesTheOutputFromTheBoxesSilentlyAndDrawLeavesItAlone() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    const QString output = folder.filePath(QStringLiteral("φωτο.txt"));
    choose(*window, dialogs, "Command1", kHelpExample);
    choose(*window, dialogs, "Command2", output);
    // Xo, Yo, θ, k, σxy, F, S: the values the golden file was written with.
    const QStringList values = {"10", " 20", "90", "2", "0", "152abc", "1.237"};
    for (int i = 0; i < values.size(); ++i)
      control<QLineEdit>(*window, QStringLiteral("Text1(%1)").arg(i))->setText(values[i]);
    click(*window, "Command3");

    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QCOMPARE(fileBytes(output), fileBytes(kGoldenOutput));
    // The title line, in Windows-1253: "Παράδειγμα προσομοίωσης δύο στέρεο αεροφωτογραφιών".
    QVERIFY(fileBytes(output).rfind("\xd0\xe1\xf1\xdc\xe4\xe5\xe9\xe3\xec\xe1 \xf0\xf1\xef\xf3"
                                    "\xef\xec\xef\xdf\xf9\xf3\xe7\xf2 \xe4\xfd\xef \xf3\xf4\xdd"
                                    "\xf1\xe5\xef \xe1\xe5\xf1\xef\xf6\xf9\xf4\xef\xe3\xf1\xe1"
                                    "\xf6\xe9\xfe\xed\r\n",
                                    0) == 0);
    QVERIFY(window->photoPairWindow() == nullptr);

    writeBytes(output, "earlier\r\n");
    click(*window, "Command6");
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QCOMPARE(fileBytes(output), std::string("earlier\r\n"));
  }

  void aMalformedInputTellsWhereItBrokeAndChangesNothing() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    const QString input = folder.filePath(QStringLiteral("broken.txt"));
    const QString output = folder.filePath(QStringLiteral("out.txt"));
    writeBytes(input,
               "title\r\n3,3,0,0,1,1\r\n0,0,1000,0,0,0\r\n5,0,1000,0,0,0\r\n1,2,3\r\n4,x5,6\r\n");
    writeBytes(output, "earlier\r\n");
    choose(*window, dialogs, "Command1", input);
    dialogs.answerQuestion(true);  // the existing output may be replaced
    choose(*window, dialogs, "Command2", output);
    QCOMPARE(dialogs.questions().size(), std::size_t{1});
    click(*window, "Command3");
    click(*window, "Command6");

    QCOMPARE(dialogs.messages().size(), std::size_t{2});
    for (const QString& message : dialogs.messages()) {
      QVERIFY2(message.contains(input) && message.contains(QStringLiteral("γραμμή 6")) &&
                   message.contains(QStringLiteral("x5")),
               qPrintable(message));
    }
    QCOMPARE(fileBytes(output), std::string("earlier\r\n"));
    QVERIFY(window->photoPairWindow() == nullptr);
    QVERIFY(!window->lastDrawing().has_value());
  }

  void helpPrintsItsLinesOnceWithItsCaptionAndItsExampleIsTheExampleFile() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    click(window, "Command4");
    click(window, "Command4");

    suite::HelpWindow* form2 = window.helpWindow();
    QVERIFY(form2 != nullptr && form2->isVisible());
    QCOMPARE(form2->windowTitle(), QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων"));
    QCOMPARE(form2->printedLines(), pairsim::helpLines());
    QCOMPARE(form2->printedLines().size(), std::size_t{39});
    QCOMPARE(form2->printedLines().front(), std::string("            Παράμετροι προσομοίωσης"));
    QCOMPARE(form2->printedLines().back(),
             std::string("           θα πρέπει το ΨΜΕ να έχει τουλάχιστο 3 γραμμές και 5 στήλες"));

    // Lines 21 to 27 are the example input file, line for line.
    std::istringstream example(suite::fromWindows1253(fileBytes(kHelpExample)));
    std::string line;
    for (std::size_t i = 20; i < 27; ++i) {
      QVERIFY(std::getline(example, line));
      if (!line.empty() && line.back() == '\r') line.pop_back();
      QCOMPARE(pairsim::helpLines().at(i), line);
    }

    click(window, "Command5");  // the main window stays usable while the help is open
    QCOMPARE(dialogs.messages(), std::vector<QString>{suite::suiteNotice()});
    click(*form2, "Command1");
    QVERIFY(!form2->isVisible());
  }

  void finishClosesEveryWindow() {
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    choose(*window, dialogs, "Command1", kHelpExample);
    click(*window, "Command6");
    click(*window, "Command4");
    QVERIFY(window->photoPairWindow()->isVisible() && window->helpWindow()->isVisible());

    click(*window, "Command7");
    QVERIFY(!window->isVisible());
    QVERIFY(!window->helpWindow()->isVisible());
    QVERIFY(!window->photoPairWindow()->isVisible());
  }
};

int main(int argc, char** argv) {
  // As the program runs: with the Greek default locale, which must leave its numbers alone.
  return suite::test::runQtTests(argc, argv, {[](int c, char** v) {
                                   PairMainWindowTest test;
                                   return QTest::qExec(&test, c, v);
                                 }},
                                 QStringLiteral("pairsim"));
}

#include "main_window_test.moc"
