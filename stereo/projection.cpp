#include "stereo/projection.h"

#include "text/single_precision.h"

namespace suite {

ImagePointMm project(const GroundPoint& point, const GroundPoint& centre, const RotationMatrix& m,
                     double focalMm) {
  const double dx = point.x - centre.x;
  const double dy = point.y - centre.y;
  const double dz = point.z - centre.z;
  const double u = m(1, 1) * dx + m(1, 2) * dy + m(1, 3) * dz;
  const double v = m(2, 1) * dx + m(2, 2) * dy + m(2, 3) * dz;
  double w = m(3, 1) * dx + m(3, 2) * dy + m(3, 3) * dz;
  if (w == 0) w = kZeroDenominatorGuard;
  return {-focalMm * u / w, -focalMm * v / w};
}

namespace {

void widen(float& largest, float& smallest, double value) {
  const float single = toSingle(value);
  if (single > largest) largest = single;
  if (single < smallest) smallest = single;
}

}  // namespace

void ImageExtremes::include(const StereoImagePoint& point) {
  widen(leftXMax, leftXMin, point.left.x);
  widen(leftYMax, leftYMin, point.left.y);
  widen(rightXMax, rightXMin, point.right.x);
  widen(rightYMax, rightYMin, point.right.y);
}

StereoProjection projectStereoPair(const std::vector<GroundPoint>& points,
                                   const ExteriorOrientation& left,
                                   const ExteriorOrientation& right, double focalMm) {
  const RotationMatrix leftRotation = RotationMatrix::of(left);
  const RotationMatrix rightRotation = RotationMatrix::of(right);
  StereoProjection result;
  result.points.reserve(points.size());
  for (const GroundPoint& point : points) {
    const StereoImagePoint image{project(point, left.centre(), leftRotation, focalMm),
                                 project(point, right.centre(), rightRotation, focalMm)};
    result.points.push_back(image);
    result.extremes.include(image);
  }
  return result;
}

}  // namespace suite
