#pragma once

#include <optional>
#include <string>

#include "isolines/contour_run.h"
#include "isolines/map_readout.h"
#include "isolines/pixels_per_cell.h"

namespace isolines {

/// What isolines keeps for its whole life, owned by the main window: the chosen file, the scale
/// mode and the contour interval as the window set them, the screen size the map window fills,
/// and where the last map lies, for the readout of clicks on it. Every drawing reads the file
/// afresh; nothing else of an earlier drawing is kept.
struct IsolinesState {
  std::string dtmPath;  ///< UTF-8; empty until a file is chosen
  bool dtmChosen = false;
  ScaleMode scaleMode = ScaleMode::Uniform;
  float contourInterval = 10;  ///< ΔH, ground units
  int screenWidthTwips = 0;    ///< taken when the main window is created
  int screenHeightTwips = 0;
  /// The map transform of the last drawing that succeeded; none before the first. A drawing
  /// that fails leaves it, with the map on the screen, as it was.
  std::optional<MapTransform> lastMap;

  /// The input of a drawing with the current choices.
  ContourRunInput runInput() const {
    return {dtmPath, contourInterval, scaleMode, screenWidthTwips, screenHeightTwips};
  }
};

}  // namespace isolines
