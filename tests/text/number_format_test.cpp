#include "text/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using suite::formatMask;
using suite::printForm;

TEST(PrintForm, BlankOrMinusThenFifteenDigitsThenBlank) {
  EXPECT_EQ(printForm(152), " 152 ");
  EXPECT_EQ(printForm(1802.1739130434783), " 1802.17391304348 ");
  EXPECT_EQ(printForm(0.5), " .5 ");
  EXPECT_EQ(printForm(-0.25), "-.25 ");
  EXPECT_EQ(printForm(-0.0), " 0 ");
  EXPECT_EQ(printForm(0.1 + 0.2), " .3 ");
  EXPECT_EQ(printForm(999999999999999), " 999999999999999 ");
  EXPECT_EQ(printForm(999999999999999.9), " 1E+15 ");
  EXPECT_EQ(printForm(0.0001), " .0001 ");
  EXPECT_EQ(printForm(-2.5e-5), "-2.5E-05 ");
  EXPECT_EQ(printForm(std::numeric_limits<double>::quiet_NaN()), " NaN ");
  EXPECT_EQ(suite::printFormSingle(1802.1739f), " 1802.174 ");
  EXPECT_EQ(suite::printFormSingle(1e7f), " 1E+07 ");
  EXPECT_EQ(suite::numberTextSingle(-0.5f), "-.5");
}

TEST(FormatMask, CompulsoryDecimalsWithoutIntegerPadding) {
  EXPECT_EQ(formatMask(632900, "########.000"), "632900.000");
  EXPECT_EQ(formatMask(0.5, "########.000"), ".500");
  EXPECT_EQ(formatMask(-0.25, "####.000"), "-.250");
  EXPECT_EQ(formatMask(123456789012.0, "####.000"), "123456789012.000");
  EXPECT_EQ(formatMask(0.9996, "#####.000"), "1.000");
  EXPECT_EQ(formatMask(1e20, "########.000"), "100000000000000000000.000");
  EXPECT_EQ(formatMask(std::numeric_limits<double>::max(), "#.0").size(), 311u);
  EXPECT_EQ(formatMask(-std::numeric_limits<double>::infinity(), "####.000"), "-Inf");
}

TEST(FormatMask, OptionalDecimalsDropTrailingZerosButKeepThePoint) {
  EXPECT_EQ(formatMask(12.3456, "#######.###"), "12.346");
  EXPECT_EQ(formatMask(-3.2, "#######.###"), "-3.2");
  EXPECT_EQ(formatMask(12, "#######.###"), "12.");
  EXPECT_EQ(formatMask(99.9999, "####.###"), "100.");
  EXPECT_EQ(formatMask(0, "####.###"), ".");
  EXPECT_EQ(formatMask(22, "###"), "22");
  EXPECT_EQ(formatMask(0, "###"), "");
  EXPECT_EQ(formatMask(0.5, "00.0#"), "00.5");
}

TEST(FormatMask, RoundsExactBinaryValueHalvesAwayFromZeroNeverMinusZero) {
  // 0.0625 and 2.5 are exact halves; 1.0005 lies just below its half, 2.0005 just above.
  EXPECT_EQ(formatMask(0.0625, "####.000"), ".063");
  EXPECT_EQ(formatMask(-2.5, "###"), "-3");
  EXPECT_EQ(formatMask(1.0005, "####.000"), "1.000");
  EXPECT_EQ(formatMask(2.0005, "####.000"), "2.001");
  EXPECT_EQ(formatMask(-0.0001, "########.000"), ".000");
  EXPECT_EQ(formatMask(-0.0004, "#######.###"), ".");
  EXPECT_EQ(formatMask(-0.4, "###"), "");
  EXPECT_EQ(formatMask(-0.0005, "####.000"), "-.001");
}

TEST(TwoDecimalCut, CutsDownwardThenPrints) {
  EXPECT_EQ(suite::showTwoDecimals(12.349), " 12.34 ");
  EXPECT_EQ(suite::showTwoDecimals(-1.234), "-1.24 ");
  // 0.29·100 is 28.999999999999996 in double, so the floor cuts one hundredth more.
  EXPECT_EQ(suite::showTwoDecimals(0.29), " .28 ");
  EXPECT_EQ(suite::showTwoDecimalsSingle(-89.001f), "-89.01 ");
}

// Multiplying by 100 would overflow the largest values to an infinity: a whole number is its own
// two-decimal cut.
TEST(TwoDecimalCut, LargestValuesStayFiniteAndWholeNumbersStayAsTheyAre) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  EXPECT_EQ(suite::cutTwoDecimals(kLargest), kLargest);
  EXPECT_EQ(suite::cutTwoDecimals(-kLargest), -kLargest);
  EXPECT_EQ(suite::cutTwoDecimals(1e300), 1e300);
  EXPECT_EQ(suite::showTwoDecimals(-1e307), "-1E+307 ");
  EXPECT_EQ(suite::cutTwoDecimalsSingle(3e38f), 3e38f);
  EXPECT_EQ(suite::showTwoDecimalsSingle(3e38f), " 3E+38 ");
  EXPECT_EQ(suite::cutTwoDecimals(12345678.129), 12345678.12);
}

}  // namespace
