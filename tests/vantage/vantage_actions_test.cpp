#include "vantage/vantage_actions.h"

#include <gtest/gtest.h>

#include <string>

#include "canvas/recording_canvas.h"
#include "dtm/held_nodes.h"
#include "tests/dtm/scratch_folder.h"
#include "tests/vantage/grid_text.h"
#include "text/user_error.h"
#include "vantage/centre_texts.h"

namespace vantage {
namespace {

using suite::RecordingCanvas;
using suite::dtm_testing::ScratchFolder;
using Kind = RecordingCanvas::Kind;
using testing::flatGrid;
using testing::gridText;

const suite::DrawingWindowLayout kFullHd = suite::drawingWindowLayout(1920 * 15, 1080 * 15);

// A 5 × 5 model, X 1000 … 1400, Y 4600 … 5000, every height 40 but one of 40.5 in the
// south-east corner.
std::string modelText() {
  return gridText(5, 5, 1000, 5000, 100, 100,
                  [](int i, int j) { return i == 5 && j == 5 ? 40.5 : 40.0; });
}

PerspectiveInput inputFor(const std::string& path) {
  PerspectiveInput input;
  input.dtmPath = path;
  return input;
}

std::string refusal(VantageState& state, const PerspectiveInput& input) {
  try {
    runPerspectiveDrawing(state, input, kFullHd);
  } catch (const suite::UserError& e) {
    return e.what();
  }
  return "no refusal";
}

TEST(VantageDrawing, FirstDrawingSetsUpTheViewAndFillsTheFullHdLayout) {
  ScratchFolder folder;
  VantageState state;
  PerspectiveInput input = inputFor(folder.write("m.dtm", modelText()));
  const PerspectiveDrawing& drawing = runPerspectiveDrawing(state, input, kFullHd);
  EXPECT_TRUE(state.viewSetUp);
  EXPECT_EQ(state.frame.xNorthWest, 1000);
  EXPECT_EQ(state.frame.yNorthWest, 5000);
  EXPECT_EQ(state.frame.xEast, 1400);
  EXPECT_EQ(state.frame.ySouth, 4600);
  EXPECT_EQ(state.frame.heightMax, 40.5);
  EXPECT_EQ(state.centre.x, 1200);
  EXPECT_EQ(state.centre.y, 4800);
  EXPECT_EQ(state.centre.z, 140.5);
  EXPECT_EQ(state.centre.azimuthDegrees, 0.0f);
  EXPECT_EQ(state.centre.depressionDegrees, 89.0f);
  EXPECT_EQ(&drawing, &*state.lastDrawing);
  EXPECT_EQ(drawing.pictureWidthTwips, 19182);
  EXPECT_EQ(drawing.pictureHeightTwips, 12442);
  EXPECT_EQ(state.layout.panelWidth, 5184);

  RecordingCanvas picture(19182, 12442), panel(5184, 12442);
  paintPerspective(drawing, picture, panel);
  EXPECT_EQ(panel.ops()[2].kind, Kind::Point);
  EXPECT_EQ(panel.ops()[2].x, 30);
  EXPECT_EQ(panel.ops()[2].y, 6221);
  EXPECT_EQ(panel.ops()[7].text, "Zo =  140.5 ");
}

TEST(VantageDrawing, LaterDrawingsKeepTheFirstFrameAndCentreWhateverFileIsChosen) {
  ScratchFolder folder;
  VantageState state;
  PerspectiveInput input = inputFor(folder.write("m.dtm", modelText()));
  runPerspectiveDrawing(state, input, kFullHd);
  const ModelFrame frame = state.frame;

  input.dtmPath = folder.write(
      "other.dtm", gridText(3, 8, 1100, 4900, 20, 50, [](int i, int j) { return i * 10.0 + j; }));
  const PerspectiveDrawing& drawing = runPerspectiveDrawing(state, input, kFullHd);
  EXPECT_EQ(drawing.rows, 3);
  EXPECT_EQ(drawing.columns, 8);
  EXPECT_EQ(state.frame.xEast, frame.xEast);
  EXPECT_EQ(state.frame.heightMax, 40.5);  // not the new file's 38
  EXPECT_EQ(state.centre.x, 1200);
  EXPECT_EQ(state.centre.y, 4800);
  EXPECT_EQ(state.centre.z, 140.5);
}

TEST(VantageDrawing, NewDeltaZChangesOnlyZo) {
  ScratchFolder folder;
  VantageState state;
  PerspectiveInput input = inputFor(folder.write("m.dtm", modelText()));
  const PerspectiveDrawing before = runPerspectiveDrawing(state, input, kFullHd);
  const ProjectionCentre centre = state.centre;
  input.deltaZ = 250;
  const PerspectiveDrawing& after = runPerspectiveDrawing(state, input, kFullHd);
  EXPECT_EQ(state.centre.z, 290.5);
  EXPECT_EQ(state.centre.x, centre.x);
  EXPECT_EQ(state.centre.y, centre.y);
  EXPECT_EQ(state.centre.azimuthDegrees, centre.azimuthDegrees);
  EXPECT_EQ(state.centre.depressionDegrees, centre.depressionDegrees);
  for (int k = 0; k < 7; ++k) {
    if (k == 4) {
      EXPECT_EQ(after.panelLines[k], "Zo =  290.5 ");
    } else {
      EXPECT_EQ(after.panelLines[k], before.panelLines[k]);
    }
  }
  // Higher up, the 1° tilt narrows the far rows less: the north-west node moves.
  EXPECT_NE(after.node(1, 1).x, before.node(1, 1).x);
}

TEST(VantageDrawing, FailedDrawingLeavesTheStateAsItWas) {
  ScratchFolder folder;
  VantageState state;
  EXPECT_EQ(refusal(state, PerspectiveInput{}), kChooseFileFirst);
  EXPECT_EQ(refusal(state, inputFor("")), kChooseFileFirst);  // a cancelled dialog leaves no name
  EXPECT_EQ(state.layout.pictureWidth, 19182);  // the window was laid out all the same

  // The reader's message passes through; a first drawing that fails sets up nothing, even
  // when its first reading succeeded (ΔZ = 0 over flat ground puts nodes in the centre's
  // plane), so the next drawing starts afresh.
  const std::string missing = folder.path() + "/missing.dtm";
  EXPECT_NE(refusal(state, inputFor(missing)).find(missing), std::string::npos);
  PerspectiveInput level = inputFor(folder.write("flat.dtm", flatGrid(3, 3)));
  level.deltaZ = 0;
  EXPECT_NE(refusal(state, level).find("γραμμής 2, στήλης 1"), std::string::npos);
  EXPECT_FALSE(state.viewSetUp);
  EXPECT_EQ(state.frame.xEast, 0);
  EXPECT_FALSE(state.lastDrawing.has_value());

  const PerspectiveDrawing drawn =
      runPerspectiveDrawing(state, inputFor(folder.write("m.dtm", modelText())), kFullHd);
  const ProjectionCentre centre = state.centre;
  const std::string shortFile = folder.write("short.dtm", "3,3,0,0,10,10\n1,2,3,4,5\n");
  PerspectiveInput higher = inputFor(shortFile);
  higher.deltaZ = 500;
  EXPECT_NE(refusal(state, higher).find(shortFile), std::string::npos);
  EXPECT_EQ(state.centre.z, centre.z);  // Zo of the last drawing that was made
  EXPECT_EQ(state.frame.xEast, 1400);
  ASSERT_TRUE(state.lastDrawing.has_value());
  EXPECT_EQ(state.lastDrawing->rows, drawn.rows);
  EXPECT_EQ(state.lastDrawing->panelLines, drawn.panelLines);
}

TEST(VantageDrawing, PointStoreGrowsWithTheModelUpToTheStatedLimit) {
  ScratchFolder folder;
  VantageState state;
  PerspectiveInput input = inputFor(folder.write("big.dtm", flatGrid(200, 200)));
  EXPECT_EQ(runPerspectiveDrawing(state, input, kFullHd).nodes.size(), 40000u);

  // Refused on its header alone, before any height is read (the file holds none).
  const std::int64_t limit = suite::mostNodesInMemory();
  EXPECT_GE(limit, 5000 * 5000);
  VantageState fresh;
  const std::string huge = folder.write("huge.dtm", "20000,20000,0,0,1,1\n");
  EXPECT_EQ(refusal(fresh, inputFor(huge)),
            "Το πλέγμα του αρχείου «" + huge +
                "» έχει 20000 γραμμές και 20000 στήλες, δηλαδή 400000000 "
                "κόμβους: το προοπτικό σχεδιάζεται για το πολύ " +
                std::to_string(limit) + " κόμβους, όσους χωρά η μνήμη.");
  EXPECT_FALSE(fresh.viewSetUp);
}

TEST(VantagePlanMap, MapNeedsADrawingAndAPickSetsTheCentreOfTheNextDrawing) {
  ScratchFolder folder;
  VantageState state;
  PerspectiveInput input = inputFor(folder.write("m.dtm", modelText()));
  RecordingCanvas panel(5184, 12442);
  EXPECT_THROW(setUpPlanMap(state, panel), suite::UserError);
  EXPECT_THROW(pickProjectionCentre(state, input.deltaZ, 100, 100), suite::UserError);
  EXPECT_FALSE(state.map.set);
  EXPECT_TRUE(panel.ops().empty());

  runPerspectiveDrawing(state, input, kFullHd);
  setUpPlanMap(state, panel);
  EXPECT_TRUE(state.map.set);
  EXPECT_EQ(state.map.squareSide, 103.68f);
  EXPECT_EQ(testing::countOps(panel, Kind::Line), 4);

  // A click south-west of the square: looking north-east, down from Zo of the next drawing.
  const std::string readout = pickProjectionCentre(state, input.deltaZ, 1000, 4000);
  EXPECT_LT(state.centre.x, 1000);
  EXPECT_LT(state.centre.y, 4600);
  EXPECT_GT(state.centre.azimuthDegrees, 0.0f);
  EXPECT_LT(state.centre.azimuthDegrees, 90.0f);
  EXPECT_EQ(readout, centreReadout(state.centre));
  const std::string zo = "    Zo =   140.5";
  EXPECT_EQ(readout.substr(readout.size() - zo.size()), zo);
  const float lowS = state.centre.depressionDegrees;

  // A new ΔZ steepens the next pick at once; the readout keeps the last drawing's Zo.
  input.deltaZ = 2000;
  const std::string steeper = pickProjectionCentre(state, input.deltaZ, 1000, 4000);
  EXPECT_EQ(steeper.substr(steeper.size() - zo.size()), zo);
  EXPECT_GT(state.centre.depressionDegrees, lowS);

  const ProjectionCentre picked = state.centre;
  const PerspectiveDrawing& drawing = runPerspectiveDrawing(state, input, kFullHd);
  EXPECT_EQ(state.centre.x, picked.x);
  EXPECT_EQ(state.centre.azimuthDegrees, picked.azimuthDegrees);
  EXPECT_EQ(state.centre.z, 2040.5);
  EXPECT_EQ(drawing.panelLines[5], parameterPanelLines(picked)[5]);
}

}  // namespace
}  // namespace vantage
