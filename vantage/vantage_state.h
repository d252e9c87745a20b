#pragma once

#include <optional>
#include <string>

#include "map_shell/drawing_layout.h"
#include "vantage/model_frame.h"
#include "vantage/perspective_view.h"
#include "vantage/plan_map.h"
#include "vantage/projection_centre.h"

namespace vantage {

/// What a perspective drawing reads of the main window at the moment it starts.
struct PerspectiveInput {
  std::optional<std::string> dtmPath;  ///< the DTM grid file, UTF-8; none until chosen
  bool differentScales = false;  ///< false: "Ομοιόμορφη κλίμακα"; true: a scale per axis
  float deltaZ = 100;            ///< ΔZ: how high the centre stands above H_max, ground units
};

/// What vantage keeps for its whole life, owned by its main window: what the drawings set up
/// and leave behind. A new drawing or a pick replaces parts of it; a failed one leaves it as it
/// was. The file and the drawing settings are the main window's, read by every drawing.
struct VantageState {
  /// Set by the first drawing of the run that succeeds, never cleared: from then on `frame`
  /// holds that drawing's model frame and every later drawing, of whatever file, keeps it.
  bool viewSetUp = false;
  ModelFrame frame;
  /// Xo, Yo, Az, S: the default centre from the first drawing, then each pick; Zo: that of the
  /// last drawing.
  ProjectionCentre centre;
  /// The layout of the last drawing (the perspective window is laid out to it even when the
  /// drawing then fails); its panel width is the plan map's P.
  suite::DrawingWindowLayout layout;
  PlanMap map;  ///< set by "Βάλε παραμέτρους", kept for the rest of the run
  /// The last drawing that succeeded, ready to be painted again.
  std::optional<PerspectiveDrawing> lastDrawing;
};

}  // namespace vantage
