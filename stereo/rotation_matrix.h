#pragma once

#include <array>

#include "stereo/exterior_orientation.h"

namespace suite {

/// Radians per decimal degree, 4·atan(1)/180 = 0.017453292519943295.
double radiansPerDegree();

/// The 3 × 3 rotation matrix of a photograph, M = R_kappa · R_phi · R_omega. Its rows are the
/// image axes expressed in ground coordinates, so image = M · (ground − centre). Elements are
/// addressed 1-based, M(row, column) with row and column in 1..3, as the collinearity
/// equations write them.
class RotationMatrix {
 public:
  /// The identity.
  RotationMatrix();

  /// Builds the matrix from omega, phi and kappa in radians. Each element is computed on its
  /// own from the sines and cosines of the angles, in the order M(1,1), M(1,2) … M(3,3).
  static RotationMatrix fromRadians(double omegaRadians, double phiRadians, double kappaRadians);

  /// Builds the matrix of a photograph from its angles in decimal degrees, each multiplied by
  /// radiansPerDegree().
  static RotationMatrix of(const ExteriorOrientation& orientation);

  /// Element M(row, column), row and column in 1..3.
  double operator()(int row, int column) const { return elements_[(row - 1) * 3 + (column - 1)]; }

 private:
  std::array<double, 9> elements_;
};

}  // namespace suite
