#pragma once

#include "vantage/model_frame.h"

namespace vantage {

/// Where the perspective is seen from and where it looks. Ground units; angles in degrees,
/// held in single precision.
struct ProjectionCentre {
  double x = 0;  ///< Xo
  double y = 0;  ///< Yo
  double z = 0;  ///< Zo = ΔZ + H_max, set anew by every drawing
  /// Az: the horizontal direction of the line of sight, clockwise from north (+Y) toward east
  /// (+X), 0 … 360.
  float azimuthDegrees = 0;
  /// S: the angle of the line of sight below the horizontal; 90 looks straight down.
  float depressionDegrees = 0;
};

/// The centre of the first drawing of a run: above the middle of the model,
/// Xo = (X_E + X_NW)/2, Yo = (Y_S + Y_NW)/2, looking north (Az = 0) at S = 89 below the
/// horizontal. Zo is left at 0; the drawing sets it.
inline ProjectionCentre defaultProjectionCentre(const ModelFrame& frame) {
  ProjectionCentre centre;
  centre.x = (frame.xEast + frame.xNorthWest) / 2;
  centre.y = (frame.ySouth + frame.yNorthWest) / 2;
  centre.azimuthDegrees = 0;
  centre.depressionDegrees = 89;
  return centre;
}

}  // namespace vantage
