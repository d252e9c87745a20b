#include "text/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "text/number_format.h"
#include "text/user_error.h"

namespace {

using suite::leadingNumber;
using suite::roundHalfEven;

TEST(LeadingNumber, ReadsLongestNumericPrefixAfterBlanks) {
  EXPECT_EQ(leadingNumber("1,5"), 1.0);
  EXPECT_EQ(leadingNumber(" 2.5x"), 2.5);
  EXPECT_EQ(leadingNumber("\t -7.25 m"), -7.25);
  EXPECT_EQ(leadingNumber("12abc"), 12.0);
  EXPECT_EQ(leadingNumber("-.5"), -0.5);
  EXPECT_EQ(leadingNumber("+5."), 5.0);
  EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
  for (const char* text : {"", "abc", ".", "-", " ", "-.e5", "inf", "nan", "0x1A"}) {
    EXPECT_EQ(leadingNumber(text), 0.0) << text;
  }
  EXPECT_FALSE(std::signbit(leadingNumber("-0")));
}

TEST(LeadingNumber, ExponentCountsOnlyWhenComplete) {
  EXPECT_EQ(leadingNumber("1e3"), 1000.0);
  EXPECT_EQ(leadingNumber("2.5E-2x"), 0.025);
  EXPECT_EQ(leadingNumber("1e"), 1.0);
  EXPECT_EQ(leadingNumber("7E+x"), 7.0);
  EXPECT_EQ(leadingNumber("1e-400"), 0.0);
}

TEST(LeadingNumber, NumberBeyondDoubleRangeIsReportedToUser) {
  EXPECT_THROW(leadingNumber("1e400"), suite::UserError);
  EXPECT_THROW(leadingNumber("-" + std::string(400, '9')), suite::UserError);
}

// What the suite prints for the largest doubles reads back as the largest double; a number
// beyond it is still reported.
TEST(LeadingNumber, PrintFormOfTheLargestDoublesReadsBackAsTheLargest) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  EXPECT_EQ(leadingNumber(suite::printForm(kLargest)), kLargest);
  EXPECT_EQ(leadingNumber(suite::printForm(-kLargest)), -kLargest);
  EXPECT_EQ(leadingNumber(" 1.79769313486232E+308 x"), kLargest);
  EXPECT_EQ(leadingNumber("0.0179769313486232e310"), kLargest);
  EXPECT_THROW(leadingNumber("1.79769313486233E+308"), suite::UserError);
  EXPECT_THROW(leadingNumber("1.797693134862320001E+308"), suite::UserError);
}

TEST(RoundHalfEven, HalvesGoToEvenNeighbourWithinThe32BitRange) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.4999999999999996), 2);
  EXPECT_EQ(roundHalfEven(-1.7), -2);
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(roundHalfEven(2147483647.5), kMax);
  EXPECT_EQ(roundHalfEven(2147483646.5), 2147483646);
  EXPECT_EQ(roundHalfEven(-1e12), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
