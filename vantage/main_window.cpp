#include "vantage/main_window.h"

#include <QAction>
#include <QLabel>

#include "gui/guarded_action.h"
#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "gui/wait_cursor.h"
#include "vantage/perspective_window.h"
#include "vantage/vantage_actions.h"

namespace vantage {

namespace {

suite::MenuMainWindowDesign vantageDesign() {
  suite::MenuMainWindowDesign design;
  design.caption = QStringLiteral("Προοπτικό απο DTM");
  design.clientWidthTwips = 6330;
  design.clientHeightTwips = 3630;
  design.drawMenuCaption = QStringLiteral("Σχεδίασε προοπτικό");
  design.frame = {120, 720, 5895, 2295};
  design.scaleButton = {240, 360, 1815, 375};
  design.scaleLabel = {2040, 360, 2655, 375};
  design.numberButtonCaption =
      QStringLiteral("Ύψος Προβολικού κέντρου πάνω απο το υψηλότερο σημείο εδάφους");
  design.numberButton = {240, 840, 4215, 615};
  design.numberLabel = {4440, 960, 1215, 375};
  design.numberPrompt = QStringLiteral("Βάλε ΔΖ");
  design.startNumber = 100;
  design.fileCaptionLabel = {240, 1560, 1575, 375};
  design.fileNameLabel = {1800, 1560, 3855, 375};
  return design;
}

/// The main window's settings as a drawing reads them: its number is ΔZ.
PerspectiveInput perspectiveInput(const suite::MenuMainWindowSettings& settings) {
  PerspectiveInput input;
  input.dtmPath = settings.dtmPath;
  input.differentScales = settings.differentScales;
  input.deltaZ = settings.number;
  return input;
}

}  // namespace

MainWindow::MainWindow(suite::Dialogs& dialogs, QWidget* parent)
    : suite::MenuMainWindow(dialogs, vantageDesign(), parent) {}

MainWindow::~MainWindow() = default;

void MainWindow::draw(const suite::MenuMainWindowSettings& settings) {
  if (!perspectiveWindow_) {
    perspectiveWindow_ = std::make_unique<PerspectiveWindow>(dialogs());
    PerspectiveWindow& form2 = *perspectiveWindow_;
    suite::connectGuarded(&form2.drawItem(), dialogs(), &form2,
                          [this] { drawPerspective(this->settings()); });
    suite::connectGuarded(&form2.setParametersItem(), dialogs(), &form2,
                          [this] { vantage::setUpPlanMap(state_, perspectiveWindow_->panel()); });
    connect(&form2.panel(), &suite::PictureBox::mousePressedTwips, this,
            [this](Qt::MouseButton, double x, double y) {
              suite::runGuarded(dialogs(), perspectiveWindow_.get(),
                                [&] { pickCentre(this->settings().number, x, y); });
            });
  }
  drawPerspective(settings);
}

void MainWindow::drawPerspective(const suite::MenuMainWindowSettings& settings) {
  PerspectiveWindow& form2 = *perspectiveWindow_;
  const suite::WaitCursor wait;
  const suite::DrawingWindowLayout layout =
      form2.coverScreen(settings.screenWidthTwips, settings.screenHeightTwips);
  try {
    const PerspectiveInput input = perspectiveInput(settings);
    const PerspectiveDrawing& drawing = runPerspectiveDrawing(state_, input, layout);
    paintPerspective(drawing, form2.picture(), form2.panel());
    // Saved as drawn: the wire frame of this drawing, without the panel.
    form2.pictureSaving().setDrawing(*input.dtmPath, [drawing](suite::Canvas& canvas) {
      paintPerspectivePicture(drawing, canvas);
    });
  } catch (...) {
    if (!state_.lastDrawing) form2.hide();
    throw;
  }
}

void MainWindow::pickCentre(float deltaZ, double xTwips, double yTwips) {
  const std::string readout = pickProjectionCentre(state_, deltaZ, xTwips, yTwips);
  perspectiveWindow_->readout().setText(QString::fromStdString(readout));
}

}  // namespace vantage
