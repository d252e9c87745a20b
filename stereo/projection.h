#pragma once

#include <vector>

#include "stereo/exterior_orientation.h"
#include "stereo/ground_point.h"
#include "stereo/rotation_matrix.h"

namespace suite {

/// A point on a photograph in mm, principal point at the origin.
struct ImagePointMm {
  double x = 0;
  double y = 0;
};

/// What the projection puts in place of a denominator W of exactly 0: the single-precision
/// value nearest to 1e-10, so such a point lands far outside the photo instead of failing.
inline constexpr double kZeroDenominatorGuard = static_cast<double>(1e-10f);

/// Projects a ground point into a photograph by the collinearity equations:
/// (U, V, W) = M · (point − centre), each row summed in the order X, Y, Z term, and
/// x = −F·U/W, y = −F·V/W with F the principal distance in mm. A W of exactly 0 is replaced
/// by kZeroDenominatorGuard.
ImagePointMm project(const GroundPoint& point, const GroundPoint& centre,
                     const RotationMatrix& rotation, double focalMm);

/// One ground point's place on the left and on the right photograph.
struct StereoImagePoint {
  ImagePointMm left;
  ImagePointMm right;
};

/// The extremes of the projected coordinates, single precision. A value rounded to single
/// precision replaces a largest only when strictly greater and a smallest only when strictly
/// smaller; before any point the largest are −1e10 and the smallest +1e10.
struct ImageExtremes {
  float leftXMax = -1e10f;
  float leftXMin = 1e10f;
  float leftYMax = -1e10f;
  float leftYMin = 1e10f;
  float rightXMax = -1e10f;
  float rightXMin = 1e10f;
  float rightYMax = -1e10f;
  float rightYMin = 1e10f;

  void include(const StereoImagePoint& point);
};

/// The image coordinate list of a stereo pair and its extremes.
struct StereoProjection {
  std::vector<StereoImagePoint> points;
  ImageExtremes extremes;
};

/// Projects every ground point into the left and the right photograph, with each photograph's
/// centre and the rotation matrix of its angles, in the order of `points`.
StereoProjection projectStereoPair(const std::vector<GroundPoint>& points,
                                   const ExteriorOrientation& left,
                                   const ExteriorOrientation& right, double focalMm);

}  // namespace suite
