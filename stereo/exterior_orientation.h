#pragma once

#include "stereo/ground_point.h"

namespace suite {

/// The exterior orientation of one photograph: the projection centre X, Y, Z in ground units
/// and the rotation angles omega (about X), phi (about Y) and kappa (about Z) in decimal degrees.
struct ExteriorOrientation {
  double x = 0;
  double y = 0;
  double z = 0;
  double omegaDegrees = 0;
  double phiDegrees = 0;
  double kappaDegrees = 0;

  GroundPoint centre() const { return {x, y, z}; }
};

}  // namespace suite
