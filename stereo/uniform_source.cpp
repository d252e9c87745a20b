#include "stereo/uniform_source.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <utility>

namespace suite {

namespace {

std::uint64_t splitMix64(std::uint64_t& state) {
  state += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t wallClockNanoseconds() {
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                        std::chrono::system_clock::now().time_since_epoch())
                                        .count());
}

}  // namespace

float secondsSinceMidnight() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto sinceEpoch = now.time_since_epoch();
  const double fraction = std::chrono::duration<double>(
                              sinceEpoch - std::chrono::floor<std::chrono::seconds>(sinceEpoch))
                              .count();
  return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + fraction);
}

ClockUniformSource::ClockUniformSource()
    : ClockUniformSource(&secondsSinceMidnight, wallClockNanoseconds()) {}

ClockUniformSource::ClockUniformSource(std::function<float()> clock, std::uint64_t seed)
    : clock_(std::move(clock)), state_(seed) {}

float ClockUniformSource::next() {
  // Re-seed from the clock: its bits are folded into the running state rather than replacing
  // it, so an unchanged clock value does not restart the sequence.
  const float clock = clock_();
  std::uint32_t clockBits = 0;
  std::memcpy(&clockBits, &clock, sizeof clockBits);
  state_ ^= static_cast<std::uint64_t>(clockBits) * 0xD6E8FEB86659FD93ULL;
  // The top 24 bits make a float in [0, 1) exactly.
  return static_cast<float>(splitMix64(state_) >> 40) * (1.0f / 16777216.0f);
}

FixedUniformSource::FixedUniformSource(std::vector<float> values) : values_(std::move(values)) {
  if (values_.empty()) throw std::invalid_argument("FixedUniformSource needs at least one value");
  for (float v : values_) {
    if (!(v >= 0.0f && v < 1.0f)) {
      throw std::invalid_argument("FixedUniformSource value outside [0, 1)");
    }
  }
}

float FixedUniformSource::next() {
  return values_[drawn_++ % values_.size()];
}

}  // namespace suite
