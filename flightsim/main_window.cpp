#include "flightsim/main_window.h"

#include <QGroupBox>
#include <QLineEdit>

#include "flightsim/help_text.h"
#include "gui/dialogs.h"
#include "gui/form_controls.h"
#include "gui/window_placement.h"

namespace flightsim {

MainWindow::MainWindow(suite::Dialogs& dialogs, std::unique_ptr<suite::UniformSource> source,
                       QWidget* parent)
    : suite::SimulatorWindow(dialogs, QStringLiteral("flightsim"), 5730,
                             QStringLiteral("Παράμετροι προσομοίωσης"), parent) {
  state_.source = source ? std::move(source) : std::make_unique<suite::ClockUniformSource>();
  buildCentreFrame();
  buildFilesFrame();
  const QSize screen = suite::screenSizeTwips();
  state_.screenWidthTwips = screen.width();
  state_.screenHeightTwips = screen.height();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildCentreFrame() {
  QGroupBox* frame =
      suite::addFrame(this, QStringLiteral("Frame3"),
                      QStringLiteral("Προβολικό κέντρο αριστερής Α/Φ"), {4800, 240, 2895, 2535});
  // Row 0 starts with a Greek capital Chi, row 1 with a Latin Y.
  static const char* const captions[8][2] = {
      {"       Χ-L", "632900"}, {"       Y-L", "4130500"}, {"Μέσο Υψ. Εδάφ.", "150"},
      {"    Βάση", "1000"},     {"σ (ΧL-ΥL-ΖL)", "10"},    {"σ (ω-φ-κ)", "3"},
      {"Επικάλυψη %", "60"},    {"Πλαίσιο Α/Φ mm", "230"},
  };
  for (int r = 0; r < 8; ++r) {
    const int top = 240 + 240 * r;
    text2_.at(static_cast<std::size_t>(r)) = suite::addParameterBox(
        frame, QStringLiteral("Text2(%1)").arg(r), QStringLiteral("Label3(%1)").arg(r),
        QString::fromUtf8(captions[r][0]), {120, top, 1455, 255}, {1560, top, 975, 285},
        QString::fromUtf8(captions[r][1]));
  }
}

void MainWindow::buildFilesFrame() {
  QGroupBox* frame = suite::addFrame(this, QStringLiteral("Frame2"),
                                     QStringLiteral("Αρχεία - Εντολές"), {240, 2880, 7455, 2535});
  FlightFiles& files = state_.files;
  addFileChoice(frame, QStringLiteral("Command1"), QStringLiteral("Όνομα Αρχείου  ΨΜΕ"),
                {120, 240, 2052, 375}, QStringLiteral("Label1(0)"), QStringLiteral("Κανένα"),
                {2160, 240, 5175, 375}, files.dtmPath, files.dtmChosen);
  // Label2 begins with a Latin K, unlike the other two.
  addFileChoice(frame, QStringLiteral("Command2"), QStringLiteral("Αρχείο προσομοίωσης Α/Φ"),
                {120, 600, 2415, 375}, QStringLiteral("Label2"), QStringLiteral("Kανένα"),
                {2520, 600, 4815, 375}, files.photoSimPath, files.photoSimChosen);
  addFileChoice(frame, QStringLiteral("Command8"), QStringLiteral("Αρχείο Στέρεο DTM"),
                {120, 960, 2055, 375}, QStringLiteral("Label4"), QStringLiteral("Κανένα"),
                {2160, 960, 5175, 375}, files.stereoDtmPath, files.stereoDtmChosen);
  addCommands(frame, 1560, 1680);
}

FlightParameterTexts MainWindow::parameterTexts() const {
  FlightParameterTexts texts;
  texts.simulation = parameterBoxes().simulationTexts();
  for (std::size_t r = 0; r < text2_.size(); ++r)
    texts.flight.at(r) = text2_.at(r)->text().toStdString();
  texts.replacementHeight = parameterBoxes().replacementHeightText();
  return texts;
}

void MainWindow::run(RunMode mode) {
  state_.runMode = mode;
  // The run checks the file choices itself and throws suite::UserError for every refusal or
  // failure; the window shows its message.
  const FlightResult result =
      runFlightSimulation(mode, parameterTexts(), state_.files, state_.errors, *state_.source);
  for (const std::string& notice : result.notices) {
    dialogs().message(this, QString::fromStdString(notice));
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
  drawPhotoPair(state_.screenWidthTwips, state_.screenHeightTwips, input,
                suite::PhotoPairStyle::flightsim(), state_.files.dtmPath);
}

void MainWindow::openHelp() {
  openSimulatorHelp(helpLines(), state_.screenHeightTwips);
}

}  // namespace flightsim
