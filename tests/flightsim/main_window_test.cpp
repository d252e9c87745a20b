#include "flightsim/main_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "flightsim/help_text.h"
#include "gui/file_choice.h"
#include "gui/help_window.h"
#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "gui/scripted_dialogs.h"
#include "gui/suite_notice.h"
#include "gui/twips.h"
#include "simulator_shell/photo_pair_window.h"
#include "stereo/uniform_source.h"
#include "tests/gui/qt_test_main.h"
#include "tests/gui/saved_picture.h"
#include "tests/gui/window_testing.h"

using flightsim::MainWindow;
using suite::test::control;
using suite::test::fileBytes;
using suite::test::shown;
using suite::test::writeBytes;

namespace {

const QString kNoDtm = QStringLiteral("Θα πρέπει να βάλεις όνομα αρχείου με δεδομένα ΨΜΕ");
const QString kNoOutput = QStringLiteral("Θα πρέπει να βάλεις όνομα αρχείου εξόδου");
const QString kHills = QStringLiteral(SUITE_SAMPLES "/hills-30x30.dtm");

// The title lines in Windows-1253: "Προσομοίωση στέρεο Α/Φ" and "Στέρεο ζεύγος ΨΜΕ", then CR LF.
const std::string kPhotoSimTitle =
    "\xd0\xf1\xef\xf3\xef\xec\xef\xdf\xf9\xf3\xe7\x20\xf3\xf4\xdd\xf1\xe5\xef\x20\xc1\x2f\xd6\r\n";
const std::string kStereoDtmTitle =
    "\xd3\xf4\xdd\xf1\xe5\xef\x20\xe6\xe5\xfd\xe3\xef\xf2\x20\xd8\xcc\xc5\r\n";

/// A main window whose runs draw from a fixed list, as tests need.
std::unique_ptr<MainWindow> makeWindow(suite::Dialogs& dialogs) {
  return std::make_unique<MainWindow>(
      dialogs, std::make_unique<suite::FixedUniformSource>(std::vector<float>{.25f, .5f, .75f}));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  void click(MainWindow& window, const char* button) {
    QTest::mouseClick(control<QPushButton>(window, QString::fromLatin1(button)), Qt::LeftButton);
  }

  /// Chooses the three files through the file buttons, in the order DTM, photo simulation,
  /// stereo DTM.
  void chooseFiles(MainWindow& window, suite::ScriptedDialogs& dialogs, const QString& dtm,
                   const QString& photoSim, const QString& stereoDtm) {
    dialogs.answerOpenFile(dtm);
    dialogs.answerOpenFile(photoSim);
    dialogs.answerOpenFile(stereoDtm);
    click(window, "Command1");
    click(window, "Command2");
    click(window, "Command8");
  }

 private slots:
  void everyCaptionIsAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char* const rows[][2] = {
        {"Frame1", "Παράμετροι προσομοίωσης"},
        {"Frame3", "Προβολικό κέντρο αριστερής Α/Φ"},
        {"Frame2", "Αρχεία - Εντολές"},
        {"Label1(5)", "  Xo"},
        {"Label1(1)", "  Yo"},
        {"Label1(2)", "  θ"},
        {"Label1(3)", "  k"},
        {"Label1(4)", "  σxy"},
        {"Label1(6)", "  F"},
        {"Label1(7)", " H(3,5)"},
        {"Label1(8)", " S*Xo"},
        {"Label3(0)", "       \u03a7-L"},  // Greek Chi
        {"Label3(1)", "       Y-L"},
        {"Label3(2)", "Μέσο Υψ. Εδάφ."},
        {"Label3(3)", "    Βάση"},
        {"Label3(4)", "σ (ΧL-ΥL-ΖL)"},
        {"Label3(5)", "σ (ω-φ-κ)"},
        {"Label3(6)", "Επικάλυψη %"},
        {"Label3(7)", "Πλαίσιο Α/Φ mm"},
        {"Command1", "Όνομα Αρχείου  ΨΜΕ"},
        {"Label1(0)", "\u039aανένα"},
        {"Command2", "Αρχείο προσομοίωσης Α/Φ"},
        {"Label2", "Kανένα"},
        /* Latin K */ {"Command8", "Αρχείο Στέρεο DTM"},
        {"Label4", "\u039aανένα"},
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

  void boxesHoldTheirDefaultsAndAreNamedForAssistiveTools() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    const QStringList text1 = {"0", "0", "0", "1", "0.006", "152", "1.237"};
    const QStringList text2 = {"632900", "4130500", "150", "1000", "10", "3", "60", "230"};
    for (int i = 0; i < text1.size(); ++i)
      QCOMPARE(control<QLineEdit>(window, QStringLiteral("Text1(%1)").arg(i))->text(), text1[i]);
    for (int r = 0; r < text2.size(); ++r)
      QCOMPARE(control<QLineEdit>(window, QStringLiteral("Text2(%1)").arg(r))->text(), text2[r]);
    QCOMPARE(control<QLineEdit>(window, "Text3")->text(), QStringLiteral("0"));
    // The boxes and the fields of the run's texts they fill, whose order the captions cross.
    using Simulation = suite::SimulationParameterTexts;
    QCOMPARE(window.parameterBox(&Simulation::focalMm)->objectName(), QStringLiteral("Text1(5)"));
    QCOMPARE(window.parameterBox(&Simulation::replacementHeight)->objectName(),
             QStringLiteral("Text3"));
    QCOMPARE(window.parameterBox(&Simulation::rightFactor)->objectName(),
             QStringLiteral("Text1(6)"));
    QCOMPARE(window.flightPlanBox(&flightsim::FlightPlanTexts::overlapPercent)->objectName(),
             QStringLiteral("Text2(6)"));
    QCOMPARE(control<QLineEdit>(window, "Text1(5)")->accessibleName(), QStringLiteral("F"));
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
      QVERIFY(!box->accessibleName().isEmpty());
  }

  void controlsSitAtTheirTwips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Frame1") << "Frame1"
                            << "Form1" << QRect(120, 240, 4575, 1455);
    QTest::newRow("Frame3") << "Frame3"
                            << "Form1" << QRect(4800, 240, 2895, 2535);
    QTest::newRow("Frame2") << "Frame2"
                            << "Form1" << QRect(240, 2880, 7455, 2535);
    QTest::newRow("Label1(5)") << "Label1(5)"
                               << "Frame1" << QRect(120, 240, 615, 255);
    QTest::newRow("Text1(4)") << "Text1(4)"
                              << "Frame1" << QRect(3000, 240, 1455, 285);
    QTest::newRow("Text2(7)") << "Text2(7)"
                              << "Frame3" << QRect(1560, 1920, 975, 285);
    QTest::newRow("Label2") << "Label2"
                            << "Frame2" << QRect(2520, 600, 4815, 375);
    QTest::newRow("Command5") << "Command5"
                              << "Frame2" << QRect(3000, 1560, 1335, 855);
    QTest::newRow("Command7") << "Command7"
                              << "Frame2" << QRect(5880, 1680, 1095, 615);
  }
  void controlsSitAtTheirTwips() {
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QRect, twips);
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    auto* widget = control<QWidget>(window, name);
    QCOMPARE(widget->parentWidget()->objectName(), frame);
    // Each edge is within half a pixel (7.5 twips) of its design position.
    const QRect px = widget->geometry();
    QVERIFY(qAbs(px.left() * 15 - twips.left()) <= 7);
    QVERIFY(qAbs(px.top() * 15 - twips.top()) <= 7);
    QVERIFY(qAbs((px.left() + px.width()) * 15 - (twips.left() + twips.width())) <= 7);
    QVERIFY(qAbs((px.top() + px.height()) * 15 - (twips.top() + twips.height())) <= 7);
  }

  void windowHasItsDesignedClientSizeAtTheTopLeftAndAFrameInLightColour() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.size(), suite::sizeFromTwips(7890, 5730));
    QCOMPARE(window.pos(), QPoint(0, 0));
    QVERIFY(window.screenTwips().width > 0);
    auto* frame1 = control<QWidget>(window, "Frame1");
    QVERIFY(frame1->autoFillBackground());
    QCOMPARE(frame1->palette().color(QPalette::Window), window.palette().color(QPalette::Midlight));
  }

  void aChosenFileShowsInItsOwnLabelAndSetsItsFlag() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.answerOpenFile(QStringLiteral("/data/out.txt"));
    dialogs.answerOpenFile(QStringLiteral("/data/stereo.dtm"));
    click(window, "Command2");
    click(window, "Command8");

    QCOMPARE(control<QLabel>(window, "Label2")->text(), QStringLiteral("/data/out.txt"));
    QCOMPARE(control<QLabel>(window, "Label4")->text(), QStringLiteral("/data/stereo.dtm"));
    QCOMPARE(control<QLabel>(window, "Label1(0)")->text(), QStringLiteral("Κανένα"));
    const flightsim::FlightFiles& files = window.state().files;
    QVERIFY(files.photoSim && files.stereoDtm && !files.dtm);
    QCOMPARE(files.stereoDtm, std::optional<std::string>("/data/stereo.dtm"));
    QCOMPARE(dialogs.openFileFilters(), (std::vector<QString>{"All Files|*.*|", "All Files|*.*|"}));
  }

  void anExistingFileIsTakenToBeWrittenOnlyAfterAYes() {
    QTemporaryDir folder;
    const QString earlierPhotos = folder.filePath(QStringLiteral("φωτο.txt"));
    const QString earlierStereo = folder.filePath(QStringLiteral("stereo.dtm"));
    const QString newPhotos = folder.filePath(QStringLiteral("νέο.txt"));
    writeBytes(earlierPhotos, "earlier\r\n");
    writeBytes(earlierStereo, "earlier stereo\r\n");
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    auto* photosLabel = control<QLabel>(*window, "Label2");

    // The DTM grid file, read by a run, is taken without a question, and so is a new output
    // file.
    dialogs.answerOpenFile(kHills);
    click(*window, "Command1");
    dialogs.answerOpenFile(newPhotos);
    click(*window, "Command2");
    QCOMPARE(dialogs.questions(), std::vector<QString>{});
    QCOMPARE(photosLabel->text(), newPhotos);

    // The sample DTM, or any existing file, picked as the photo simulation file: asked, and a
    // No (or closing the question) keeps the earlier choice.
    dialogs.answerOpenFile(kHills);
    dialogs.answerQuestion(false);
    click(*window, "Command2");
    dialogs.answerOpenFile(earlierPhotos);
    click(*window, "Command2");  // no answer queued: the question closed
    QCOMPARE(dialogs.questions(), (std::vector<QString>{suite::replaceQuestion(kHills),
                                                        suite::replaceQuestion(earlierPhotos)}));
    QVERIFY(dialogs.questions()[0].contains(QStringLiteral("hills-30x30.dtm")));
    QCOMPARE(photosLabel->text(), newPhotos);
    QCOMPARE(window->state().files.photoSim, std::optional<std::string>(newPhotos.toStdString()));
    QCOMPARE(window->state().files.dtm, std::optional<std::string>(kHills.toStdString()));
    // With nothing chosen before, a No leaves the stereo DTM file unchosen.
    dialogs.answerOpenFile(earlierStereo);
    click(*window, "Command8");
    QCOMPARE(control<QLabel>(*window, "Label4")->text(), QStringLiteral("Κανένα"));
    QVERIFY(!window->state().files.stereoDtm);

    // A Yes takes it; the run then replaces it without asking again.
    dialogs.clearRecord();
    dialogs.answerOpenFile(earlierPhotos);
    dialogs.answerQuestion(true);
    click(*window, "Command2");
    dialogs.answerOpenFile(earlierStereo);
    dialogs.answerQuestion(true);
    click(*window, "Command8");
    QCOMPARE(dialogs.questions().size(), std::size_t{2});
    QCOMPARE(photosLabel->text(), earlierPhotos);
    click(*window, "Command3");
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QCOMPARE(dialogs.questions().size(), std::size_t{2});
    QVERIFY(fileBytes(earlierPhotos).rfind(kPhotoSimTitle, 0) == 0);
    QVERIFY(fileBytes(earlierStereo).rfind(kStereoDtmTitle, 0) == 0);
    QVERIFY(!QFileInfo::exists(newPhotos));
    QVERIFY(fileBytes(kHills).rfind("30,30,", 0) == 0);
  }

  void aCancelledChoiceChangesNothing() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.answerOpenFile(std::nullopt);
    click(window, "Command2");
    QCOMPARE(control<QLabel>(window, "Label2")->text(), QStringLiteral("Kανένα"));
    QVERIFY(!window.state().files.photoSim);

    dialogs.answerOpenFile(QStringLiteral("/data/α.dtm"));
    dialogs.answerOpenFile(std::nullopt);
    click(window, "Command1");
    click(window, "Command1");
    QCOMPARE(control<QLabel>(window, "Label1(0)")->text(), QStringLiteral("/data/α.dtm"));
    QVERIFY(window.state().files.dtm);
    QCOMPARE(window.state().files.dtm, std::optional<std::string>("/data/α.dtm"));
    QVERIFY(dialogs.messages().empty());
  }

  void runsAreRefusedWithTheirMessagesInOrder() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    click(window, "Command3");  // Simulate with nothing chosen: the DTM file is asked for first
    click(window, "Command6");  // Draw without a DTM file
    QCOMPARE(dialogs.messages(), (std::vector<QString>{kNoDtm, kNoDtm}));

    dialogs.clearRecord();
    dialogs.answerOpenFile(kHills);
    click(window, "Command1");
    click(window, "Command3");  // Simulate with a DTM file but no output file
    QCOMPARE(dialogs.messages(), std::vector<QString>{kNoOutput});
    QVERIFY(window.photoPairWindow() == nullptr);

    dialogs.clearRecord();
    click(window, "Command6");  // Draw needs no output file
    QVERIFY(dialogs.messages().empty());
    QVERIFY(window.photoPairWindow() != nullptr && window.photoPairWindow()->isVisible());
  }

  void simulateWritesBothFilesSilently() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    const QString photoSim = folder.filePath(QStringLiteral("φωτο.txt"));
    const QString stereoDtm = folder.filePath(QStringLiteral("stereo.dtm"));
    chooseFiles(*window, dialogs, kHills, photoSim, stereoDtm);
    click(*window, "Command3");

    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QVERIFY(fileBytes(photoSim).rfind(kPhotoSimTitle, 0) == 0);
    QVERIFY(fileBytes(stereoDtm).rfind(kStereoDtmTitle, 0) == 0);
    QVERIFY(window->photoPairWindow() == nullptr);
  }

  void drawShowsThePairAndLeavesThePhotoSimulationFileUntouched() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    const QString photoSim = folder.filePath(QStringLiteral("photo.txt"));
    const QString stereoDtm = folder.filePath(QStringLiteral("stereo.dtm"));
    writeBytes(photoSim, "earlier\r\n");
    dialogs.answerQuestion(true);  // the existing photo simulation file may be replaced
    chooseFiles(*window, dialogs, kHills, photoSim, stereoDtm);
    QCOMPARE(dialogs.questions(), std::vector<QString>{suite::replaceQuestion(photoSim)});
    click(*window, "Command6");

    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    suite::PhotoPairWindow* form3 = window->photoPairWindow();
    QVERIFY(form3 != nullptr && form3->isVisible());
    QCOMPARE(form3->objectName(), QStringLiteral("Form3"));
    QCOMPARE(form3->windowTitle(), QStringLiteral("Σχεδίασε στέρεο Α/Φ"));
    const suite::TwipsRect screen{1, 1, window->screenTwips().width,
                                  window->screenTwips().height};
    QCOMPARE(form3->frameGeometry(),
             suite::rectFromTwips(screen.left, screen.top, screen.width, screen.height));
    QCOMPARE(fileBytes(photoSim), std::string("earlier\r\n"));
    QVERIFY(fileBytes(stereoDtm).rfind(kStereoDtmTitle, 0) == 0);  // written in Draw too

    // A second drawing reuses the window.
    form3->hide();
    click(*window, "Command6");
    QCOMPARE(window->photoPairWindow(), form3);
    QVERIFY(form3->isVisible());
  }

  void aDrawnPairIsSavedAsDrawnWithoutDrawingNewErrors() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    auto source = std::make_unique<suite::FixedUniformSource>(std::vector<float>{.25f, .5f, .75f});
    const suite::FixedUniformSource& errors = *source;
    MainWindow window(dialogs, std::move(source));
    dialogs.answerOpenFile(kHills);
    click(window, "Command1");
    click(window, "Command6");
    suite::PhotoPairWindow* form3 = window.photoPairWindow();
    QVERIFY(form3 != nullptr && QTest::qWaitForWindowActive(form3));
    const std::size_t drawn = errors.drawn();
    QVERIFY(drawn > 0);
    const QImage picture = form3->picture().image();

    const QString svgPath = folder.filePath(QStringLiteral("pair.svg"));
    const QString pngPath = folder.filePath(QStringLiteral("pair.png"));
    dialogs.answerSaveFile(suite::SaveFileAnswer{svgPath, 1});
    QTest::keyClick(form3, Qt::Key_S, Qt::ControlModifier);
    dialogs.answerSaveFile(suite::SaveFileAnswer{pngPath, 0});
    form3->pictureSaving().action().trigger();
    QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
    QCOMPARE(dialogs.saveFileCalls().size(), std::size_t{2});
    // Offered beside the DTM grid file, named after it and the program.
    QCOMPARE(dialogs.saveFileCalls()[0].suggestedPath,
             QStringLiteral(SUITE_SAMPLES "/hills-30x30-flightsim.png"));

    // The pair as it was drawn, with the errors of its run: none is drawn anew.
    QCOMPARE(errors.drawn(), drawn);
    QCOMPARE(form3->picture().image(), picture);
    QImage png;
    QVERIFY(png.loadFromData(suite::picture_testing::fileBytes(pngPath), "PNG"));
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32), picture);
    const suite::picture_testing::SvgDrawing svg =
        suite::picture_testing::readSvg(suite::picture_testing::fileBytes(svgPath));
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
    QVERIFY(svg.polylines.size() > 10);
    QCOMPARE(svg.polylines.front().stroke, QColor(255, 0, 0));
    QCOMPARE(svg.polylines.back().stroke, QColor(0, 255, 0));
    const QStringList lines = svg.textLines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral(" "));
    QVERIFY(lines[1].startsWith(QStringLiteral("A/Φ: 111, 152 ,")));
    QVERIFY(lines[2].startsWith(QStringLiteral("Α/Φ: 222, 152 ,")));
  }

  void aFailingRunTellsWhyAndLeavesEveryFileAsItWas() {
    QTemporaryDir folder;
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    const QString photoSim = folder.filePath(QStringLiteral("photo.txt"));
    const QString stereoDtm = folder.filePath(QStringLiteral("stereo.dtm"));
    writeBytes(photoSim, "photo\r\n");
    writeBytes(stereoDtm, "stereo\r\n");
    chooseFiles(*window, dialogs, kHills, photoSim, stereoDtm);
    control<QLineEdit>(*window, "Text2(6)")->setText(QStringLiteral("100"));  // overlap 100 %
    click(*window, "Command3");
    click(*window, "Command6");

    QCOMPARE(dialogs.messages().size(), std::size_t{2});
    for (const QString& message : dialogs.messages()) {
      QVERIFY(message.contains(QRegularExpression(QStringLiteral("[\u0391-\u03c9]"))));
      QVERIFY(!message.startsWith(QStringLiteral("Απρόσμενο")));
    }
    QCOMPARE(fileBytes(photoSim), std::string("photo\r\n"));
    QCOMPARE(fileBytes(stereoDtm), std::string("stereo\r\n"));
    QVERIFY(window->photoPairWindow() == nullptr || !window->photoPairWindow()->isVisible());
  }

  void helpOpensBesideTheMainWindowAndPrintsItsTextOnce() {
    suite::ScriptedDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    click(window, "Command4");
    click(window, "Command4");

    suite::HelpWindow* form2 = window.helpWindow();
    QVERIFY(form2 != nullptr && form2->isVisible());
    QCOMPARE(form2->objectName(), QStringLiteral("Form2"));
    QCOMPARE(form2->windowTitle(), QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων"));
    QCOMPARE(form2->printedLines(), flightsim::helpLines());
    QCOMPARE(form2->printedLines().size(), std::size_t{49});
    const QRect frame = form2->frameGeometry();
    QCOMPARE(frame.topLeft(), suite::pointFromTwips(5000, 1));
    QCOMPARE(frame.height(), suite::twipsToPixels(window.screenTwips().height));

    // The main window stays usable while the help is open.
    click(window, "Command5");
    QCOMPARE(dialogs.messages(), std::vector<QString>{suite::suiteNotice()});

    QTest::mouseClick(form2->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!form2->isVisible());
    click(window, "Command4");
    QVERIFY(form2->isVisible());
    QCOMPARE(window.helpWindow(), form2);
    QCOMPARE(form2->printedLines().size(), std::size_t{49});
  }

  void finishClosesEveryWindow() {
    suite::ScriptedDialogs dialogs;
    auto window = makeWindow(dialogs);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    dialogs.answerOpenFile(kHills);
    click(*window, "Command1");
    click(*window, "Command6");
    click(*window, "Command4");
    QVERIFY(window->photoPairWindow()->isVisible() && window->helpWindow()->isVisible());

    click(*window, "Command7");
    QVERIFY(!window->isVisible());
    QVERIFY(!window->helpWindow()->isVisible());
    QVERIFY(!window->photoPairWindow()->isVisible());
    QVERIFY(dialogs.messages().empty());
  }
};

int main(int argc, char** argv) {
  // As the program runs: with the Greek default locale, which must leave its numbers alone.
  return suite::test::runQtTests(argc, argv, {[](int c, char** v) {
                                   MainWindowTest test;
                                   return QTest::qExec(&test, c, v);
                                 }},
                                 QStringLiteral("flightsim"));
}

#include "main_window_test.moc"
