#include "pairsim/main_window.h"

#include <QGroupBox>

#include "gui/form_controls.h"
#include "gui/window_placement.h"
#include "pairsim/help_text.h"

namespace pairsim {

suite::PhotoPairInput photoPairInput(const PairResult& result) {
  suite::PhotoPairInput input;
  input.rows = result.header.rows;
  input.columns = result.header.columns;
  input.points = result.projection.points;
  input.extremes = result.projection.extremes;
  input.focalMm = result.focalMm;
  input.left = result.left;
  input.right = result.right;
  return input;
}

MainWindow::MainWindow(suite::Dialogs& dialogs, std::unique_ptr<suite::UniformSource> source,
                       QWidget* parent)
    // Frame1's caption is English here, where flightsim's is Greek.
    : suite::SimulatorWindow(dialogs, QStringLiteral("pairsim"), 4545,
                             QStringLiteral("Simulation parameters"), parent) {
  state_.source = source ? std::move(source) : std::make_unique<suite::ClockUniformSource>();
  buildDataFrame();
  const QSize screen = suite::screenSizeTwips();
  state_.screenWidthTwips = screen.width();
  state_.screenHeightTwips = screen.height();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildDataFrame() {
  QGroupBox* frame =
      suite::addFrame(this, QStringLiteral("Frame2"), QStringLiteral("Δεδομένα προσομοίωσης"),
                      {120, 2280, 7095, 1815});
  PairFiles& files = state_.files;
  addFileChoice(frame, QStringLiteral("Command1"), QStringLiteral("Όνομα Αρχείου  ΨΜΕ"),
                {120, 240, 2052, 375}, QStringLiteral("Label1(0)"), QStringLiteral("Κανένα"),
                {2160, 240, 4815, 375}, files.inputPath, files.inputChosen);
  // Label2 begins with a Latin K, Label1(0) with a Greek Kappa.
  addFileChoice(frame, QStringLiteral("Command2"), QStringLiteral("Όνομα Αρχείου Εξόδου"),
                {120, 600, 2052, 375}, QStringLiteral("Label2"), QStringLiteral("Kανένα"),
                {2160, 600, 4815, 375}, files.outputPath, files.outputChosen);
  addCommands(frame, 960, 1080);
}

PairParameterTexts MainWindow::parameterTexts() const {
  PairParameterTexts texts;
  texts.simulation = parameterBoxes().simulationTexts();
  texts.replacementHeight = parameterBoxes().replacementHeightText();
  return texts;
}

void MainWindow::run(RunMode mode) {
  state_.runMode = mode;
  // The run checks the file choices itself and throws suite::UserError for every refusal or
  // failure; the window shows its message.
  const PairResult result =
      runPairSimulation(mode, parameterTexts(), state_.files, state_.errors, *state_.source);
  if (mode != RunMode::Draw) return;
  lastDrawing_.reset();
  lastDrawing_ =
      drawPhotoPair(state_.screenWidthTwips, state_.screenHeightTwips, photoPairInput(result),
                    suite::PhotoPairStyle::pairsim(), state_.files.inputPath);
}

void MainWindow::openHelp() {
  openSimulatorHelp(helpLines(), state_.screenHeightTwips);
}

}  // namespace pairsim
