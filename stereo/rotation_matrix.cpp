#include "stereo/rotation_matrix.h"

#include <cmath>

namespace suite {

double radiansPerDegree() {
  return 4.0 * std::atan(1.0) / 180.0;
}

RotationMatrix::RotationMatrix() : elements_{1, 0, 0, 0, 1, 0, 0, 0, 1} {}

RotationMatrix RotationMatrix::fromRadians(double omega, double phi, double kappa) {
  using std::cos;
  using std::sin;
  // Each product is evaluated left to right exactly as written, so that the last bits of every
  // element, and through them the image coordinates in the files, stay the same.
  RotationMatrix m;
  m.elements_[0] = cos(phi) * cos(kappa);
  m.elements_[1] = cos(omega) * sin(kappa) + sin(phi) * sin(omega) * cos(kappa);
  m.elements_[2] = sin(omega) * sin(kappa) - sin(phi) * cos(omega) * cos(kappa);
  m.elements_[3] = -cos(phi) * sin(kappa);
  m.elements_[4] = cos(omega) * cos(kappa) - sin(phi) * sin(omega) * sin(kappa);
  m.elements_[5] = sin(omega) * cos(kappa) + sin(phi) * cos(omega) * sin(kappa);
  m.elements_[6] = sin(phi);
  m.elements_[7] = -sin(omega) * cos(phi);
  m.elements_[8] = cos(omega) * cos(phi);
  return m;
}

RotationMatrix RotationMatrix::of(const ExteriorOrientation& orientation) {
  const double rho = radiansPerDegree();
  return fromRadians(rho * orientation.omegaDegrees, rho * orientation.phiDegrees,
                     rho * orientation.kappaDegrees);
}

}  // namespace suite
