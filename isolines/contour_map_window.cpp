#include "isolines/contour_map_window.h"

#include <QLabel>

#include "gui/guarded_action.h"
#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "isolines/contour_run.h"

namespace isolines {

ContourMapWindow::ContourMapWindow(suite::Dialogs& dialogs, QWidget* parent)
    : suite::MapWindow(dialogs, QStringLiteral("isolines"), QStringLiteral("Σχεδίασε ισοϋψείς"),
                       {1080, 0, 3855, 375}, QStringLiteral("Χάρτης ισοϋψών"),
                       QStringLiteral("Πλαϊνό πλαίσιο"), parent) {
  connect(&picture(), &suite::PictureBox::mousePressedTwips, this,
          [this, &dialogs](Qt::MouseButton, double xTwips, double yTwips) {
            suite::runGuarded(dialogs, this, [&] { readOut(xTwips, yTwips); });
          });
}

void ContourMapWindow::showMap(const ContourMap& map, const std::string& dtmPath) {
  coverScreen(map.layout.screenWidth, map.layout.screenHeight);
  // A point read on the previous map does not lie on this one.
  clearMap();
  map.paint(picture());
  lastMap_ = map.transform();
  // Saved as drawn: a block of pixels is one rectangle of a vector drawing.
  pictureSaving().setDrawing(dtmPath, [raster = map.raster](suite::Canvas& canvas) {
    canvas.clear();
    raster.paintBlocks(canvas);
  });
}

void ContourMapWindow::clearMap() {
  picture().clear();
  panel().clear();
  readout().clear();
}

void ContourMapWindow::readOut(double xTwips, double yTwips) {
  // Before any map, or on a map whose cells came out at 0 pixels, the line keeps its text.
  if (const std::optional<std::string> text = readoutText(lastMap_, xTwips, yTwips))
    readout().setText(QString::fromStdString(*text));
}

}  // namespace isolines
