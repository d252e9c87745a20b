#include "flightsim/flight_simulation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "dtm/grid_reader.h"
#include "stereo/stereo_window.h"
#include "tests/dtm/scratch_folder.h"
#include "tests/flightsim/small_flight.h"
#include "tests/stereo/golden.h"
#include "text/user_error.h"

namespace {

namespace fs = std::filesystem;
using flightsim::FlightFiles;
using flightsim::FlightParameterTexts;
using flightsim::FlightPlanTexts;
using flightsim::runFlightSimulation;
using flightsim::RunMode;
using suite::dtm_testing::ScratchFolder;
using suite::testing::fileBytes;

const fs::path kData = fs::path(SUITE_TEST_DATA) / "flightsim";
const fs::path kHills = fs::path(SUITE_SAMPLES) / "hills-30x30.dtm";

/// Runs in a fresh folder holding two output files with an old content.
class FlightSimulation : public ::testing::Test {
 protected:
  void SetUp() override {
    files_.dtm = kHills.string();
    photoSimPath_ = (folder_ / "photo.txt").string();
    stereoDtmPath_ = (folder_ / "stereo.dtm").string();
    std::ofstream(photoSimPath_, std::ios::binary) << "old photo";
    std::ofstream(stereoDtmPath_, std::ios::binary) << "old stereo";
  }

  flightsim::FlightResult run(RunMode mode) {
    return runFlightSimulation(mode, texts_, files_, errors_, source_);
  }
  /// Runs and expects a refusal whose message holds `words`, with both files left alone.
  void expectRefused(RunMode mode, const std::string& words) {
    try {
      run(mode);
      ADD_FAILURE() << "the run was not refused";
    } catch (const suite::UserError& error) {
      EXPECT_NE(std::string(error.what()).find(words), std::string::npos) << error.what();
    }
    EXPECT_TRUE(fileBytes(photoSimPath_) == "old photo");
    EXPECT_TRUE(fileBytes(stereoDtmPath_) == "old stereo");
  }
  void chooseOutputs() {
    files_.photoSim = photoSimPath_;
    files_.stereoDtm = stereoDtmPath_;
  }

  ScratchFolder scratch_;
  fs::path folder_{scratch_.path()};
  std::string photoSimPath_;
  std::string stereoDtmPath_;
  FlightFiles files_;
  FlightParameterTexts texts_;
  suite::ErrorList errors_;
  suite::FixedUniformSource source_{{0.25f, 0.5f, 0.75f, 0.125f}};
};

TEST_F(FlightSimulation, DefaultFlightOverHillsKeepsTheStereoWindowAndReplacesNode29) {
  texts_.simulation.replacementHeight = "999";
  const auto result = run(RunMode::Draw);
  const suite::StereoWindow window =
      suite::stereoWindowOf(suite::GridReader(kHills.string()).header(), 632900, 4130500, 1000);
  EXPECT_EQ(window.firstColumn, 9);
  EXPECT_EQ(window.lastColumn, 20);
  EXPECT_EQ(window.firstRow, 5);
  EXPECT_EQ(window.lastRow, 26);
  EXPECT_EQ(result.windowRows, 22);
  EXPECT_EQ(result.windowColumns, 12);
  ASSERT_EQ(result.points.size(), 264u);
  ASSERT_EQ(result.projection.points.size(), 264u);
  // Node 29 is grid row 7, column 13; it alone carries the replacement height.
  EXPECT_DOUBLE_EQ(result.points[28].x, 632000 + 12 * 100);
  EXPECT_DOUBLE_EQ(result.points[28].y, 4132000 - 6 * 100);
  EXPECT_EQ(result.points[28].z, 999);
  for (std::size_t q = 0; q < result.points.size(); ++q) {
    if (q != 28) {
      EXPECT_NE(result.points[q].z, 999) << q;
    }
  }
  // The first kept node is the window's north-west node.
  EXPECT_DOUBLE_EQ(result.points.front().x, 632800);
  EXPECT_DOUBLE_EQ(result.points.front().y, 4131600);
}

TEST_F(FlightSimulation, FlyingHeightAndOrientationErrorsFollowTheirOrder) {
  // Default flight: H = 152·1000 / 0.4 / 230.
  texts_.flight.sigmaCentre = "0";
  texts_.flight.sigmaAnglesDegrees = "0";
  auto result = run(RunMode::Draw);
  EXPECT_NEAR(result.flyingHeight, 1652.1739130434783, 1e-9);
  EXPECT_NEAR(result.left.z, 1802.1739130434783, 1e-9);
  // Without spreads the right centre lies one base east at the same height, all angles 0.
  EXPECT_EQ(result.right.x, 632900 + 1000);
  EXPECT_EQ(result.right.y, 4130500);
  EXPECT_EQ(result.right.z, result.left.z);
  for (double angle :
       {result.left.omegaDegrees, result.left.phiDegrees, result.left.kappaDegrees,
        result.right.omegaDegrees, result.right.phiDegrees, result.right.kappaDegrees}) {
    EXPECT_EQ(angle, 0);
  }

  // Each error draws its sign first (+ when the integer part of 10·u1 is even), then its size.
  texts_.flight.sigmaCentre = "10";
  texts_.flight.sigmaAnglesDegrees = "3";
  suite::FixedUniformSource source({0.05f, 0.5f, 0.15f, 0.25f, 0.95f, 1.0f / 3.0f,  // left angles
                                    0.2f, 0.5f, 0.3f, 0.5f, 0.0f, 0.125f,           // right centre
                                    0.0f, 0.0f, 0.99f, 0.5f, 0.45f, 0.5f});         // right angles
  result = runFlightSimulation(RunMode::Draw, texts_, files_, errors_, source);
  EXPECT_DOUBLE_EQ(result.left.omegaDegrees, 1.5);
  EXPECT_DOUBLE_EQ(result.left.phiDegrees, -0.75);
  EXPECT_DOUBLE_EQ(result.left.kappaDegrees, -3.0 * (1.0f / 3.0f));
  EXPECT_DOUBLE_EQ(result.right.x, 633900 + 5);
  EXPECT_DOUBLE_EQ(result.right.y, 4130500 - 5);
  EXPECT_DOUBLE_EQ(result.right.z, result.left.z + 1.25);
  EXPECT_DOUBLE_EQ(result.right.omegaDegrees, 0);
  EXPECT_DOUBLE_EQ(result.right.phiDegrees, -1.5);
  EXPECT_DOUBLE_EQ(result.right.kappaDegrees, 1.5);
  EXPECT_EQ(source.drawn(), 18u);
}

TEST_F(FlightSimulation, NarrowWindowsReplaceNode11) {
  // Three columns wide (base 100 from a node's X, the window starting one column west of the
  // centre): the replaced node is q = 2·3 + 5 = 11, window row 4, column 2.
  texts_.flight.base = "100";
  texts_.flight.leftX = "632800";
  texts_.simulation.replacementHeight = "-7.5";
  const auto result = run(RunMode::Draw);
  ASSERT_EQ(result.windowColumns, 3);
  EXPECT_EQ(result.points[10].z, -7.5);
  EXPECT_DOUBLE_EQ(result.points[10].x, result.points.front().x + 100);
}

TEST_F(FlightSimulation, SimulateWithoutSpreadsWritesBothFilesByteForByte) {
  files_.dtm = (kData / "small-5x6.dtm").string();
  chooseOutputs();
  texts_ = flightsim::testing::smallFlight();
  texts_.simulation.originXMm = "10";
  texts_.simulation.originYMm = "20";
  texts_.simulation.sigmaXyMm = "0";
  const auto result = run(RunMode::Simulate);
  EXPECT_EQ(result.points.size(), 15u);
  EXPECT_TRUE(result.notices.empty());
  EXPECT_EQ(fileBytes(photoSimPath_), fileBytes(kData / "simulate-small.txt"));
  EXPECT_EQ(fileBytes(stereoDtmPath_), fileBytes(kData / "stereo-small.txt"));
  // Nothing but the two files is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 2);
}

TEST_F(FlightSimulation, DrawWritesTheStereoFileButNeverThePhotoFile) {
  chooseOutputs();
  const auto result = run(RunMode::Draw);
  EXPECT_EQ(result.projection.points.size(), 264u);
  EXPECT_EQ(fileBytes(photoSimPath_), "old photo");
  EXPECT_EQ(fileBytes(stereoDtmPath_).substr(0, 6), "\xd3\xf4\xdd\xf1\xe5\xef");
  // Draws differ from run to run only by the errors drawn.
  suite::FixedUniformSource other({0.6f, 0.3f});
  const auto again = runFlightSimulation(RunMode::Draw, texts_, files_, errors_, other);
  EXPECT_NE(again.left.omegaDegrees, result.left.omegaDegrees);
}

TEST_F(FlightSimulation, WindowBesideTheGridDrawsNothingAndSimulatesNoPoints) {
  chooseOutputs();
  texts_.flight.leftX = "500000";
  expectRefused(RunMode::Draw, "τίποτα να σχεδιαστεί");

  // Simulate writes the file of no points and tells that the stereo file was not written.
  const auto result = run(RunMode::Simulate);
  EXPECT_TRUE(result.points.empty());
  ASSERT_EQ(result.notices.size(), 1u);
  EXPECT_NE(result.notices[0].find("δεν γράφτηκε"), std::string::npos);
  EXPECT_EQ(fileBytes(stereoDtmPath_), "old stereo");
  const std::string photo = fileBytes(photoSimPath_);
  EXPECT_NE(photo.find("=  0 \r\n \xd6"), std::string::npos);
  EXPECT_NE(photo.find("\r\n 0, 0, 0\r\n222,"), std::string::npos);
}

TEST_F(FlightSimulation, FailuresAreReportedAndLeaveEveryFileAsItWas) {
  chooseOutputs();
  {
    SCOPED_TRACE("overlap of 100 %");
    texts_.flight.overlapPercent = "100";
    expectRefused(RunMode::Simulate, "100 %");
    texts_.flight.overlapPercent = "60";
  }
  {
    SCOPED_TRACE("frame side 0");
    texts_.flight.frameSideMm = "abc";
    expectRefused(RunMode::Simulate, "0 mm");
    texts_.flight.frameSideMm = "230";
  }
  {
    SCOPED_TRACE("more nodes than the lists hold, more points than the generator serves");
    const fs::path large = folder_ / "large.dtm";
    {
      std::ofstream grid(large);
      grid << "100,100,632000,4132000,100,100\n";
      for (int i = 0; i < 10000; ++i) grid << "150\n";
    }
    files_.dtm = large.string();
    // The refusals say what makes the window smaller, and Simulate names its own limit at once.
    const std::string smaller =
        "Λιγότερους κόμβους δίνει μικρότερη Βάση, ή αριστερό κέντρο "
        "προβολής (Χ-L, Y-L) πιο κοντά σε άκρη του πλέγματος";
    texts_.flight.base = "5000";  // a 66 x 52 window
    expectRefused(RunMode::Draw,
                  "έχει 3432 κόμβους, ενώ το πρόγραμμα κρατά το πολύ 2500. " + smaller);
    expectRefused(RunMode::Simulate,
                  "έχει 3432 κόμβους, ενώ η προσομοίωση εξυπηρετεί το πολύ 1169 σημεία (η "
                  "σχεδίαση 2500). " +
                      smaller);
    texts_.flight.base = "3000";  // a 46 x 32 window: 1472 nodes draw, but simulate at most 1169
    expectRefused(RunMode::Simulate, "1169");
    files_.stereoDtm.reset();
    EXPECT_NO_THROW(run(RunMode::Draw));
    files_.stereoDtm = stereoDtmPath_;
    files_.dtm = kHills.string();
    texts_.flight.base = "1000";
  }
  {
    SCOPED_TRACE("two points need six errors, which the generator does not give");
    files_.dtm = (kData / "small-5x6.dtm").string();
    texts_.flight.leftX = "1000";  // 1 x 2 nodes
    texts_.flight.leftY = "2050";
    texts_.flight.base = "100";
    texts_.flight.sigmaCentre = "0";
    texts_.flight.sigmaAnglesDegrees = "0";
    expectRefused(RunMode::Simulate, " 6 ");
    expectRefused(RunMode::Simulate, "εξυπηρετεί 1 σημείο ή από 3 έως 1169 σημεία.");
    files_.dtm = kHills.string();
    texts_ = FlightParameterTexts{};
  }
  {
    SCOPED_TRACE("short grid file");
    const fs::path shortGrid = folder_ / "short.dtm";
    std::ofstream(shortGrid) << "3,3,0,0,10,10\n1,2,3,4\n";
    files_.dtm = shortGrid.string();
    expectRefused(RunMode::Simulate, "short.dtm");
    fs::remove(shortGrid);
    files_.dtm = kHills.string();
  }
  {
    SCOPED_TRACE("an output file that is the terrain itself");
    files_.photoSim = files_.dtm;
    EXPECT_THROW(run(RunMode::Simulate), suite::UserError);
    files_.photoSim = photoSimPath_;
    files_.stereoDtm = files_.photoSim;
    EXPECT_THROW(run(RunMode::Simulate), suite::UserError);
  }
  {
    SCOPED_TRACE("no terrain chosen");
    files_.dtm.reset();
    files_.stereoDtm = stereoDtmPath_;
    expectRefused(RunMode::Draw, "Θα πρέπει να βάλεις όνομα αρχείου με δεδομένα ΨΜΕ");
  }
}

}  // namespace
