#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace suite {

/// A source of uniform random numbers in [0, 1), single precision. The error generator and
/// the flight simulation draw from one; a program passes a ClockUniformSource, tests pass a
/// FixedUniformSource.
class UniformSource {
 public:
  virtual ~UniformSource() = default;
  /// The next value, 0 <= value < 1.
  virtual float next() = 0;
};

/// Seconds since local midnight, single precision: the time of day the program's source
/// re-seeds from.
float secondsSinceMidnight();

/// The programs' own source. Before every draw it reads the time of day and mixes it into a
/// 64-bit running state (splitmix64), so the draws follow the clock, yet many draws within one
/// clock tick still differ from each other. The state starts from the wall clock in
/// nanoseconds, so two runs of the program draw different values.
class ClockUniformSource : public UniformSource {
 public:
  /// Reads the time of day with secondsSinceMidnight().
  ClockUniformSource();
  /// Reads the time of day from `clock` (seconds since midnight); the starting state is
  /// `seed`. For tests of the mixing.
  ClockUniformSource(std::function<float()> clock, std::uint64_t seed);

  float next() override;

 private:
  std::function<float()> clock_;
  std::uint64_t state_;
};

/// Replays a fixed list of values, starting again from the first after the last. Every value
/// must lie in [0, 1); the list must not be empty.
class FixedUniformSource : public UniformSource {
 public:
  explicit FixedUniformSource(std::vector<float> values);

  float next() override;

  /// How many values have been drawn so far.
  std::size_t drawn() const { return drawn_; }

 private:
  std::vector<float> values_;
  std::size_t drawn_ = 0;
};

}  // namespace suite
