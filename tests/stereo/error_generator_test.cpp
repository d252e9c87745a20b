#include "stereo/error_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "stereo/uniform_source.h"

namespace suite {
namespace {

// The largest single-precision value below 1: as a shuffle draw it makes j = c, so every
// exchange leaves the list as it is and the generated order can be read back.
constexpr float kKeep = 0.99999994f;

// r for the slices, then draws that keep the generated order.
FixedUniformSource unshuffled(float r, int count) {
  std::vector<float> draws(static_cast<std::size_t>(count), kKeep);
  draws[0] = r;
  return FixedUniformSource(draws);
}

std::vector<float> elements(const ErrorList& list, int from, int to) {
  std::vector<float> values;
  for (int i = from; i <= to; ++i) values.push_back(list(i));
  return values;
}

void expectSlices(int count, float r, double sigma, const std::vector<double>& expected) {
  ErrorList list;
  list.set(count, 0.25f);
  list.set(count + 1, 7.0f);
  FixedUniformSource source = unshuffled(r, count);
  list.generate(count, sigma, source);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(list(static_cast<int>(i) + 1), expected[i] * sigma, 0.0005 * sigma)
        << "count " << count << ", r " << r << ", e(" << i + 1 << ")";
  }
  EXPECT_EQ(list(count), 0.25f) << "e(count) keeps its older value";
  EXPECT_EQ(list(count + 1), 7.0f);
  EXPECT_EQ(source.drawn(), static_cast<std::size_t>(count));  // r, then one per exchange
}

TEST(ErrorGenerator, ValuesAreBellSlicesAndTheLastKeepsItsOlderValue) {
  expectSlices(8, 0.0f, 1.0, {-3.000, -2.162, -1.022, -0.513, -0.122, 0.249, 0.663});
  expectSlices(8, 0.5f, 1.0, {-3.005, -2.165, -1.024, -0.514, -0.123, 0.248, 0.662});
  expectSlices(4, 0.0f, 0.006, {-3.000, -0.792, 3.690});
}

TEST(ErrorGenerator, TwoValuesGenerateOnlyTheLowerBound) {
  ErrorList list;
  list.set(2, 9.0f);
  FixedUniformSource swap({0.5f, 0.0f});
  list.generate(2, 2.0, swap);
  EXPECT_EQ(list(1), 9.0f);
  EXPECT_EQ(list(2), static_cast<float>(-2.0 * (3 + 0.5 / 100)));
}

TEST(ErrorGenerator, ShuffleExchangesFromTheTopDown) {
  // Draws 0, 0.5, kKeep give j = 1, 2, 2 for c = 4, 3, 2: exchanges (4,1), (3,2), (2,2).
  ErrorList list;
  list.set(4, 5.0f);
  ErrorList ordered = list;
  FixedUniformSource reference = unshuffled(0.0f, 4);
  ordered.generate(4, 1.0, reference);
  FixedUniformSource source({0.0f, 0.0f, 0.5f, kKeep});
  list.generate(4, 1.0, source);
  EXPECT_EQ(elements(list, 1, 4),
            (std::vector<float>{ordered(4), ordered(3), ordered(2), ordered(1)}));
}

TEST(ErrorGenerator, ShuffleDrawsDoNotChangeTheValuesDrawn) {
  ErrorList a;
  ErrorList b;
  a.set(20, 1.5f);
  b.set(20, 1.5f);
  FixedUniformSource first({0.3f, 0.1f, 0.7f, 0.9f, 0.2f});
  FixedUniformSource second({0.3f, 0.6f, 0.05f, 0.45f});
  a.generate(20, 0.01, first);
  b.generate(20, 0.01, second);
  std::vector<float> va = elements(a, 1, 20);
  std::vector<float> vb = elements(b, 1, 20);
  EXPECT_NE(va, vb);
  std::sort(va.begin(), va.end());
  std::sort(vb.begin(), vb.end());
  EXPECT_EQ(va, vb);

  // With σ = 0 every generated value is 0, but an older e(N) is shuffled in.
  const float older = a(8);
  ASSERT_NE(older, 0.0f);
  a.generate(8, 0.0, first);
  const std::vector<float> zeroSigma = elements(a, 1, 8);
  EXPECT_EQ(std::count(zeroSigma.begin(), zeroSigma.end(), 0.0f), 7);
  EXPECT_EQ(std::count(zeroSigma.begin(), zeroSigma.end(), older), 1);
}

TEST(ErrorGenerator, RefusedCountsLeaveTheListAndTheSourceUntouched) {
  ErrorList list;
  for (int i = 1; i <= ErrorList::kCapacity; ++i) list.set(i, static_cast<float>(i) / 7);
  const std::vector<float> before = elements(list, 1, ErrorList::kCapacity);
  FixedUniformSource source({0.0f});
  for (int count : {-5, 0, 1, 3, 5, 6, 7, 2341, 2347, 2354, 4000, 4001}) {
    try {
      list.generate(count, 1.0, source);
      ADD_FAILURE() << count << " was served";
    } catch (const ErrorCountRefused& refusal) {
      EXPECT_EQ(refusal.count(), count);
      const std::string message = refusal.what();
      EXPECT_NE(message.find(" " + std::to_string(count) + " "), std::string::npos) << message;
      EXPECT_NE(message.find("2340"), std::string::npos) << message;
    }
  }
  EXPECT_EQ(elements(list, 1, ErrorList::kCapacity), before);
  EXPECT_EQ(source.drawn(), 0u);
}

TEST(ErrorGenerator, EveryServedCountSettlesAtBothEndsOfTheDraw) {
  for (int count = 2; count <= ErrorList::kLargestServedCount; ++count) {
    if (!ErrorList::serves(count)) continue;
    ASSERT_TRUE(ErrorList::settles(count, 0.0f)) << count;
    ASSERT_TRUE(ErrorList::settles(count, kKeep)) << count;
  }
  ErrorList list;
  FixedUniformSource source = unshuffled(0.0f, ErrorList::kLargestServedCount);
  list.generate(ErrorList::kLargestServedCount, 1.0, source);
  for (int i = 1; i < ErrorList::kLargestServedCount; ++i) ASSERT_TRUE(std::isfinite(list(i)));
}

TEST(ErrorGenerator, AboveTheServedRangeSettlingDependsOnCountAndDraw) {
  // With r = 0, 2347 is the first count above 7 whose slices never settle (a step of about
  // 2.6e-5 that cannot move x1 ≈ 1.3e11 by more than an ulp); 2348 settles, 2354 does not.
  EXPECT_TRUE(ErrorList::settles(2346, 0.0f));
  EXPECT_FALSE(ErrorList::settles(2347, 0.0f));
  EXPECT_TRUE(ErrorList::settles(2348, 0.0f));
  EXPECT_FALSE(ErrorList::settles(2354, 0.0f));
  EXPECT_TRUE(ErrorList::settles(2347, 0.5f));
  EXPECT_FALSE(ErrorList::settles(6, 0.0f));
  EXPECT_FALSE(ErrorList::settles(7, 0.0f));
}

TEST(ClockUniformSource, DrawsWithinOneClockTickDoNotRepeat) {
  ClockUniformSource frozen([] { return 43200.0f; }, 1);
  std::set<float> seen;
  for (int i = 0; i < 1000; ++i) {
    const float u = frozen.next();
    ASSERT_GE(u, 0.0f);
    ASSERT_LT(u, 1.0f);
    seen.insert(u);
  }
  EXPECT_GT(seen.size(), 990u);
  ClockUniformSource later([] { return 43201.0f; }, 1);
  ClockUniformSource again([] { return 43200.0f; }, 1);
  EXPECT_NE(later.next(), again.next());
}

}  // namespace
}  // namespace suite
