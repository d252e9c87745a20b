#include "pairsim/main_window.h"

#include "pairsim/help_text.h"

namespace pairsim {

namespace {

// clang-format off
const suite::FilesFrameDesign kFilesFrame = {"Δεδομένα προσομοίωσης", {120, 2280, 7095, 1815}, 960, 1080};
// Label2 begins with a Latin K, Label1(0) with a Greek Kappa.
const suite::FileChoiceDesign kOutputChoice = {
    "Command2", "Όνομα Αρχείου Εξόδου", {120, 600, 2052, 375}, "Label2", "Kανένα", {2160, 600, 4815, 375},
    suite::FileUse::Written};
// clang-format on

}  // namespace

MainWindow::MainWindow(suite::Dialogs& dialogs, std::unique_ptr<suite::UniformSource> source,
                       QWidget* parent)
    // Frame1's caption is English here, where flightsim's is Greek.
    : suite::SimulatorWindow(dialogs, QStringLiteral("pairsim"), 4545,
                             QStringLiteral("Simulation parameters"), helpLines(), parent),
      state_(std::move(source)) {
  PairFiles& files = state_.files;
  addFilesFrame(
      kFilesFrame,
      {{inputFileChoice(4815), [&files](std::string path) { files.input = std::move(path); }},
       {kOutputChoice, [&files](std::string path) { files.output = std::move(path); }}});
}

MainWindow::~MainWindow() = default;

void MainWindow::run(RunMode mode) {
  // The run checks the file choices itself and throws suite::UserError for every refusal or
  // failure; the window shows its message.
  const PairResult result =
      runPairSimulation(mode, parameterTexts(), state_.files, state_.errors, *state_.source);
  if (mode != RunMode::Draw) return;
  lastDrawing_.reset();
  lastDrawing_ =
      drawPhotoPair(result.photoPair(), suite::PhotoPairStyle::pairsim(), *state_.files.input);
}

}  // namespace pairsim
