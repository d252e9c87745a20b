#include "stereo/error_generator.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "text/single_precision.h"

namespace suite {

namespace {

std::string refusalMessage(int count) {
  return "Η γεννήτρια τυχαίων σφαλμάτων δεν μπορεί να δώσει " + std::to_string(count) +
         " σφάλματα: δίνει 2, 4 ή από 8 έως " + std::to_string(ErrorList::kLargestServedCount) +
         " σφάλματα.";
}

}  // namespace

ErrorCountRefused::ErrorCountRefused(int count) : UserError(refusalMessage(count)), count_(count) {}

bool ErrorList::serves(int count) {
  return count == 2 || count == 4 || (count >= 8 && count <= kLargestServedCount);
}

namespace {

// Fills e(1..count−1) (slices[1..count−1]) with the lower bound and the slice midpoints, times
// sigmaXy. Returns false when a slice does not settle within the step bound or a step divides
// by zero once both bell values have underflowed.
bool computeSlices(int count, double sigmaXy, float r, float* slices) {
  const double pi = 4.0 * std::atan(1.0);
  const double area = 2.0 * std::sqrt(2.0 * pi) / (count - 1);
  double x0 = -(3.0 + static_cast<double>(r) / 100.0);
  double x1 = x0 + 1.0;
  slices[1] = toSingle(sigmaXy * x0);
  for (int i = 2; i <= count - 1; ++i) {
    const double e0 = std::exp(-(x0 * x0) / 2.0);
    double d = 0;
    int steps = 0;
    do {
      // Newton on g(x1) = (x1 − x0)·(e0 + e1) − area: the trapezoid from x0 to x1 under the
      // bell curve gets the slice's share of the area.
      const double e1 = std::exp(-(x1 * x1) / 2.0);
      const double denominator = (e1 + e0) - (x1 - x0) * e1 * x1;
      if (denominator == 0 || ++steps > ErrorList::kMaxNewtonSteps) return false;
      d = (area - (e1 + e0) * (x1 - x0)) / denominator;
      if (!std::isfinite(d)) return false;
      x1 = x1 + d;
    } while (!(std::fabs(d) <= 0.00001));
    slices[i] = toSingle(sigmaXy * (x0 + x1) / 2.0);
    // The next slice starts where this one ends; its first guess repeats this slice's width.
    const double width = x1 - x0;
    x0 = x1;
    x1 = x1 + width;
  }
  return true;
}

}  // namespace

bool ErrorList::settles(int count, float r) {
  if (count < 2 || count > kCapacity) return false;
  std::vector<float> slices(static_cast<std::size_t>(count));
  return computeSlices(count, 1.0, r, slices.data());
}

void ErrorList::generate(int count, double sigmaXy, UniformSource& source) {
  if (!serves(count)) throw ErrorCountRefused(count);

  // Work on a copy of e(0..count) and commit it only when every slice has settled.
  std::vector<float> e(values_.begin(), values_.begin() + count + 1);
  if (!computeSlices(count, sigmaXy, source.next(), e.data())) throw ErrorCountRefused(count);

  for (int i = 1; i <= count - 1; ++i) {
    const int c = count - i + 1;
    const float u = source.next();
    // In double, u < 1 keeps u·c below c, so j stays within 1..c; the bound is a guard only.
    const int j = std::min(c, static_cast<int>(std::floor(static_cast<double>(u) * c)) + 1);
    std::swap(e[static_cast<std::size_t>(c)], e[static_cast<std::size_t>(j)]);
  }

  std::copy(e.begin() + 1, e.end(), values_.begin() + 1);
}

}  // namespace suite
