// The texts a DTM grid file is written with and the numbers the user types or the source gives.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "dtm/grid_reader.h"
#include "dtmconvert/cell_size.h"
#include "dtmconvert/grid_text.h"
#include "dtmconvert/height_precision.h"
#include "dtmconvert/number_text.h"
#include "dtmconvert/target_system.h"
#include "tests/dtmconvert/test_rasters.h"
#include "text/user_error.h"

namespace dtmconvert {
namespace {

TEST(HeightText, RoundsToTheWrittenPlacesAndDropsTrailingZeros) {
  EXPECT_EQ(heightText(103.5, 2), "103.5");
  EXPECT_EQ(heightText(103.004, 2), "103");
  EXPECT_EQ(heightText(103.006, 2), "103.01");
  EXPECT_EQ(heightText(-12.345678, 3), "-12.346");
  EXPECT_EQ(heightText(2917.0, 2), "2917");
  // A tie (a binary fraction) goes to even, as printf rounds it.
  EXPECT_EQ(heightText(2.5, 0), "2");
  EXPECT_EQ(heightText(1.5, 0), "2");
  EXPECT_EQ(heightText(0.125, 2), "0.12");
  // A single-precision 103.57 is 103.56999969482421875: still 103.57 at two places.
  EXPECT_EQ(heightText(static_cast<double>(103.57f), 2), "103.57");
}

TEST(HeightText, AValueThatRoundsToZeroHasNoSign) {
  EXPECT_EQ(heightText(-0.001, 2), "0");
  EXPECT_EQ(heightText(-0.4, 0), "0");
  EXPECT_EQ(heightText(-0.0, 2), "0");
  EXPECT_EQ(heightText(-0.006, 2), "-0.01");
}

TEST(HeightText, RefusesWhatItCannotWrite) {
  EXPECT_THROW(heightText(NAN, 2), std::invalid_argument);
  EXPECT_THROW(heightText(INFINITY, 2), std::invalid_argument);
  EXPECT_THROW(heightText(1, kMostDecimals + 1), std::invalid_argument);
}

TEST(HeaderLine, GivesFifteenSignificantDigitsThatTheGridReaderReadsBack) {
  suite::GridHeader header;
  header.rows = 61;
  header.columns = 87;
  // left + a/2 computed in binary: 1757005.3 a last bit off.
  header.xNorthWest = (1757005.3 - 0.05) + 0.05;
  header.yNorthWest = 4200000.125;
  header.spacingX = 0.1;
  header.spacingY = 2.5;
  const std::string line = headerLine(header);
  EXPECT_EQ(line, "61,87,1757005.3,4200000.125,0.1,2.5");

  testing::ScratchFolder scratch;
  std::string file = line + "\n";
  for (int i = 0; i < 61 * 87; ++i) file += "1 ";
  const std::string path = scratch.write("header.dtm", file);
  const testing::GridFile grid = testing::readGrid(path);
  EXPECT_EQ(grid.xNorthWest, 1757005.3);
  EXPECT_EQ(grid.spacingX, 0.1);
  EXPECT_EQ(headerNumber(-0.0), "0");
}

TEST(RoundCellSize, TakesTheNearestRoundSizeByRatio) {
  EXPECT_EQ(roundCellSize(24.4), 25);
  EXPECT_EQ(roundCellSize(30.8), 25);
  EXPECT_EQ(roundCellSize(36), 50);  // beyond the geometric mean of 25 and 50 (35.36)
  EXPECT_EQ(roundCellSize(73), 100);
  EXPECT_EQ(roundCellSize(92.5), 100);
  EXPECT_EQ(roundCellSize(10), 10);
  EXPECT_EQ(roundCellSize(1.4), 1);
  EXPECT_EQ(roundCellSize(1.5), 2);
  EXPECT_EQ(roundCellSize(0.3), 0.25);
  EXPECT_EQ(roundCellSize(0.0009), 0.001);
  EXPECT_EQ(roundCellSize(8.9), 10);
  EXPECT_THROW(roundCellSize(0), std::invalid_argument);
  EXPECT_THROW(roundCellSize(-5), std::invalid_argument);
}

TEST(SourceDecimals, FindsThePlacesEverySampleIsAMultipleOf) {
  EXPECT_EQ(sourceDecimals({103, 250, -12}, HeightType::Single), 0);
  EXPECT_EQ(sourceDecimals({103.5, 250, -12.5}, HeightType::Double), 1);
  EXPECT_EQ(sourceDecimals({103.57, 250.1, 12}, HeightType::Double), 2);
  EXPECT_EQ(sourceDecimals({103.571, 2.5}, HeightType::Double), 3);
  // Single-precision values are a little off their decimals.
  EXPECT_EQ(sourceDecimals({double(103.57f), double(250.13f)}, HeightType::Single), 2);
  EXPECT_EQ(sourceDecimals({}, HeightType::Double), 0);
  EXPECT_EQ(sourceDecimals({NAN, INFINITY}, HeightType::Double), 0);
}

TEST(SourceDecimals, StopsAtThePlacesTheTypeHolds) {
  // A single holds about 7 significant digits: at 2900 m, 3 places.
  EXPECT_EQ(sourceDecimals({double(2900.123456f), 1.0 / 3.0}, HeightType::Single), 3);
  EXPECT_EQ(sourceDecimals({1.0 / 3.0}, HeightType::Double), kMostDecimals);
  EXPECT_EQ(writtenDecimals(0), 2);
  EXPECT_EQ(writtenDecimals(3), 3);
  EXPECT_EQ(writtenDecimals(40), kMostDecimals);
}

TEST(ParseDecimal, TakesWholeNumbersWithAPointAndRefusesTheRest) {
  EXPECT_EQ(parseDecimal(" 12.5 ", "κελί a"), 12.5);
  EXPECT_EQ(parseDecimal("-3e2", "x"), -300);
  EXPECT_EQ(parseDecimal("+7", "x"), 7);
  EXPECT_FALSE(parseDecimal("  ", "x").has_value());
  for (const char* bad : {"12a", "1,5", "abc", "nan", "1e999", "+-2"}) {
    try {
      parseDecimal(bad, "κελί a");
      ADD_FAILURE() << bad;
    } catch (const suite::UserError& error) {
      EXPECT_NE(std::string(error.what()).find("κελί a"), std::string::npos) << error.what();
    }
  }
}

TEST(ParseEpsg, TakesTheCodeWithOrWithoutItsAuthority) {
  EXPECT_EQ(parseEpsg("EPSG:2100"), 2100);
  EXPECT_EQ(parseEpsg(" epsg:32634 "), 32634);
  EXPECT_EQ(parseEpsg("2193"), 2193);
  EXPECT_FALSE(parseEpsg("").has_value());
  EXPECT_THROW(parseEpsg("EPSG:"), suite::UserError);
  EXPECT_THROW(parseEpsg("ESRI:102100"), suite::UserError);
  EXPECT_THROW(parseEpsg("EPSG:21x"), suite::UserError);
  EXPECT_THROW(parseEpsg("1234567890123"), suite::UserError);
}

TEST(UtmZone, IsTheSixDegreeZoneOfTheLongitudeOnItsSideOfTheEquator) {
  EXPECT_EQ(utmZoneEpsg(23.7, 37.9), 32634);        // Athens
  EXPECT_EQ(utmZoneEpsg(174.764, -36.877), 32760);  // Auckland
  EXPECT_EQ(utmZoneEpsg(-180, 10), 32601);
  EXPECT_EQ(utmZoneEpsg(180, -10), 32760);
  EXPECT_EQ(utmZoneEpsg(0, 0), 32631);
}

}  // namespace
}  // namespace dtmconvert
