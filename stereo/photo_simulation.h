#pragma once

#include <vector>

#include "stereo/error_generator.h"
#include "stereo/projection.h"
#include "stereo/uniform_source.h"

namespace suite {

enum class Photo { Left = 1, Right = 2 };

/// The order in which a program evaluates the image similarity of its points. The two orders
/// agree up to the last bit of a double; each program keeps its own so that its files carry
/// the digits it has always written.
enum class SimilarityTerms {
  /// x' = (c·x + Xo − s·y)·f and y' = (s·x + Yo + c·y)·f, f = k (left) or S·k (right).
  /// flightsim's points, and the fiducial marks of both programs.
  OffsetInside,
  /// x' = (c·x − s·y + Xo)·k and y' = (s·x + c·y + Yo)·k; on the right photo the bracket is
  /// multiplied by S and then by k. pairsim's points.
  OffsetLast,
};

/// The simulated measuring system of the photographs: the image origin offset Xo, Yo (mm),
/// the rotation θ of the image axes (decimal degrees), the scale k, the extra factor S of the
/// right photograph, and the spread σxy (mm) of the random errors.
struct ImageSimilarity {
  double xoMm = 0;
  double yoMm = 0;
  double thetaDegrees = 0;
  double scale = 1;
  double rightFactor = 1;
  double sigmaXyMm = 0;
  SimilarityTerms pointTerms = SimilarityTerms::OffsetInside;

  /// Fiducial marks are simulated only when both offsets are non-zero.
  bool hasFiducials() const { return xoMm != 0 && yoMm != 0; }
};

/// One fiducial line of a photo block: mark number 11111..11114 and its coordinates (mm).
struct FiducialLine {
  int number = 0;
  ImagePointMm position;
};

/// One photo block's simulated content: no fiducial lines, or eight (the four marks at their
/// nominal places, then the four simulated), and the simulated x', y' of every point.
struct SimulatedPhoto {
  std::vector<FiducialLine> fiducials;
  std::vector<ImagePointMm> points;
};

struct SimulatedPair {
  SimulatedPhoto left;
  SimulatedPhoto right;
};

/// The largest number of points a photo block can simulate: it draws 2·N + 2 errors.
inline constexpr int kMostSimulatedPoints = (ErrorList::kLargestServedCount - 2) / 2;

/// Simulates one photo block. When the similarity has fiducials it draws 8 errors and
/// simulates the marks, x taking e(2j) and y e(2j − 1); then it draws 2·N + 2 errors and
/// simulates point q with x' taking e(2q − 1) and y' e(2q). A count 2·N + 2 the error
/// generator does not serve (N = 2, or N above kMostSimulatedPoints) throws ErrorCountRefused
/// before any draw.
SimulatedPhoto simulatePhoto(Photo photo, const std::vector<ImagePointMm>& projected,
                             const ImageSimilarity& similarity, ErrorList& errors,
                             UniformSource& source);

/// Simulates the left and then the right photo block of a projected pair. On a refusal the
/// error list is left as it was.
SimulatedPair simulatePhotoPair(const std::vector<StereoImagePoint>& projected,
                                const ImageSimilarity& similarity, ErrorList& errors,
                                UniformSource& source);

}  // namespace suite
