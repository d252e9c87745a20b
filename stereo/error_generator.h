#pragma once

#include <array>

#include "stereo/uniform_source.h"
#include "text/user_error.h"

namespace suite {

/// A count of errors the generator does not serve. The message (Greek) gives the count asked
/// for and the counts served.
class ErrorCountRefused : public UserError {
 public:
  explicit ErrorCountRefused(int count);
  int count() const { return count_; }

 private:
  int count_;
};

/// The list of random image-coordinate errors, e(1..4000) in single precision, all 0 at first.
/// The values live as long as the list: each call to generate() rewrites e(1..count−1),
/// permutes e(1..count) and leaves every other element as it was.
///
/// The values are not independent normal deviates but a stratified set: e(1) = σ·x0 with
/// x0 = −(3 + r/100) for a uniform draw r, then the midpoints of count−2 consecutive slices of
/// the bell curve exp(−x²/2) of equal trapezoid area, found by Newton's method, each times σ.
/// The set is then shuffled with fresh draws. e(count) is not generated: it keeps its earlier
/// value and is shuffled with the others. The files' numbers depend on these rules.
class ErrorList {
 public:
  static constexpr int kCapacity = 4000;
  /// Above this count whether the slices settle depends on the draw r, so it is refused.
  static constexpr int kLargestServedCount = 2340;
  /// Newton steps allowed per slice; a served count needs at most 7.
  static constexpr int kMaxNewtonSteps = 200;

  /// Whether generate() serves `count`: 2, 4 and 8..2340. Counts 3 and 5 settle on values far
  /// outside the bell curve and 6 and 7 never settle.
  static bool serves(int count);

  /// Whether the slices settle for `count` (2..4000) and the draw r, whatever the served
  /// range says: for the analysis behind kLargestServedCount. With r = 0 every count from 8
  /// to 2346 settles and 2347 is the first that does not.
  static bool settles(int count, float r);

  /// Generates `count` errors of spread `sigmaXy` (mm) into e(1..count): one draw for r, then
  /// count−1 draws for the shuffle. Throws ErrorCountRefused for a count not served, before
  /// drawing anything, and, as a guard that served counts never meet, after drawing r when a
  /// slice does not settle within kMaxNewtonSteps or a step divides by zero. A refused call
  /// leaves every element as it was.
  void generate(int count, double sigmaXy, UniformSource& source);

  /// Element e(index), index in 1..4000.
  float operator()(int index) const { return values_.at(static_cast<std::size_t>(index)); }

  /// Sets e(index), index in 1..4000: for tests and for a caller that restores a list.
  void set(int index, float value) { values_.at(static_cast<std::size_t>(index)) = value; }

 private:
  std::array<float, kCapacity + 1> values_{};  // index 0 unused
};

}  // namespace suite
