#include "text/text_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/number_format.h"

namespace {

using suite::formatMask;
using suite::printForm;
using suite::TextLine;
using Lines = std::vector<std::string>;

TEST(TextLine, ControlPointLinePutsCoordinatesInColumnsTenTwentyFiveForty) {
  TextLine line;
  line << printForm(1);
  line.tab(10) << formatMask(632800, "########.000");
  line.tab(25) << formatMask(4131600, "########.000");
  line.tab(40) << formatMask(152.25, "########.000");
  EXPECT_EQ(line.lines(), Lines{" 1       632800.000     4131600.000    152.250"});
  //         1234567890123456789012345678901234567890
}

TEST(TextLine, FiducialAndPointLinesPlaceCommasAndValues) {
  TextLine fiducial;
  fiducial << printForm(11111) << ",";
  fiducial.tab(10) << formatMask(-115, "######.000") << ",";
  fiducial.tab(25) << formatMask(0, "######.000");
  EXPECT_EQ(fiducial.lines(), Lines{" 11111 , -115.000,      .000"});

  TextLine point;
  point << printForm(1) << ",";
  point.tab(8) << formatMask(-3.2, "#######.###") << ",";
  point.tab(22) << formatMask(12, "#######.###");
  EXPECT_EQ(point.lines(), Lines{" 1 ,   -3.2,         12."});
}

TEST(TextLine, TabAtOrBeforeCurrentColumnStartsAPaddedNewLine) {
  TextLine line;
  line << "123456789";
  line.tab(10) << "x";  // fits: column 10 is still free
  line.tab(10) << "y";
  line.tab(1) << "z";
  EXPECT_EQ(line.lines(), (Lines{"123456789x", "         y", "z"}));
}

TEST(TextLine, ColumnsCountGreekCharactersNotBytes) {
  TextLine line;
  line << "Αριθμός";
  line.tab(10) << "=";
  EXPECT_EQ(line.lines(), Lines{"Αριθμός  ="});

  TextLine broken;
  broken << "ab\nγδ";
  broken.tab(4) << "e";
  EXPECT_EQ(broken.lines(), (Lines{"ab", "γδ e"}));
}

}  // namespace
