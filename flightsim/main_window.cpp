#include "flightsim/main_window.h"

#include <QGroupBox>

#include "flightsim/help_text.h"
#include "gui/dialogs.h"
#include "gui/form_controls.h"

namespace flightsim {

namespace {

// Frame3, the projection centre of the left photo: labels 1455 × 255 and boxes 975 × 285
// twips, 240 apart. Label3(0) starts with a Greek capital Chi, Label3(1) with a Latin Y.
// clang-format off
const suite::BoxBinding<FlightPlanTexts> kFlightPlanBoxes[] = {
    {"Text2(0)", "Label3(0)", "       Χ-L",     {120, 240, 1455, 255},  {1560, 240, 975, 285},  &FlightPlanTexts::leftX},
    {"Text2(1)", "Label3(1)", "       Y-L",     {120, 480, 1455, 255},  {1560, 480, 975, 285},  &FlightPlanTexts::leftY},
    {"Text2(2)", "Label3(2)", "Μέσο Υψ. Εδάφ.", {120, 720, 1455, 255},  {1560, 720, 975, 285},  &FlightPlanTexts::meanGroundHeight},
    {"Text2(3)", "Label3(3)", "    Βάση",       {120, 960, 1455, 255},  {1560, 960, 975, 285},  &FlightPlanTexts::base},
    {"Text2(4)", "Label3(4)", "σ (ΧL-ΥL-ΖL)",   {120, 1200, 1455, 255}, {1560, 1200, 975, 285}, &FlightPlanTexts::sigmaCentre},
    {"Text2(5)", "Label3(5)", "σ (ω-φ-κ)",      {120, 1440, 1455, 255}, {1560, 1440, 975, 285}, &FlightPlanTexts::sigmaAnglesDegrees},
    {"Text2(6)", "Label3(6)", "Επικάλυψη %",    {120, 1680, 1455, 255}, {1560, 1680, 975, 285}, &FlightPlanTexts::overlapPercent},
    {"Text2(7)", "Label3(7)", "Πλαίσιο Α/Φ mm", {120, 1920, 1455, 255}, {1560, 1920, 975, 285}, &FlightPlanTexts::frameSideMm},
};

const suite::FilesFrameDesign kFilesFrame = {"Αρχεία - Εντολές", {240, 2880, 7455, 2535}, 1560, 1680};
// Label2 begins with a Latin K, unlike the other two.
// Both are files a run writes.
const suite::FileChoiceDesign kPhotoSimChoice = {
    "Command2", "Αρχείο προσομοίωσης Α/Φ", {120, 600, 2415, 375}, "Label2", "Kανένα", {2520, 600, 4815, 375},
    suite::FileUse::Written};
const suite::FileChoiceDesign kStereoDtmChoice = {
    "Command8", "Αρχείο Στέρεο DTM", {120, 960, 2055, 375}, "Label4", "Κανένα", {2160, 960, 5175, 375},
    suite::FileUse::Written};
// clang-format on

}  // namespace

MainWindow::MainWindow(suite::Dialogs& dialogs, std::unique_ptr<suite::UniformSource> source,
                       QWidget* parent)
    : suite::SimulatorWindow(dialogs, QStringLiteral("flightsim"), 5730,
                             QStringLiteral("Παράμετροι προσομοίωσης"), helpLines(), parent),
      state_(std::move(source)) {
  QGroupBox* centre =
      suite::addFrame(this, QStringLiteral("Frame3"),
                      QStringLiteral("Προβολικό κέντρο αριστερής Α/Φ"), {4800, 240, 2895, 2535});
  flightPlan_ = suite::BoundBoxes<FlightPlanTexts>(centre, kFlightPlanBoxes);
  FlightFiles& files = state_.files;
  addFilesFrame(
      kFilesFrame,
      {{inputFileChoice(5175), [&files](std::string path) { files.dtm = std::move(path); }},
       {kPhotoSimChoice, [&files](std::string path) { files.photoSim = std::move(path); }},
       {kStereoDtmChoice, [&files](std::string path) { files.stereoDtm = std::move(path); }}});
}

MainWindow::~MainWindow() = default;

void MainWindow::run(RunMode mode) {
  // The run checks the file choices itself and throws suite::UserError for every refusal or
  // failure; the window shows its message.
  const FlightResult result = runFlightSimulation(mode, {parameterTexts(), flightPlan_.texts()},
                                                  state_.files, state_.errors, *state_.source);
  for (const std::string& notice : result.notices) {
    dialogs().message(this, QString::fromStdString(notice));
  }
  if (mode == RunMode::Draw) {
    drawPhotoPair(result.photoPair(), suite::PhotoPairStyle::flightsim(), *state_.files.dtm);
  }
}

}  // namespace flightsim
