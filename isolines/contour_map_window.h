#pragma once

#include <optional>
#include <string>

#include "isolines/map_readout.h"
#include "map_shell/map_window.h"

namespace suite {
class Dialogs;
}

namespace isolines {

struct ContourMap;

/// The contour map window, Form2 "Σχεδίασε ισοϋψείς": the map in Picture1, the empty side panel
/// Picture2, and the readout line Label1 at the window's top, which a press of any mouse button
/// in Picture1 fills with the ground coordinates of that point on the last map drawn, so the
/// map has no context menu. Its menu Map1 "Χάρτης" saves the map as a picture ("Αποθήκευση
/// εικόνας…", Ctrl+S) and, with Map2 "Έξοδος", hides the window and puts the pointer back to
/// the default.
class ContourMapWindow : public suite::MapWindow {
  Q_OBJECT

 public:
  /// `lastMap` is where the last map drawn lies (the program's state, which outlives this
  /// window); the readout reads it at every click. Messages go through `dialogs`.
  ContourMapWindow(suite::Dialogs& dialogs, const std::optional<MapTransform>& lastMap,
                   QWidget* parent = nullptr);

  /// Covers the screen `map` was computed for, clears both pictures and the readout, paints the
  /// map into Picture1 and shows the window in front. The map's raster is kept for saving, as a
  /// drawing of the file `dtmPath` (UTF-8).
  void showMap(const ContourMap& map, const std::string& dtmPath);

 private:
  void clearMap();
  void readOut(double xTwips, double yTwips);

  const std::optional<MapTransform>& lastMap_;
};

}  // namespace isolines
