#include "isolines/main_window.h"

#include "gui/dialogs.h"
#include "gui/wait_cursor.h"
#include "isolines/contour_map_window.h"
#include "isolines/contour_run.h"

namespace isolines {

namespace {

suite::MenuMainWindowDesign contourDesign() {
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
  d.fileCaptionLabel = {240, 1320, 1815, 375};
  d.fileNameLabel = {2040, 1320, 4095, 375};
  return d;
}

}  // namespace

ContourRunInput contourRunInput(const suite::MenuMainWindowSettings& settings) {
  ContourRunInput input;
  input.dtmPath = settings.dtmPath.value_or(std::string());
  input.contourInterval = settings.number;
  input.scaleMode =
      settings.differentScales ? suite::ScaleMode::DifferentXY : suite::ScaleMode::Uniform;
  input.screenWidthTwips = settings.screenWidthTwips;
  input.screenHeightTwips = settings.screenHeightTwips;
  return input;
}

MainWindow::MainWindow(suite::Dialogs& dialogs, QWidget* parent)
    : suite::MenuMainWindow(dialogs, contourDesign(), parent) {}

MainWindow::~MainWindow() = default;

void MainWindow::draw(const suite::MenuMainWindowSettings& settings) {
  std::string notice;
  {
    const suite::WaitCursor wait;
    // Computed whole before anything is shown: a refusal or a faulty file throws here and
    // leaves the window, its map and the readout as they were.
    const ContourRunInput input = contourRunInput(settings);
    const ContourMap map = computeContourMap(input);
    if (!mapWindow_) mapWindow_ = std::make_unique<ContourMapWindow>(dialogs());
    mapWindow_->showMap(map, input.dtmPath);
    notice = map.notice;
  }
  // Told once the map is on the screen and the pointer is back, over the map window.
  if (!notice.empty()) dialogs().message(mapWindow_.get(), QString::fromStdString(notice));
}

}  // namespace isolines
