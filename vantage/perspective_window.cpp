#include "vantage/perspective_window.h"

#include <QAction>
#include <QMenuBar>

#include "gui/form_controls.h"
#include "gui/picture_saving.h"

namespace vantage {

PerspectiveWindow::PerspectiveWindow(suite::Dialogs& dialogs, QWidget* parent)
    : suite::MapWindow(dialogs, QStringLiteral("vantage"), QStringLiteral("Σχεδίασε προοπτικό"),
                       {1080, 0, 5895, 375}, QStringLiteral("Προοπτικό"),
                       QStringLiteral("Παράμετροι και χάρτης"), parent) {
  pictureSaving().offerOnPicture();
  QMenu* centre =
      suite::addMenu(menuBar(), QStringLiteral("Pk"), QStringLiteral("Προβολικό κέντρο"));
  setParameters_ =
      suite::addMenuItem(centre, QStringLiteral("Pk1"), QStringLiteral("Βάλε παραμέτρους"));
  QMenu* draw = suite::addMenu(menuBar(), QStringLiteral("Sxd"), QStringLiteral("Σχεδίασε"));
  draw_ = suite::addMenuItem(draw, QStringLiteral("Sxd1"), QStringLiteral("Σχεδίασε προοπτικό"));
}

}  // namespace vantage
