#include "stereo/stereo_dtm_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "dtm/grid_reader.h"
#include "golden.h"
#include "text/user_error.h"

namespace suite {
namespace {

using testing::matchesGolden;

std::string written(const StereoModel& model) {
  std::ostringstream out;
  writeStereoDtmFile(out, model);
  return out.str();
}

// A scratch path of this test process, so that parallel runs do not share files.
std::string scratchPath(const std::string& name) {
  return ::testing::TempDir() + "stereo_" + std::to_string(::getpid()) + "_" + name;
}

std::string temporaryFile(const std::string& name, const std::string& bytes) {
  const std::string path = scratchPath(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(StereoDtmFile, TwentyFourHeightsFillTwoLinesEachEndingWithTwoBlanks) {
  StereoModel model;
  model.header = {2, 12, 632800, 4131600, 100, 100};
  model.left = {632800, 4131400, 1802.1739130434783, 1.18, -0.97, 0.31};
  model.right = {633800.25, 4131399.5, 1801.9, -0.25, 0, 12.3456};
  model.heights = {100,    152.25, -3.5, 0.5, 1802.1739130434783,
                   0,      -0.25,  12,   1e6, 99.5,
                   7,      8,      9,    10,  11,
                   12.125, 13,     14,   15,  16,
                   17,     18,     19,   20};
  EXPECT_TRUE(matchesGolden(written(model), "stereo_dtm_24.txt"));
}

TEST(StereoDtmFile, TwentyFifthHeightEndsTheFileWithoutLineEnd) {
  StereoModel model;
  model.header = {5, 5, 632000, 4132000, 50, 25.5};
  model.left = {632100, 4131900, 1802.1739130434783, 0, 0, 0};
  model.right = {632150.125, 4131900, 1802.5, 0.5, -0.0004, -12};
  for (int k = 1; k <= 24; ++k) model.heights.push_back(100 + k);
  model.heights[12] = -0.5;
  model.heights.push_back(152.25);
  EXPECT_TRUE(matchesGolden(written(model), "stereo_dtm_25.txt"));
}

TEST(StereoDtmFile, ReaderReadsBackWhatTheWriterWrote) {
  StereoModel model;
  model.header = {3, 4, 632800.5, -4131600.25, 12.5, 0.75};
  model.left = {632800.1234, 4131400.9876, 1802.1739130434783, 1.18, -0.97, 0.31};
  model.right = {633801.0005, 4131399.4995, 1801.9, -0.2504, 0.0004, 359.9996};
  model.heights = {1802.1739130434783,
                   -0.001,
                   1e-7,
                   123456789.123456,
                   0,
                   -55.5,
                   2.0 / 3.0,
                   1e15,
                   7,
                   8,
                   9,
                   -1e-5};
  const std::string path = scratchPath("round_trip.txt");
  writeStereoDtmFile(path, model);

  StereoDtmReader reader(path);
  EXPECT_EQ(reader.title(), "Στέρεο ζεύγος ΨΜΕ");
  EXPECT_EQ(reader.header().rows, 3);
  EXPECT_EQ(reader.header().columns, 4);
  EXPECT_EQ(reader.header().xNorthWest, 632800.5);
  EXPECT_EQ(reader.header().yNorthWest, -4131600.25);
  EXPECT_EQ(reader.header().spacingX, 12.5);
  EXPECT_EQ(reader.header().spacingY, 0.75);
  // Half a unit of the third decimal, and the rounding of the double written.
  const double masked = 0.0005 + 1e-9;
  for (const auto& [read, wrote] :
       {std::pair{reader.left(), model.left}, {reader.right(), model.right}}) {
    EXPECT_NEAR(read.x, wrote.x, masked);
    EXPECT_NEAR(read.y, wrote.y, masked);
    EXPECT_NEAR(read.z, wrote.z, masked);
    EXPECT_NEAR(read.omegaDegrees, wrote.omegaDegrees, masked);
    EXPECT_NEAR(read.phiDegrees, wrote.phiDegrees, masked);
    EXPECT_NEAR(read.kappaDegrees, wrote.kappaDegrees, masked);
  }
  GridHeight height;
  for (std::size_t k = 0; k < model.heights.size(); ++k) {
    ASSERT_TRUE(reader.next(height)) << k;
    EXPECT_EQ(height.row, static_cast<int>(k / 4) + 1);
    EXPECT_EQ(height.column, static_cast<int>(k % 4) + 1);
    const double h = model.heights[k];
    EXPECT_NEAR(height.z, h, 5e-15 * std::abs(h)) << k;  // fifteen significant digits
  }
  EXPECT_FALSE(reader.next(height));
  std::remove(path.c_str());
}

// The print form rounds the largest doubles to 1.79769313486232E+308, above the largest double:
// a file that flightsim writes with such heights reads back in pairsim all the same.
TEST(StereoDtmFile, HeightsAtTheEndsOfTheDoubleRangeReadBack) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  StereoModel model;
  model.header = {1, 6, kLargest, -kLargest, kLargest, 1.7976931348623155e308};
  model.left = {kLargest, -kLargest, 1e300, 359.9996, -0.0004, 0};
  model.right = model.left;
  model.heights = {kLargest,
                   -kLargest,
                   1.7976931348623155e308,
                   -1.7976931348623155e308,
                   1.79769313486231e308,
                   4.9406564584124654e-324};
  const std::string path = scratchPath("extremes.txt");
  writeStereoDtmFile(path, model);
  StereoDtmReader reader(path);
  EXPECT_EQ(reader.header().xNorthWest, kLargest);
  EXPECT_EQ(reader.header().yNorthWest, -kLargest);
  EXPECT_EQ(reader.header().spacingX, kLargest);
  EXPECT_EQ(reader.header().spacingY, kLargest);
  EXPECT_EQ(reader.left().x, kLargest);  // the mask writes every digit
  EXPECT_EQ(reader.left().y, -kLargest);
  EXPECT_EQ(reader.left().z, 1e300);
  const double expected[] = {
      kLargest, -kLargest, kLargest, -kLargest, 1.79769313486231e308, 4.94065645841247e-324};
  GridHeight height;
  for (double z : expected) {
    ASSERT_TRUE(reader.next(height));
    EXPECT_EQ(height.z, z);
  }
  EXPECT_FALSE(reader.next(height));
  std::remove(path.c_str());
}

TEST(StereoDtmReader, ReadsTheHelpExampleWithItsLeadingBlanks) {
  StereoDtmReader reader(testing::stereoData("help_example_stereo_dtm.txt"));
  EXPECT_EQ(reader.title(), "Παράδειγμα προσομοίωσης δύο στέρεο αεροφωτογραφιών");
  EXPECT_EQ(reader.header().rows, 3);
  EXPECT_EQ(reader.header().yNorthWest, 11900);
  EXPECT_EQ(reader.left().phiDegrees, -0.97);
  EXPECT_EQ(reader.right().x, 11100);
  EXPECT_EQ(reader.right().kappaDegrees, 1.25);
  GridHeight height;
  double sum = 0;
  while (reader.next(height)) sum += height.z;
  EXPECT_EQ(height.row, 3);
  EXPECT_EQ(height.column, 3);
  EXPECT_EQ(sum, 740);  // all nine heights, none more
}

TEST(StereoDtmReader, TitleReadsAsUtf8OrWindows1253AndTellsWhatTheCodePageLacks) {
  const std::string rest = "\n 1,1,0,0,1,1\n 1,2,3,4,5,6\n 1,2,3,4,5,6\n 7";
  // As an editor saves it (with or without a byte order mark) and as flightsim writes it.
  for (const std::string& title : {std::string("Ζεύγος 1"), std::string("\xEF\xBB\xBFΖεύγος 1"),
                                   std::string("\xC6\xE5\xFD\xE3\xEF\xF2 1")}) {
    StereoDtmReader reader(temporaryFile("title.txt", title + rest));
    EXPECT_EQ(reader.title(), "Ζεύγος 1");
    EXPECT_EQ(reader.titleUnwritable(), "");
  }
  StereoDtmReader cyrillic(temporaryFile("cyrillic.txt", "Ζεύγος Ж" + rest));
  EXPECT_EQ(cyrillic.title(), "Ζεύγος Ж");
  EXPECT_NE(cyrillic.titleUnwritable().find("«Ж» (U+0416)"), std::string::npos);
}

// The message after the file name, from the value's description on.
std::string fromDescription(const std::string& message) {
  const std::size_t open = message.find(" (");
  return open == std::string::npos ? message : message.substr(open);
}

TEST(StereoDtmReader, BadHeaderFailsWithTheGridReadersWords) {
  const char* const badHeaders[] = {" 3,0,10000,11900,100,100", " 2.5,3,10000,11900,100,100",
                                    " 3,3,10000,11900,0,100", " 3,3,10000,11900,100,-1"};
  for (const char* header : badHeaders) {
    const std::string grid = temporaryFile("bad_grid.txt", std::string(header) + "\r\n 1,2,3\r\n");
    const std::string stereo = temporaryFile(
        "bad_stereo.txt", "Τίτλος\r\n" + std::string(header) + "\r\n 1,2,3,4,5,6\r\n 1,2,3\r\n");
    std::string gridMessage;
    std::string stereoMessage;
    try {
      GridReader reader(grid);
    } catch (const UserError& e) {
      gridMessage = e.what();
    }
    try {
      StereoDtmReader reader(stereo);
    } catch (const UserError& e) {
      stereoMessage = e.what();
    }
    ASSERT_FALSE(gridMessage.empty()) << header;
    EXPECT_NE(stereoMessage.find("bad_stereo.txt"), std::string::npos) << stereoMessage;
    EXPECT_NE(stereoMessage.find("γραμμή 2"), std::string::npos) << stereoMessage;
    EXPECT_EQ(fromDescription(stereoMessage), fromDescription(gridMessage));
  }
}

TEST(StereoDtmReader, MissingOrBadValuesAreReportedNotReadAsZero) {
  const std::string badAngle =
      temporaryFile("bad_angle.txt", "Τ\r\n 1,1,0,0,1,1\r\n 1,2,3,4,x5,6\r\n 1,2,3,4,5,6\r\n 7");
  try {
    StereoDtmReader reader(badAngle);
    ADD_FAILURE() << "read";
  } catch (const UserError& e) {
    EXPECT_NE(std::string(e.what()).find("φ της αριστερής φωτογραφίας"), std::string::npos)
        << e.what();
  }

  const std::string shortHeights = temporaryFile(
      "short_heights.txt", "Τ\r\n 2,2,0,0,1,1\r\n 1,2,3,4,5,6\r\n 1,2,3,4,5,6\r\n 7, 8, 9");
  StereoDtmReader reader(shortHeights);
  GridHeight height;
  EXPECT_TRUE(reader.next(height));
  EXPECT_TRUE(reader.next(height));
  EXPECT_TRUE(reader.next(height));
  EXPECT_THROW(reader.next(height), UserError);
}

}  // namespace
}  // namespace suite
