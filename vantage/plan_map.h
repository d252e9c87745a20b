#pragma once

#include "canvas/canvas.h"
#include "vantage/model_frame.h"
#include "vantage/projection_centre.h"

namespace vantage {

/// The plan map in the perspective window's side panel: the model's footprint drawn as a small
/// square, and the transform between panel twips and ground. Single precision; zero until set.
struct PlanMap {
  bool set = false;
  float squareSide = 0;       ///< c = P/50, twips
  float squareOffset = 0;     ///< d = (P − c)/2: the square's top-left corner is at (d, d)
  float twipsPerGroundX = 0;  ///< sx = c/(X_E − X_NW)
  float twipsPerGroundY = 0;  ///< sy = c/(Y_NW − Y_S)
  float groundXLeft = 0;      ///< X0 = X_NW − d/sx: ground X of the panel's left edge
  float groundYTop = 0;       ///< Y0 = d/sy + Y_NW: ground Y of the panel's top edge
  float groundXMiddle = 0;    ///< Xc = (X_NW + X_E)/2
  float groundYMiddle = 0;    ///< Yc = (Y_S + Y_NW)/2
};

/// The plan map of `frame` in a panel `panelWidthTwips` wide (P), each value computed from the
/// values before it as the formulas above state and stored in single precision (two singles
/// combine in single precision; a double or whole-number operand makes the step double).
/// A model one column wide (X_E = X_NW) or one row high has no scale of its own along that
/// axis: it takes the other axis' scale, so the footprint is a line across the square and
/// clicks still place the centre on the ground.
/// Throws suite::UserError (Greek message) when neither axis gives a finite positive scale (a
/// single-node model, a panel without width) or a value of the map is not finite.
PlanMap planMap(const ModelFrame& frame, int panelWidthTwips);

/// Draws the square (d, d) → (d + c, d) → (d + c, d + c) → (d, d + c) → (d, d) on `panel` in the
/// foreground colour, as one polyline, without clearing it.
void drawPlanMap(const PlanMap& map, suite::Canvas& panel);

/// The projection centre picked by a mouse button at (xTwips, yTwips) in the panel:
/// Xo = x/sx + X0, Yo = Y0 − y/sy (single precision); the line of sight turns toward the
/// middle of the model (Xc, Yc) at height 0, seen from height heightAboveGround = ΔZ + H_max:
/// Az = arctan(dX/dY)·180/π with dX = Xc − Xo, dY = Yc − Yo, plus 180 when dY < 0, plus 360
/// when dX < 0 < dY; S = arctan(heightAboveGround/√(dY² + dX²))·180/π. Az and S in single
/// precision, Az in 0 … 360.
/// A click level with the middle (dY = 0) gives Az = 90 west of it and 270 east of it; a click on
/// the middle itself gives Az = 0 and S = 90 (−90 when the centre would stand below height 0,
/// 0 when at it). The result's z is 0: the next drawing sets Zo.
/// Throws suite::UserError (Greek message) when the map has not been set or the picked values
/// are not finite.
ProjectionCentre pickOnPlanMap(const PlanMap& map, double heightAboveGround, double xTwips,
                               double yTwips);

}  // namespace vantage
