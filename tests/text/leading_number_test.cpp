#include "text/leading_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "text/user_error.h"

namespace {

using suite::leadingNumber;
using suite::roundHalfEven;

TEST(LeadingNumber, ReadsLongestNumericPrefixAfterBlanks) {
  EXPECT_EQ(leadingNumber("1,5"), 1.0);
  EXPECT_EQ(leadingNumber(" 2.5x"), 2.5);
  EXPECT_EQ(leadingNumber("\t \t-7.25 m"), -7.25);
  EXPECT_EQ(leadingNumber("12abc"), 12.0);
  EXPECT_EQ(leadingNumber("+3"), 3.0);
  EXPECT_EQ(leadingNumber("-.5"), -0.5);
  EXPECT_EQ(leadingNumber("5."), 5.0);
  EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
  EXPECT_EQ(leadingNumber("1 2"), 1.0);
  EXPECT_EQ(leadingNumber("4131600.125"), 4131600.125);
}

TEST(LeadingNumber, TextWithoutLeadingNumberReadsZero) {
  for (const char* text : {"", "abc", ".", "-", "+.", " ", "-.e5", "x12", "\xCE\xB1" "5"}) {
    EXPECT_EQ(leadingNumber(text), 0.0) << text;
  }
  EXPECT_FALSE(std::signbit(leadingNumber("-0")));
}

TEST(LeadingNumber, ExponentCountsOnlyWhenComplete) {
  EXPECT_EQ(leadingNumber("1e3"), 1000.0);
  EXPECT_EQ(leadingNumber("2.5E-2x"), 0.025);
  EXPECT_EQ(leadingNumber("1e+2"), 100.0);
  EXPECT_EQ(leadingNumber("1e"), 1.0);
  EXPECT_EQ(leadingNumber("1e+"), 1.0);
  EXPECT_EQ(leadingNumber("7E-x"), 7.0);
  EXPECT_EQ(leadingNumber("1e-400"), 0.0);
  EXPECT_EQ(leadingNumber("0.000001e-320"), 0.0);
}

TEST(LeadingNumber, NeverReadsInfinityNanOrHex) {
  EXPECT_EQ(leadingNumber("inf"), 0.0);
  EXPECT_EQ(leadingNumber("-infinity"), 0.0);
  EXPECT_EQ(leadingNumber("nan"), 0.0);
  EXPECT_EQ(leadingNumber("0x1A"), 0.0);
  EXPECT_EQ(leadingNumber("&H10"), 0.0);
}

TEST(LeadingNumber, NumberBeyondDoubleRangeIsReportedToUser) {
  EXPECT_THROW(leadingNumber("1e400"), suite::UserError);
  EXPECT_THROW(leadingNumber("-" + std::string(400, '9')), suite::UserError);
}

TEST(LeadingNumber, ReadsPointWhateverTheProcessLocale) {
  // Qt sets the process locale from the environment; a Greek one writes decimals with a comma.
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "el_GR.UTF-8") == nullptr &&
      std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  EXPECT_EQ(leadingNumber("2.5"), 2.5);
  EXPECT_EQ(leadingNumber("2,5"), 2.0);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-3.5), -4);
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(2.4999999999999996), 2);
  EXPECT_EQ(roundHalfEven(-1.7), -2);
  EXPECT_EQ(roundHalfEven(1e-300), 0);
}

TEST(RoundHalfEven, ClampsToThe32BitRangeAndReadsNanAsZero) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(roundHalfEven(1e12), kMax);
  EXPECT_EQ(roundHalfEven(2147483647.5), kMax);
  EXPECT_EQ(roundHalfEven(2147483646.5), 2147483646);
  EXPECT_EQ(roundHalfEven(-1e12), kMin);
  EXPECT_EQ(roundHalfEven(-2147483648.5), kMin);
  EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
