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
  /// Messages go through `dialogs`.
  explicit ContourMapWindow(suite::Dialogs& dialogs, QWidget* parent = nullptr);

  /// Covers the screen `map` was computed for, clears both pictures and the readout, paints the
  /// map into Picture1 and shows the window in front. Where the map lies is kept for the
  /// readout of clicks on it, and its raster for saving, as a drawing of the file `dtmPath`
  /// (UTF-8).
  void showMap(const ContourMap& map, const std::string& dtmPath);

  /// Where the map on show lies; none before the first.
  const std::optional<MapTransform>& lastMap() const { return lastMap_; }

 private:
  void clearMap();
  void readOut(double xTwips, double yTwips);

  std::optional<MapTransform> lastMap_;
};

}  // namespace isolines
