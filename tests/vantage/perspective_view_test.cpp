#include "vantage/perspective_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "canvas/recording_canvas.h"
#include "tests/canvas/canvas_trace.h"
#include "tests/dtm/scratch_folder.h"
#include "tests/vantage/grid_text.h"
#include "text/user_error.h"
#include "vantage/centre_texts.h"
#include "vantage/model_frame.h"

namespace vantage {
namespace {

using suite::RecordingCanvas;
using suite::dtm_testing::ScratchFolder;
using Kind = RecordingCanvas::Kind;
using testing::flatGrid;
using testing::gridText;

// Picture1 of a 1920 × 1080 screen.
constexpr int kPW = 19182;
constexpr int kPH = 12442;

// The view of a first drawing: the default centre of the file's frame, Zo = ΔZ + H_max.
PerspectiveView firstView(const std::string& path, float deltaZ, bool differentScales = false) {
  const ModelFrame frame = readModelFrame(path);
  PerspectiveView view;
  view.centre = defaultProjectionCentre(frame);
  view.centre.z = deltaZ + frame.heightMax;
  view.differentScales = differentScales;
  view.pictureWidthTwips = kPW;
  view.pictureHeightTwips = kPH;
  return view;
}

struct Bounds {
  float xMin = 1e30f, xMax = -1e30f, yMin = 1e30f, yMax = -1e30f;
};
Bounds boundsOf(const PerspectiveDrawing& drawing) {
  Bounds b;
  for (const PictureNode& node : drawing.nodes) {
    b.xMin = std::min(b.xMin, node.x);
    b.xMax = std::max(b.xMax, node.x);
    b.yMin = std::min(b.yMin, node.y);
    b.yMax = std::max(b.yMax, node.y);
  }
  return b;
}

std::string trace(const RecordingCanvas& canvas) {
  return suite::canvas_testing::trace(canvas, true);
}

std::string at(const PerspectiveDrawing& drawing, int row, int column) {
  std::ostringstream out;
  out << drawing.node(row, column).x << "," << drawing.node(row, column).y;
  return out.str();
}

TEST(PerspectiveView, PaintsRowsNorthFirstThenColumnsWestFirstThenThePanel) {
  ScratchFolder folder;
  const std::string path = folder.write(
      "g.dtm", gridText(2, 3, 0, 100, 10, 10, [](int i, int j) { return i * 3.0 + j; }));
  const PerspectiveDrawing drawing = projectPerspective(path, firstView(path, 100));
  ASSERT_EQ(drawing.nodes.size(), 6u);
  RecordingCanvas picture(kPW, kPH);
  RecordingCanvas panel(5184, kPH, 200);
  paintPerspective(drawing, picture, panel);

  const auto n = [&](int i, int j) { return at(drawing, i, j); };
  EXPECT_EQ(trace(picture), "C W1 P" + n(1, 1) + " L" + n(1, 2) + " L" + n(1, 3) + " P" + n(2, 1) +
                                " L" + n(2, 2) + " L" + n(2, 3) + " P" + n(1, 1) + " L" + n(2, 1) +
                                " P" + n(1, 2) + " L" + n(2, 2) + " P" + n(1, 3) + " L" + n(2, 3) +
                                " ");
  // The text starts at the point (30, PH/2); every later line at the left edge.
  EXPECT_EQ(trace(panel),
            "C W1 P30,6221 T30,6221'Προβολικό Κέντρο' T0,6421'' T0,6621'Xo =  10 ' "
            "T0,6821'Yo =  95 ' T0,7021'Zo =  109 ' T0,7221'Az =  0 ' T0,7421' S =  89 ' ");
}

TEST(PerspectiveView, FlatModelSeenFromTheDefaultCentreIsAnUndistortedPlanNorthUp) {
  ScratchFolder folder;
  const std::string path = folder.write("flat.dtm", flatGrid(5, 5));
  // Seen from high above, the 1° tilt of S = 89 changes the scale across the 400-unit model by
  // well under 0.1 %; the plan fills the picture's height (the picture is wider than high).
  const PerspectiveDrawing drawing = projectPerspective(path, firstView(path, 10000));
  const double cell = kPH / 4.0;
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) {
      SCOPED_TRACE(::testing::Message() << "node " << i << "," << j);
      EXPECT_NEAR(drawing.node(i, j).x, std::max(1.0, (j - 1) * cell), 0.001 * kPH);
      EXPECT_NEAR(drawing.node(i, j).y, std::max(1.0, (i - 1) * cell), 0.001 * kPH);
    }
  }
  // North at the top, exactly on the border line y = 1; west at the left.
  EXPECT_EQ(drawing.node(1, 3).y, 1.0f);
  EXPECT_EQ(drawing.node(5, 3).y, kPH);
  EXPECT_LT(drawing.node(3, 1).x, drawing.node(3, 5).x);
}

TEST(PerspectiveView, TwoToOneModelKeepsItsShapeInUniformScaleAndFillsThePictureOtherwise) {
  ScratchFolder folder;
  const std::string path = folder.write("wide.dtm", flatGrid(5, 9));  // 800 × 400 units

  const PerspectiveDrawing uniform = projectPerspective(path, firstView(path, 10000));
  const Bounds u = boundsOf(uniform);
  // 2 : 1 is wider than the picture's 19182 : 12442, so the width decides.
  EXPECT_EQ(u.xMin, 1.0f);
  EXPECT_EQ(u.xMax, kPW);
  EXPECT_EQ(u.yMin, 1.0f);
  EXPECT_NEAR(u.yMax, kPW / 2.0, 0.001 * kPW);
  EXPECT_EQ(uniform.twipsPerImageX, uniform.twipsPerImageY);

  const PerspectiveDrawing filled = projectPerspective(path, firstView(path, 10000, true));
  const Bounds f = boundsOf(filled);
  EXPECT_EQ(f.xMin, 1.0f);
  EXPECT_EQ(f.xMax, kPW);
  EXPECT_EQ(f.yMin, 1.0f);
  EXPECT_EQ(f.yMax, kPH);
  EXPECT_NEAR(filled.twipsPerImageY / filled.twipsPerImageX, (kPH / 400.0) / (kPW / 800.0), 1e-3);
}

TEST(PerspectiveView, EveryNodeLandsInTheClampedPictureWhateverTheView) {
  ScratchFolder folder;
  std::mt19937 random(7);
  std::uniform_real_distribution<double> heights(0, 300);
  const std::string path = folder.write(
      "rough.dtm", gridText(12, 17, 500, 900, 25, 30, [&](int, int) { return heights(random); }));
  struct Case {
    double x, y, z;
    float az, s;
  };
  // Oblique views from outside, a centre inside the model low over it (nodes behind it are
  // projected through it), and a view straight down.
  const Case cases[] = {{100, 100, 800, 45, 20},  {1200, 700, 400, 250, 5},
                        {700, 700, 350, 10, 3},   {800, 600, 1000, 0, 90},
                        {-3000, 600, 100, 90, 1}, {900, -1000, 5000, 359.9f, 60}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "centre " << c.x << "," << c.y << " Az " << c.az);
    for (const bool different : {false, true}) {
      PerspectiveView view;
      view.centre = {c.x, c.y, c.z, c.az, c.s};
      view.differentScales = different;
      view.pictureWidthTwips = kPW;
      view.pictureHeightTwips = kPH;
      const PerspectiveDrawing drawing = projectPerspective(path, view);
      const Bounds b = boundsOf(drawing);
      EXPECT_EQ(b.xMin, 1.0f);  // the node at the minimum scales to 0 and is clamped to 1
      EXPECT_EQ(b.yMin, 1.0f);
      EXPECT_LE(b.xMax, kPW);
      EXPECT_LE(b.yMax, kPH);
      EXPECT_TRUE(b.xMax == kPW || b.yMax == kPH);  // one axis always fills the picture
    }
  }
}

TEST(PerspectiveView, PictureWithoutRoomPutsEveryNodeAtOneOneNeverAtZero) {
  ScratchFolder folder;
  const std::string path = folder.write("g.dtm", flatGrid(3, 4));
  // On a screen too small for a picture, PW = PH = 0: a node is first clamped to PW = 0, then
  // to 1.
  PerspectiveView view = firstView(path, 100);
  view.pictureWidthTwips = 0;
  view.pictureHeightTwips = 0;
  for (const PictureNode& node : projectPerspective(path, view).nodes) {
    EXPECT_EQ(node.x, 1.0f);
    EXPECT_EQ(node.y, 1.0f);
  }
}

TEST(PerspectiveView, ImageXRunsToTheRightOfTheLineOfSightAndYUpward) {
  ScratchFolder folder;
  const std::string path = folder.write("g.dtm", flatGrid(3, 3));  // X 1000…1200, Y 4800…5000
  // From west of the model, looking east and down at 30°: north lies on the left, the near
  // (west) column at the bottom of the picture.
  PerspectiveView view;
  view.centre = {500, 4900, 300, 90, 30};
  view.pictureWidthTwips = kPW;
  view.pictureHeightTwips = kPH;
  const PerspectiveDrawing drawing = projectPerspective(path, view);
  EXPECT_LT(drawing.node(1, 2).x, drawing.node(3, 2).x);
  EXPECT_GT(drawing.node(2, 1).y, drawing.node(2, 3).y);
  // The middle row lies in the vertical plane of the line of sight: the picture's middle.
  const double middle = (drawing.node(1, 2).x + drawing.node(3, 2).x) / 2.0;
  EXPECT_NEAR(drawing.node(2, 1).x, middle, 1);
  EXPECT_NEAR(drawing.node(2, 3).x, middle, 1);
}

TEST(PerspectiveView, DegenerateProjectionsAreRefusedNamingTheNode) {
  ScratchFolder folder;
  const auto message = [](const std::string& path, const PerspectiveView& view) {
    try {
      projectPerspective(path, view);
    } catch (const suite::UserError& e) {
      return std::string(e.what());
    }
    return std::string("no refusal");
  };
  // ΔZ = 0 over flat ground puts the centre on the ground: the nodes of the middle row lie in
  // the plane through the centre square to the line of sight (D = 0).
  const std::string flat = folder.write("flat.dtm", flatGrid(3, 3));
  EXPECT_EQ(message(flat, firstView(flat, 0)),
            "Ο κόμβος της γραμμής 2, στήλης 1 του αρχείου «" + flat +
                "» βρίσκεται στο επίπεδο που περνά από το προβολικό κέντρο κάθετα στη διεύθυνση "
                "λήψης, και δεν προβάλλεται: διάλεξε άλλο προβολικό κέντρο ή άλλο ΔΖ.");
  // A depth of 1e-300 projects beyond the single-precision range.
  const std::string tiny = folder.write(
      "tiny.dtm", gridText(3, 3, 0, 200, 100, 100,
                           [](int i, int j) { return i == 2 && j == 2 ? 1e-300 : 0.0; }));
  EXPECT_EQ(message(tiny, firstView(tiny, 0)),
            "Ο κόμβος της γραμμής 2, στήλης 1 του αρχείου «" + tiny +
                "» δεν έχει πεπερασμένες συντεταγμένες στο επίπεδο της εικόνας: διάλεξε άλλο "
                "προβολικό κέντρο ή άλλο ΔΖ.");
  // A ΔZ beyond the single-precision range reaches the drawing as an infinite Zo.
  PerspectiveView infinite = firstView(flat, 100);
  infinite.centre.z = HUGE_VAL;
  EXPECT_EQ(message(flat, infinite),
            "Το προβολικό κέντρο δεν δίνει προοπτικό, γιατί οι τιμές του δεν είναι όλες "
            "πεπερασμένοι αριθμοί: Xo = 1100 Yo = 4900 Zo = Inf Az = 0 S = 89 . Άλλαξε το ΔΖ ή "
            "το προβολικό κέντρο.");
}

TEST(PerspectiveView, AxisWithoutSpreadLiesOnTheBorderAndASingleNodeIsRefused) {
  ScratchFolder folder;
  // One flat row seen from the default centre is edge-on: every node at one image y.
  const std::string row = folder.write("row.dtm", flatGrid(1, 5));
  for (const bool different : {false, true}) {
    const PerspectiveDrawing drawing = projectPerspective(row, firstView(row, 100, different));
    EXPECT_EQ(drawing.twipsPerImageY, different ? 0 : drawing.twipsPerImageX);
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(drawing.node(1, j).y, 1.0f);
    EXPECT_EQ(drawing.node(1, 1).x, 1.0f);
    EXPECT_EQ(drawing.node(1, 5).x, kPW);
  }
  // One column: every node at image x = 0.
  const std::string column = folder.write("column.dtm", flatGrid(4, 1));
  const PerspectiveDrawing drawing = projectPerspective(column, firstView(column, 100, true));
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(drawing.node(i, 1).x, 1.0f);
  EXPECT_EQ(drawing.node(4, 1).y, kPH);

  const std::string single = folder.write("single.dtm", flatGrid(1, 1));
  try {
    projectPerspective(single, firstView(single, 100));
    ADD_FAILURE() << "a single node was drawn";
  } catch (const suite::UserError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Όλοι οι κόμβοι του αρχείου «" + single +
                  "» προβάλλονται στο ίδιο σημείο, οπότε δεν υπάρχει προοπτικό να σχεδιαστεί.");
  }
}

TEST(PerspectiveView, KeptDrawingPaintsAgainWithoutItsFile) {
  ScratchFolder folder;
  const std::string path = folder.write("g.dtm", flatGrid(4, 6));
  const PerspectiveDrawing drawing = projectPerspective(path, firstView(path, 100));
  std::filesystem::remove(path);
  RecordingCanvas picture(kPW, kPH), panel(5184, kPH);
  RecordingCanvas pictureAgain(kPW, kPH), panelAgain(5184, kPH);
  paintPerspective(drawing, picture, panel);
  paintPerspective(drawing, pictureAgain, panelAgain);
  EXPECT_EQ(trace(picture), trace(pictureAgain));
  EXPECT_EQ(trace(panel), trace(panelAgain));
  // 4 rows of 5 lines and 6 columns of 3 lines, one starting point each.
  EXPECT_EQ(testing::countOps(picture, Kind::Line), 4 * 5 + 6 * 3);
  EXPECT_EQ(testing::countOps(picture, Kind::Point), 4 + 6);
}

TEST(ParameterTexts, CutTwoDecimalsDownwardAtThePrecisionEachValueIsHeldIn) {
  ProjectionCentre centre;
  centre.x = 1234.569;            // a third decimal 9 is dropped, not carried
  centre.y = -5.001;              // a negative value goes down to the next lower hundredth
  centre.z = 0.29;                // held as 0.28999…: 28.999… hundredths, cut to .28
  centre.azimuthDegrees = 0.29f;  // in single precision 0.29f·100 rounds to 29: .29
  centre.depressionDegrees = 89.999f;
  const auto lines = parameterPanelLines(centre);
  EXPECT_EQ(lines[0], "Προβολικό Κέντρο");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "Xo =  1234.56 ");
  EXPECT_EQ(lines[3], "Yo = -5.01 ");
  EXPECT_EQ(lines[4], "Zo =  .28 ");
  EXPECT_EQ(lines[5], "Az =  .29 ");
  EXPECT_EQ(lines[6], " S =  89.99 ");
  EXPECT_EQ(centreReadout(centre),
            "    Xo =   1234.56    Yo =  -5.01    Az =   .29    S =   89.99    Zo =   .28");
}

}  // namespace
}  // namespace vantage
