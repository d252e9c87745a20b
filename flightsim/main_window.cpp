#include "flightsim/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "flightsim/help_text.h"
#include "gui/classic_frame.h"
#include "gui/command_button.h"
#include "gui/dialogs.h"
#include "gui/guarded_action.h"
#include "gui/help_window.h"
#include "gui/photo_pair_window.h"
#include "gui/twips.h"
#include "gui/window_font.h"

namespace flightsim {

namespace {

const QString kAllFiles = QStringLiteral("All Files|*.*|");

/// A frame with a caption; the controls inside are placed relative to its top-left corner.
QGroupBox* addFrame(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
  auto* frame = new suite::ClassicFrame(caption, parent);
  frame->setObjectName(name);
  frame->setGeometry(suite::rectFromTwips(left, top, width, height));
  return frame;
}

}  // namespace

const QString& MainWindow::notice() {
  static const QString text = QStringLiteral(
      "Προσομοίωση εικονοσυντεταγμένων: πρόγραμμα για τη διδασκαλία της φωτογραμμετρίας.\n"
      "\n"
      "Άδεια: το πρόγραμμα διατίθεται ελεύθερα για διδασκαλία και μελέτη. Μπορείτε να το "
      "χρησιμοποιείτε, να το αντιγράφετε και να το μοιράζεστε για τους σκοπούς αυτούς.\n"
      "\n"
      "Περιορισμοί: το πρόγραμμα παρέχεται «ως έχει», χωρίς καμία εγγύηση ορθότητας ή "
      "καταλληλότητας για συγκεκριμένο σκοπό. Οι φωτογραφίες και οι συντεταγμένες που παράγει "
      "είναι προσομοιώσεις για εκπαίδευση και δεν προορίζονται για παραγωγή χαρτών ή για "
      "μετρήσεις στην πράξη. Την ευθύνη για τη χρήση των αποτελεσμάτων την έχει ο χρήστης.\n"
      "\n"
      "Τα δείγματα ψηφιακού μοντέλου εδάφους (ΨΜΕ) και η προέλευσή τους περιγράφονται στο "
      "samples/README.md.");
  return text;
}

const QString& MainWindow::helpCaption() {
  static const QString caption = QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων");
  return caption;
}

MainWindow::MainWindow(suite::Dialogs& dialogs, std::unique_ptr<suite::UniformSource> source,
                       QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
  state_.source = source ? std::move(source) : std::make_unique<suite::ClockUniformSource>();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Προσομοίωση εικονοσυντεταγμένων"));
  setFont(suite::windowFont());
  resize(suite::sizeFromTwips(7890, 5730));

  buildSimulationFrame();
  buildCentreFrame();
  buildFilesFrame();

  // The drawing window covers the whole screen, so the screen's full size is kept, not only
  // the part free of panels.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    state_.screenWidthTwips = suite::pixelsToTwips(screen->size().width());
    state_.screenHeightTwips = suite::pixelsToTwips(screen->size().height());
  }
  move(suite::pointFromTwips(1, 1));
}

MainWindow::~MainWindow() = default;

QLineEdit* MainWindow::addBox(QWidget* frame, const QString& name, const QString& labelName,
                              const QString& caption, int labelLeft, int labelWidth, int boxLeft,
                              int boxWidth, int top, const QString& defaultText) {
  auto* label = new QLabel(caption, frame);
  label->setObjectName(labelName);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(suite::rectFromTwips(labelLeft, top, labelWidth, 255));

  auto* box = new QLineEdit(defaultText, frame);
  box->setObjectName(name);
  box->setGeometry(suite::rectFromTwips(boxLeft, top, boxWidth, 285));
  box->setAccessibleName(caption.trimmed());
  box->setAccessibleDescription(name);
  label->setBuddy(box);
  return box;
}

QPushButton* MainWindow::addCommand(QWidget* frame, const QString& name, const QString& caption,
                                    int left, int top, int width, int height) {
  auto* button = new suite::CommandButton(caption, frame);
  button->setObjectName(name);
  button->setGeometry(suite::rectFromTwips(left, top, width, height));
  return button;
}

QLabel* MainWindow::addFileLabel(QWidget* frame, const QString& name, const QString& caption,
                                 int left, int top, int width, int height) {
  auto* label = new QLabel(caption, frame);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setIndent(6);  // keeps the name clear of the button it overlaps slightly
  label->setGeometry(suite::rectFromTwips(left, top, width, height));
  return label;
}

void MainWindow::buildSimulationFrame() {
  QGroupBox* frame = addFrame(this, QStringLiteral("Frame1"),
                              QStringLiteral("Παράμετροι προσομοίωσης"), 120, 240, 4575, 1455);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Midlight));
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);

  struct Row {
    const char* box;
    const char* label;
    const char* caption;
    int labelLeft;
    int boxLeft;
    int top;
    const char* defaultText;
  };
  // Label1(0) is the DTM file name in the files frame; the parameter captions go on from 1, with
  // Xo's caption as Label1(5).
  static const Row rows[] = {
      {"Text1(0)", "Label1(5)", "  Xo", 120, 720, 240, "0"},
      {"Text1(1)", "Label1(1)", "  Yo", 120, 720, 480, "0"},
      {"Text1(2)", "Label1(2)", "  θ", 120, 720, 720, "0"},
      {"Text1(3)", "Label1(3)", "  k", 120, 720, 960, "1"},
      {"Text1(4)", "Label1(4)", "  σxy", 2400, 3000, 240, "0.006"},
      {"Text1(5)", "Label1(6)", "  F", 2400, 3000, 480, "152"},
      {"Text3", "Label1(7)", " H(3,5)", 2400, 3000, 720, "0"},
      {"Text1(6)", "Label1(8)", " S*Xo", 2400, 3000, 960, "1.237"},
  };
  std::size_t next = 0;
  for (const Row& row : rows) {
    QLineEdit* box = addBox(frame, QString::fromUtf8(row.box), QString::fromUtf8(row.label),
                            QString::fromUtf8(row.caption), row.labelLeft, 615, row.boxLeft, 1455,
                            row.top, QString::fromUtf8(row.defaultText));
    if (QLatin1String(row.box) == QLatin1String("Text3")) {
      text3_ = box;
    } else {
      text1_.at(next++) = box;
    }
  }
}

void MainWindow::buildCentreFrame() {
  QGroupBox* frame =
      addFrame(this, QStringLiteral("Frame3"), QStringLiteral("Προβολικό κέντρο αριστερής Α/Φ"),
               4800, 240, 2895, 2535);
  // Row 0 starts with a Greek capital Chi, row 1 with a Latin Y.
  static const char* const captions[8][2] = {
      {"       Χ-L", "632900"}, {"       Y-L", "4130500"}, {"Μέσο Υψ. Εδάφ.", "150"},
      {"    Βάση", "1000"},     {"σ (ΧL-ΥL-ΖL)", "10"},    {"σ (ω-φ-κ)", "3"},
      {"Επικάλυψη %", "60"},    {"Πλαίσιο Α/Φ mm", "230"},
  };
  for (int r = 0; r < 8; ++r) {
    text2_.at(static_cast<std::size_t>(r)) =
        addBox(frame, QStringLiteral("Text2(%1)").arg(r), QStringLiteral("Label3(%1)").arg(r),
               QString::fromUtf8(captions[r][0]), 120, 1455, 1560, 975, 240 + 240 * r,
               QString::fromUtf8(captions[r][1]));
  }
}

void MainWindow::buildFilesFrame() {
  QGroupBox* frame = addFrame(this, QStringLiteral("Frame2"), QStringLiteral("Αρχεία - Εντολές"),
                              240, 2880, 7455, 2535);
  QPushButton* dtm = addCommand(frame, QStringLiteral("Command1"),
                                QStringLiteral("Όνομα Αρχείου  ΨΜΕ"), 120, 240, 2052, 375);
  dtmLabel_ = addFileLabel(frame, QStringLiteral("Label1(0)"), QStringLiteral("Κανένα"), 2160, 240,
                           5175, 375);
  QPushButton* photoSim =
      addCommand(frame, QStringLiteral("Command2"), QStringLiteral("Αρχείο προσομοίωσης Α/Φ"), 120,
                 600, 2415, 375);
  // Begins with a Latin K, unlike the other two.
  photoSimLabel_ =
      addFileLabel(frame, QStringLiteral("Label2"), QStringLiteral("Kανένα"), 2520, 600, 4815, 375);
  QPushButton* stereoDtm = addCommand(frame, QStringLiteral("Command8"),
                                      QStringLiteral("Αρχείο Στέρεο DTM"), 120, 960, 2055, 375);
  stereoDtmLabel_ =
      addFileLabel(frame, QStringLiteral("Label4"), QStringLiteral("Κανένα"), 2160, 960, 5175, 375);
  QPushButton* notice =
      addCommand(frame, QStringLiteral("Command5"), QStringLiteral("Πληροφορίες άδεια περιορισμοί"),
                 3000, 1560, 1335, 855);
  QPushButton* draw = addCommand(frame, QStringLiteral("Command6"), QStringLiteral("Σχεδίασε"), 120,
                                 1680, 1095, 615);
  QPushButton* simulate = addCommand(frame, QStringLiteral("Command3"),
                                     QStringLiteral("Προσομοίωσε"), 1440, 1680, 1335, 615);
  QPushButton* help = addCommand(frame, QStringLiteral("Command4"), QStringLiteral("Βοήθεια"), 4560,
                                 1680, 1095, 615);
  QPushButton* finish = addCommand(frame, QStringLiteral("Command7"), QStringLiteral("Τελείωσε"),
                                   5880, 1680, 1095, 615);

  connect(dtm, &QPushButton::clicked, this, &MainWindow::chooseDtmFile);
  connect(photoSim, &QPushButton::clicked, this, &MainWindow::choosePhotoSimFile);
  connect(stereoDtm, &QPushButton::clicked, this, &MainWindow::chooseStereoDtmFile);
  connect(notice, &QPushButton::clicked, this, &MainWindow::showNotice);
  connect(draw, &QPushButton::clicked, this, &MainWindow::draw);
  connect(simulate, &QPushButton::clicked, this, &MainWindow::simulate);
  connect(help, &QPushButton::clicked, this, &MainWindow::showHelp);
  connect(finish, &QPushButton::clicked, this, &MainWindow::finish);
}

void MainWindow::chooseFile(QLabel* label, std::string& path, bool& chosen) {
  suite::runGuarded(dialogs_, this, [&] {
    const std::optional<QString> name = dialogs_.openFile(this, kAllFiles);
    // A cancelled dialog keeps the earlier choice, or no choice at all, as it was.
    if (!name || name->isEmpty()) return;
    path = name->toStdString();
    chosen = true;
    label->setText(*name);
    label->setToolTip(*name);
  });
}

void MainWindow::chooseDtmFile() {
  chooseFile(dtmLabel_, state_.files.dtmPath, state_.files.dtmChosen);
}

void MainWindow::choosePhotoSimFile() {
  chooseFile(photoSimLabel_, state_.files.photoSimPath, state_.files.photoSimChosen);
}

void MainWindow::chooseStereoDtmFile() {
  chooseFile(stereoDtmLabel_, state_.files.stereoDtmPath, state_.files.stereoDtmChosen);
}

void MainWindow::draw() {
  startRun(RunMode::Draw);
}

void MainWindow::simulate() {
  startRun(RunMode::Simulate);
}

void MainWindow::startRun(RunMode mode) {
  suite::runGuarded(dialogs_, this, [&] {
    state_.runMode = mode;
    executeRun(mode);
  });
}

FlightParameterTexts MainWindow::parameterTexts() const {
  FlightParameterTexts texts;
  for (std::size_t i = 0; i < text1_.size(); ++i)
    texts.simulation.at(i) = text1_.at(i)->text().toStdString();
  for (std::size_t r = 0; r < text2_.size(); ++r)
    texts.flight.at(r) = text2_.at(r)->text().toStdString();
  texts.replacementHeight = text3_->text().toStdString();
  return texts;
}

void MainWindow::executeRun(RunMode mode) {
  // The run checks the file choices itself and throws suite::UserError for every refusal or
  // failure; runGuarded shows its message.
  const FlightResult result =
      runFlightSimulation(mode, parameterTexts(), state_.files, state_.errors, *state_.source);
  for (const std::string& notice : result.notices) {
    dialogs_.message(this, QString::fromStdString(notice));
  }
  if (mode == RunMode::Draw) drawPair(result);
}

void MainWindow::drawPair(const FlightResult& result) {
  suite::PhotoPairInput input;
  input.rows = result.windowRows;
  input.columns = result.windowColumns;
  input.points = result.projection.points;
  input.extremes = result.projection.extremes;
  input.focalMm = result.focalMm;
  input.left = result.left;
  input.right = result.right;
  if (!photoPairWindow_) photoPairWindow_ = std::make_unique<suite::PhotoPairWindow>();
  photoPairWindow_->draw(state_.screenWidthTwips, state_.screenHeightTwips, input,
                         suite::PhotoPairStyle::flightsim());
}

void MainWindow::showHelp() {
  suite::runGuarded(dialogs_, this, [&] {
    if (!helpWindow_) helpWindow_ = std::make_unique<suite::HelpWindow>();
    helpWindow_->open(helpCaption(), helpLines(), state_.screenHeightTwips);
  });
}

void MainWindow::showNotice() {
  suite::runGuarded(dialogs_, this, [&] { dialogs_.message(this, notice()); });
}

void MainWindow::finish() {
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program, secondary windows included.
  event->accept();
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace flightsim
