#include "stereo/photo_simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

#include "stereo/rotation_matrix.h"

namespace suite {

namespace {

/// The marks of a 230 mm frame, whatever frame side the run uses.
constexpr FiducialLine kNominalMarks[4] = {
    {11111, {-115, 0}}, {11112, {0, 115}}, {11113, {115, 0}}, {11114, {0, -115}}};

}  // namespace

SimulatedPhoto simulatePhoto(Photo photo, const std::vector<ImagePointMm>& projected,
                             const ImageSimilarity& sim, ErrorList& errors, UniformSource& source) {
  // Refuse a count the generator does not serve before the marks draw theirs.
  const std::int64_t pointCount = static_cast<std::int64_t>(projected.size());
  const int count =
      static_cast<int>(std::min<std::int64_t>(2 * pointCount + 2, std::numeric_limits<int>::max()));
  if (!ErrorList::serves(count)) throw ErrorCountRefused(count);

  const double rho = radiansPerDegree();
  const double c = std::cos(rho * sim.thetaDegrees);
  const double s = std::sin(rho * sim.thetaDegrees);
  const bool right = photo == Photo::Right;
  const double f = right ? sim.rightFactor * sim.scale : sim.scale;

  SimulatedPhoto result;
  if (sim.hasFiducials()) {
    errors.generate(8, sim.sigmaXyMm, source);
    result.fiducials.assign(std::begin(kNominalMarks), std::end(kNominalMarks));
    for (int j = 1; j <= 4; ++j) {
      const ImagePointMm& m = kNominalMarks[j - 1].position;
      result.fiducials.push_back({kNominalMarks[j - 1].number,
                                  {(c * m.x + sim.xoMm - s * m.y) * f + errors(2 * j),
                                   (s * m.x + sim.yoMm + c * m.y) * f + errors(2 * j - 1)}});
    }
  }

  errors.generate(count, sim.sigmaXyMm, source);
  result.points.reserve(projected.size());
  for (int q = 1; q <= pointCount; ++q) {
    const ImagePointMm& p = projected[static_cast<std::size_t>(q - 1)];
    ImagePointMm simulated;
    if (sim.pointTerms == SimilarityTerms::OffsetInside) {
      simulated = {(c * p.x + sim.xoMm - s * p.y) * f, (s * p.x + sim.yoMm + c * p.y) * f};
    } else if (right) {
      simulated = {(c * p.x - s * p.y + sim.xoMm) * sim.rightFactor * sim.scale,
                   (s * p.x + c * p.y + sim.yoMm) * sim.rightFactor * sim.scale};
    } else {
      simulated = {(c * p.x - s * p.y + sim.xoMm) * sim.scale,
                   (s * p.x + c * p.y + sim.yoMm) * sim.scale};
    }
    simulated.x += errors(2 * q - 1);
    simulated.y += errors(2 * q);
    result.points.push_back(simulated);
  }
  return result;
}

SimulatedPair simulatePhotoPair(const std::vector<StereoImagePoint>& projected,
                                const ImageSimilarity& similarity, ErrorList& errors,
                                UniformSource& source) {
  std::vector<ImagePointMm> left;
  std::vector<ImagePointMm> right;
  left.reserve(projected.size());
  right.reserve(projected.size());
  for (const StereoImagePoint& point : projected) {
    left.push_back(point.left);
    right.push_back(point.right);
  }
  ErrorList work = errors;
  SimulatedPair pair;
  pair.left = simulatePhoto(Photo::Left, left, similarity, work, source);
  pair.right = simulatePhoto(Photo::Right, right, similarity, work, source);
  errors = work;
  return pair;
}

}  // namespace suite
