#include "stereo/photo_pair_drawing.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas/recording_canvas.h"
#include "tests/canvas/canvas_trace.h"
#include "text/user_error.h"

namespace suite {
namespace {

// A picture of 2600 × 1800 twips gives each photograph w = 1000 and h = 1200.
constexpr double kW = 1000;
constexpr double kH = 1200;
RecordingCanvas picture() {
  return RecordingCanvas(2 * (kW + 300), kH + 600);
}

// A mesh whose node (i, j) lies at (leftXs[j], leftYs[i]) on the left photograph and at
// (rightXs[j], rightYs[i]) on the right one.
PhotoPairInput mesh(const std::vector<double>& leftXs, const std::vector<double>& leftYs,
                    const std::vector<double>& rightXs, const std::vector<double>& rightYs) {
  PhotoPairInput input;
  input.rows = static_cast<int>(leftYs.size());
  input.columns = static_cast<int>(leftXs.size());
  for (std::size_t i = 0; i < leftYs.size(); ++i) {
    for (std::size_t j = 0; j < leftXs.size(); ++j) {
      input.points.push_back({{leftXs[j], leftYs[i]}, {rightXs[j], rightYs[i]}});
      input.extremes.include(input.points.back());
    }
  }
  return input;
}

using canvas_testing::trace;

std::string withoutText(const std::string& trace) {
  return trace.substr(0, trace.find('T'));
}

// Left ranges 35 × 45 mm (+ 15 margin: 50, 60), right 40 × 50: flightsim's scale is
// min(1000/50, 1200/60, 1000/40, 1200/50) = 20, decided by the left photograph's x.
PhotoPairInput leftDecides() {
  return mesh({-10, 25}, {20, -25}, {0, 40}, {0, -50});
}

TEST(PhotoPairDrawing, TwoByTwoWindowDrawsRowsThenColumnsLeftThenRightThenText) {
  PhotoPairInput input = leftDecides();
  input.focalMm = 152;
  input.left = {632900, 4131500, 1802.1739130434783, 0.5, -1.25, 0};
  input.right = {633900.0004, 4131499.9996, 1799.5, -0.0001, 12.3456, -359.9999};
  RecordingCanvas canvas = picture();
  const PhotoPairGeometry g = drawPhotoPair(canvas, input, PhotoPairStyle::flightsim());
  EXPECT_EQ(g.halfWidth, kW);
  EXPECT_EQ(g.height, kH);
  EXPECT_EQ(g.twipsPerMm, 20);
  // Left band 100..1100: the mesh ends 15 mm · 20 = 300 twips short of its right edge and of
  // the bottom 300 + h. The right photograph starts at w + 400 = 1400.
  EXPECT_EQ(trace(canvas),
            "C W4 "
            "P100,300r L800,300r P100,1200r L800,1200r "      // left rows
            "P100,300r L100,1200r P800,300r L800,1200r "      // left columns
            "P1400,300g L2200,300g P1400,1300g L2200,1300g "  // right rows
            "P1400,300g L1400,1300g P2200,300g L2200,1300g "  // right columns
            "T2200,1300 T0,1540 T0,1780 ");                   // from the south-east node
  const auto& ops = canvas.ops();
  ASSERT_EQ(ops.size(), 21u);
  EXPECT_EQ(ops[18].text, " ");
  // The first label starts with a Latin A, the second with a Greek capital Alpha.
  EXPECT_EQ(ops[19].text, "\x41/Φ: 111, 152 ,632900.000,4131500.000,1802.174,.500,-1.250,.000");
  EXPECT_EQ(ops[20].text,
            "\xCE\x91/Φ: 222, 152 ,633900.000,4131500.000,1799.500,.000,12.346,-360.000");
}

TEST(PhotoPairDrawing, ARightRangeThatDecidesFillsItsBandExactly) {
  // Right x from -37.25 to 61.5 mm: s = 1000 / 98.75, the mesh ends at 2w + 400.
  const PhotoPairInput wide = mesh({0, 1, 2}, {0, -1}, {-37.25, 0, 61.5}, {3, 0});
  // Right y from -80.5 to 40.125 mm: s = 1200 / 120.625, the mesh ends at 300 + h.
  const PhotoPairInput tall = mesh({0, 1, 2}, {0, -1}, {0, 1, 2}, {40.125, -80.5});
  for (const PhotoPairStyle& style : {PhotoPairStyle::flightsim(), PhotoPairStyle::pairsim()}) {
    RecordingCanvas a = picture();
    EXPECT_EQ(drawPhotoPair(a, wide, style).twipsPerMm, kW / 98.75);
    ASSERT_GE(a.ops().size(), 26u);
    // Right rows: points at q1 and q4, lines to q2, q3, q5, q6 (row by row, west to east).
    EXPECT_EQ(a.ops()[14].x, kW + 400);
    EXPECT_EQ(a.ops()[16].x, 2 * kW + 400);
    EXPECT_EQ(a.ops()[16].y, 300);
    // Positions are held in single precision.
    const double y = a.ops()[19].y;
    EXPECT_FLOAT_EQ(y, 300 + 3 * (kW / 98.75));
    EXPECT_EQ(y, static_cast<double>(static_cast<float>(y)));

    RecordingCanvas b = picture();
    EXPECT_EQ(drawPhotoPair(b, tall, style).twipsPerMm, kH / 120.625);
    ASSERT_GE(b.ops().size(), 26u);
    EXPECT_EQ(b.ops()[19].y, 300 + kH);
  }
}

TEST(PhotoPairDrawing, PairsimStyleHasNoMarginAndPrintsNothing) {
  RecordingCanvas flight = picture();
  RecordingCanvas pair = picture();
  const double flightScale =
      drawPhotoPair(flight, leftDecides(), PhotoPairStyle::flightsim()).twipsPerMm;
  // Without the margin: min(1000/35, 1200/45, 1000/40, 1200/50) = 24, from the right y.
  const double pairScale = drawPhotoPair(pair, leftDecides(), PhotoPairStyle::pairsim()).twipsPerMm;
  EXPECT_EQ(flightScale, 20);
  EXPECT_EQ(pairScale, 24);
  // The same meshes at the new scale, and nothing after the last column.
  EXPECT_EQ(withoutText(trace(pair)), trace(pair));
  EXPECT_EQ(pair.ops().size(), 18u);
  EXPECT_EQ(pair.ops().back().y, 300 + kH);
}

TEST(PhotoPairDrawing, ZeroRangeCandidatesAreLeftOut) {
  // One row: every y range is 0. pairsim takes min(1000/30, 1000/50); flightsim also weighs
  // h / (0 + 15) = 80, which has no zero to divide by, and keeps 1000/50 = 20.
  const PhotoPairInput row = mesh({0, 10, 30}, {5}, {0, 25, 50}, {7});
  for (const PhotoPairStyle& style : {PhotoPairStyle::flightsim(), PhotoPairStyle::pairsim()}) {
    RecordingCanvas canvas = picture();
    EXPECT_EQ(drawPhotoPair(canvas, row, style).twipsPerMm, 20);
    EXPECT_EQ(withoutText(trace(canvas)),
              "C W4 P100,300r L300,300r L700,300r P100,300r P300,300r P700,300r "
              "P1400,300g L1900,300g L2400,300g P1400,300g P1900,300g P2400,300g ");
  }
  // One node: only flightsim's margin candidates remain, min(1000/15, 1200/15).
  const PhotoPairInput dot = mesh({3}, {4}, {5}, {6});
  RecordingCanvas canvas = picture();
  EXPECT_EQ(drawPhotoPair(canvas, dot, PhotoPairStyle::flightsim()).twipsPerMm, kW / 15);
  EXPECT_EQ(withoutText(trace(canvas)), "C W4 P100,300r P100,300r P1400,300g P1400,300g ");
}

TEST(PhotoPairDrawing, RefusesBeforeTouchingTheCanvas) {
  RecordingCanvas canvas = picture();
  // Every range 0 and no margin: no scale at all.
  EXPECT_THROW(drawPhotoPair(canvas, mesh({3}, {4}, {5}, {6}), PhotoPairStyle::pairsim()),
               UserError);
  EXPECT_THROW(drawPhotoPair(canvas, mesh({}, {}, {}, {}), PhotoPairStyle::flightsim()), UserError);
  RecordingCanvas tiny(600, 2000);  // w = 0
  EXPECT_THROW(drawPhotoPair(tiny, leftDecides(), PhotoPairStyle::flightsim()), UserError);
  PhotoPairInput mismatched = leftDecides();
  mismatched.columns = 3;
  EXPECT_THROW(drawPhotoPair(canvas, mismatched, PhotoPairStyle::flightsim()),
               std::invalid_argument);
  EXPECT_TRUE(canvas.ops().empty());
  EXPECT_TRUE(tiny.ops().empty());
}

// A height of 1e308 projects beyond the range of single precision: the extremes become
// infinite and the range that holds them is left out of the scale, which the other ranges
// still give. Every node of that photograph would then land at an infinite or undefined
// place; so would a node whose image coordinate is not a number at all.
TEST(PhotoPairDrawing, NodeWithNoPlaceInThePictureIsRefusedNamedBeforeTouchingTheCanvas) {
  for (const double beyond : {1e39, -1e300, std::numeric_limits<double>::quiet_NaN()}) {
    RecordingCanvas canvas = picture();
    const PhotoPairInput input = mesh({-10, 25}, {20, -25}, {0, 40}, {0, beyond});
    try {
      drawPhotoPair(canvas, input, PhotoPairStyle::pairsim());
      ADD_FAILURE() << "drawn with a right y of " << beyond;
    } catch (const UserError& error) {
      // The first node without a place: an infinite largest y displaces every node of its
      // photograph, a node far below or one that is not a number only itself.
      const std::string node = beyond > 0 ? "1, στήλης 1" : "2, στήλης 1";
      EXPECT_NE(
          std::string(error.what())
              .find("Ο κόμβος της γραμμής " + node + " δεν μπορεί να σχεδιαστεί στην Α/Φ 222"),
          std::string::npos)
          << error.what();
    }
    EXPECT_TRUE(canvas.ops().empty()) << beyond;
  }
}

TEST(PhotoPairWindowLayout, CoversTheScreenWithThePictureInset) {
  // 1920 × 1080 pixels.
  PhotoPairWindowLayout layout = photoPairWindowLayout(28800, 16200);
  EXPECT_EQ(layout.window, (TwipsRect{1, 1, 28800, 16200}));
  EXPECT_EQ(layout.picture, (TwipsRect{250, 250, 27800, 15000}));
  const PhotoPairGeometry room = photoPairRoom(27800, 15000);
  EXPECT_EQ(room.halfWidth, 13600);
  EXPECT_EQ(room.height, 14400);
  // 3840 × 2160 pixels: beyond 16-bit twips.
  layout = photoPairWindowLayout(57600, 32400);
  EXPECT_EQ(layout.window, (TwipsRect{1, 1, 57600, 32400}));
  EXPECT_EQ(layout.picture, (TwipsRect{250, 250, 56600, 31200}));
  EXPECT_EQ(photoPairWindowLayout(900, 1100).picture, (TwipsRect{250, 250, 0, 0}));
}

}  // namespace
}  // namespace suite
