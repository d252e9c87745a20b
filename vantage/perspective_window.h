#pragma once

#include "map_shell/map_window.h"

class QAction;

namespace vantage {

/// The perspective window, Form2 "Σχεδίασε προοπτικό", on the shared full-screen map window:
/// Picture1 the perspective, Picture2 the panel with the centre's parameters and the plan map,
/// Label1 the readout of a picked centre. Its menus, after Map1 "Χάρτης" ("Αποθήκευση
/// εικόνας…", which saves the perspective of Picture1, and Map2 "Έξοδος"): Pk
/// "Προβολικό κέντρο" / Pk1 "Βάλε παραμέτρους" and Sxd "Σχεδίασε" / Sxd1 "Σχεδίασε προοπτικό".
/// The main window, which owns the program's state, carries out both items and the clicks on
/// Picture2. Picture1, on which the mouse has no other meaning, also offers "Αποθήκευση
/// εικόνας…" as its context menu.
class PerspectiveWindow : public suite::MapWindow {
  Q_OBJECT

 public:
  /// Saving tells its failures through `dialogs`.
  explicit PerspectiveWindow(suite::Dialogs& dialogs, QWidget* parent = nullptr);

  /// Pk1 "Βάλε παραμέτρους".
  QAction& setParametersItem() { return *setParameters_; }
  /// Sxd1 "Σχεδίασε προοπτικό".
  QAction& drawItem() { return *draw_; }

 private:
  QAction* setParameters_ = nullptr;
  QAction* draw_ = nullptr;
};

}  // namespace vantage
