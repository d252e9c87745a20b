#include "pairsim/pair_simulation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/dtm/scratch_folder.h"
#include "tests/flightsim/small_flight.h"
#include "tests/stereo/golden.h"
#include "text/codepage.h"
#include "text/user_error.h"

namespace {

namespace fs = std::filesystem;
using pairsim::PairFiles;
using pairsim::RunMode;
using pairsim::runPairSimulation;
using suite::dtm_testing::ScratchFolder;
using suite::testing::fileBytes;

const fs::path kData = fs::path(SUITE_TEST_DATA);
const fs::path kSamples = fs::path(SUITE_SAMPLES);
const fs::path kHelpExample = kData / "stereo" / "help_example_stereo_dtm.txt";
const std::string kGridFileNote =
    "το pairsim διαβάζει αρχείο Στέρεο DTM όπως το γράφει το flightsim";

/// Runs in a fresh folder holding an output file with an old content.
class PairSimulation : public ::testing::Test {
 protected:
  void SetUp() override {
    files_.input = kHelpExample.string();
    outputPath_ = (folder_ / "photo.txt").string();
    std::ofstream(outputPath_, std::ios::binary) << "old photo";
  }

  pairsim::PairResult run(RunMode mode) {
    return runPairSimulation(mode, texts_, files_, errors_, source_);
  }
  /// The message of a refused run, which must contain `words` and leave the output as it was.
  std::string expectRefused(RunMode mode, const std::string& words) {
    std::string message;
    try {
      run(mode);
      ADD_FAILURE() << "the run was not refused";
    } catch (const suite::UserError& error) {
      message = error.what();
      EXPECT_NE(message.find(words), std::string::npos) << message;
    }
    EXPECT_TRUE(fileBytes(outputPath_) == "old photo");
    return message;
  }
  fs::path writeInput(const std::string& name, const std::string& text) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    files_.input = path.string();
    return path;
  }

  /// The parameters the help example's photo simulation file was simulated with.
  void useHelpExampleParameters() {
    texts_.originXMm = "10";
    texts_.originYMm = "20";
    texts_.rotationDegrees = "90";
    texts_.scale = "2";
    texts_.sigmaXyMm = "0";
  }

  ScratchFolder scratch_;
  fs::path folder_{scratch_.path()};
  std::string outputPath_;
  PairFiles files_;
  suite::SimulationParameterTexts texts_;
  suite::ErrorList errors_;
  suite::FixedUniformSource source_{{0.25f, 0.5f, 0.75f}};
};

TEST_F(PairSimulation, HelpExampleProjectsEveryNodeIntoBothPhotos) {
  const auto result = run(RunMode::Draw);
  EXPECT_EQ(result.title, "Παράδειγμα προσομοίωσης δύο στέρεο αεροφωτογραφιών");
  ASSERT_EQ(result.projection.points.size(), 9u);
  const auto& node1 = result.projection.points[0];
  const auto& node5 = result.projection.points[4];
  EXPECT_NEAR(node1.left.x, -2.215, 5e-4);
  EXPECT_NEAR(node1.left.y, 66.238, 5e-4);
  EXPECT_NEAR(node1.right.x, -79.995, 5e-4);
  EXPECT_NEAR(node1.right.y, 71.057, 5e-4);
  EXPECT_NEAR(node5.left.x, 6.184, 5e-4);
  EXPECT_NEAR(node5.left.y, 64.128, 5e-4);
  EXPECT_NEAR(node5.right.x, -79.449, 5e-4);
  EXPECT_NEAR(node5.right.y, 68.981, 5e-4);
  // The drawing's extent of x on the left photo.
  EXPECT_NEAR(result.projection.extremes.leftXMin, -2.287, 5e-4);
  EXPECT_NEAR(result.projection.extremes.leftXMax, 13.748, 5e-4);
  // Draw writes nothing, even with an output file chosen.
  files_.output = outputPath_;
  run(RunMode::Draw);
  EXPECT_EQ(fileBytes(outputPath_), "old photo");
}

TEST_F(PairSimulation, SimulateWritesTheHelpExampleFileByteForByte) {
  files_.output = outputPath_;
  useHelpExampleParameters();
  run(RunMode::Simulate);
  EXPECT_EQ(fileBytes(outputPath_), fileBytes(kData / "stereo" / "photo_simulation_pairsim.txt"));
  const std::string written = fileBytes(outputPath_);
  EXPECT_NE(written.find("\r\n 1 ,   -112.476,     35.57\r\n"), std::string::npos);
}

TEST_F(PairSimulation, Utf8FileAsAnEditorSavesItGivesTheSameOutputAsItsWindows1253Twin) {
  // The help example typed into an editor: UTF-8, LF line ends.
  files_.input = (kSamples / "stereo-example-3x3.dtm").string();
  files_.output = outputPath_;
  useHelpExampleParameters();
  const auto result = run(RunMode::Simulate);
  EXPECT_EQ(result.title, "Παράδειγμα προσομοίωσης δύο στέρεο αεροφωτογραφιών");
  EXPECT_EQ(fileBytes(outputPath_), fileBytes(kData / "stereo" / "photo_simulation_pairsim.txt"));
  EXPECT_EQ(run(RunMode::Draw).projection.points.size(), 9u);
}

TEST_F(PairSimulation, TitleCharacterWindows1253LacksIsRefusedNamedAsTheFileHoldsIt) {
  files_.output = outputPath_;
  const std::string rest = "\n3,3,0,0,1,1\n0,0,1000,0,0,0\n5,0,1000,0,0,0\n1 2 3 4 5 6 7 8 9";
  writeInput("cyrillic.dtm", "Ζεύγος Ж" + rest);
  std::string message = expectRefused(RunMode::Simulate, "«Ж» (U+0416)");
  EXPECT_NE(message.find("Ο τίτλος «Ζεύγος Ж» του αρχείου «" + *files_.input + "»"),
            std::string::npos)
      << message;
  EXPECT_EQ(message.find(kGridFileNote), std::string::npos) << message;
  // Nothing is written in Draw, so the title stands in no one's way.
  EXPECT_EQ(run(RunMode::Draw).title, "Ζεύγος Ж");

  // Neither UTF-8 nor Windows-1253 (D2 is undefined there): the byte, not U+FFFD, is named.
  writeInput("undefined.dtm", "Ζε\xD2" + rest);
  message = expectRefused(RunMode::Simulate, "το byte 0xD2");
  EXPECT_EQ(message.find("U+FFFD"), std::string::npos) << message;

  // Control bytes and a NUL in the title are quoted as '?': raw, they would garble the message
  // box, and the NUL would cut the message before its reason.
  writeInput("control.dtm", std::string("Ζε\x01\x1b[2J") + '\0' + "\x7f Ж" + rest);
  message = expectRefused(RunMode::Simulate, "«Ж» (U+0416)");
  EXPECT_NE(message.find("Ο τίτλος «Ζε??[2J?? Ж» του αρχείου"), std::string::npos) << message;
  for (const char c : message) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << message;
}

TEST_F(PairSimulation, DtmGridFileIsToldApartFromAStereoDtmFile) {
  {
    SCOPED_TRACE("read as a title of \"30\" and a grid of 30 rows and 632000 columns");
    files_.input = (kSamples / "hills-30x30.dtm").string();
    const std::string message = expectRefused(RunMode::Draw, "18960000 κόμβους");
    EXPECT_NE(message.find("Το αρχείο αρχίζει με αριθμό («30») και όχι με τίτλο"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find(kGridFileNote), std::string::npos) << message;
    // The advice for a stereo file too large would mislead here.
    EXPECT_EQ(message.find("λιγότερους κόμβους"), std::string::npos) << message;
  }
  {
    SCOPED_TRACE("a grid of blank-separated numbers: the whole first line is the title");
    writeInput("blanks.dtm", "3 3 10000 11900 100 100\n10 110 80\n15 175 30\n80 180 60\n");
    expectRefused(RunMode::Draw, kGridFileNote);
  }
  {
    SCOPED_TRACE("tab-separated: the note shows the tabs as blanks, which a message box shows");
    writeInput("tabs.dtm", "3\t3\t10000\t11900\t100\t100\n10\t110\t80\n");
    const std::string message = expectRefused(RunMode::Draw, kGridFileNote);
    EXPECT_NE(message.find("(«3 3 10000 11900 100 100»)"), std::string::npos) << message;
    for (const char c : message) EXPECT_NE(c, '\t') << message;
  }
  {
    SCOPED_TRACE("numbers, then a NUL and more: no grid file, and no NUL quoted");
    writeInput("nul.dtm", std::string("3 3") + '\0' + "x\n3,3,0,0,1,1\n0,0,1000,0,0,0\n");
    const std::string message = expectRefused(RunMode::Draw, "nul.dtm");
    EXPECT_EQ(message.find(kGridFileNote), std::string::npos) << message;
    EXPECT_EQ(message.find('\0'), std::string::npos) << message;
  }
  {
    SCOPED_TRACE("a stereo file that fails for its own reasons gets no such note");
    writeInput("titled.dtm", "Τίτλος 12\n3,3,0,0,1,1\n0,0,1000,0,0,0\n5,0,1000,0,0,0\n1 2 3\n");
    const std::string message = expectRefused(RunMode::Draw, "titled.dtm");
    EXPECT_EQ(message.find(kGridFileNote), std::string::npos) << message;
  }
}

TEST_F(PairSimulation, SampleWrittenByFlightsimDrawsAndSimulates) {
  files_.input = (kSamples / "stereo-hills-22x12.dtm").string();
  const auto drawn = run(RunMode::Draw);
  EXPECT_EQ(drawn.title, "Στέρεο ζεύγος ΨΜΕ");
  EXPECT_EQ(drawn.header.rows, 22);
  EXPECT_EQ(drawn.header.columns, 12);
  EXPECT_EQ(drawn.points.size(), 264u);
  files_.output = outputPath_;
  run(RunMode::Simulate);
  const std::string written = fileBytes(outputPath_);
  EXPECT_EQ(written.rfind(suite::toWindows1253("Στέρεο ζεύγος ΨΜΕ\r\n 264 \r\n"), 0), 0u);
  EXPECT_NE(written.find("\r\n 264 ,"), std::string::npos);  // the last control point
}

TEST_F(PairSimulation, ReadsTheStereoFileThatFlightsimWrites) {
  // flightsim writes its stereo DTM file; pairsim reads it and simulates the same nodes.
  flightsim::FlightFiles flight;
  flight.dtm = (kData / "flightsim" / "small-5x6.dtm").string();
  flight.stereoDtm = (folder_ / "stereo.dtm").string();
  const flightsim::FlightParameterTexts flightTexts = flightsim::testing::smallFlight();
  const auto flown =
      flightsim::runFlightSimulation(RunMode::Draw, flightTexts, flight, errors_, source_);

  files_.input = flight.stereoDtm;
  files_.output = outputPath_;
  texts_.originXMm = "3";
  texts_.originYMm = "-4";
  texts_.rotationDegrees = "30";
  texts_.scale = "1.5";
  texts_.sigmaXyMm = "0";
  const auto result = run(RunMode::Simulate);
  EXPECT_EQ(result.title, "Στέρεο ζεύγος ΨΜΕ");
  EXPECT_EQ(result.header.rows, flown.windowRows);
  EXPECT_EQ(result.header.columns, flown.windowColumns);
  ASSERT_EQ(result.points.size(), flown.points.size());
  for (std::size_t q = 0; q < result.points.size(); ++q) {
    EXPECT_EQ(result.points[q].x, flown.points[q].x);
    EXPECT_EQ(result.points[q].y, flown.points[q].y);
    EXPECT_EQ(result.points[q].z, flown.points[q].z);
  }
  // The orientations travel through the file with three decimals.
  EXPECT_NEAR(result.left.z, flown.left.z, 5e-4);
  EXPECT_EQ(fileBytes(outputPath_),
            fileBytes(kData / "pairsim" / "simulate-from-flightsim-stereo.txt"));
}

TEST_F(PairSimulation, ReplacementHeightChangesOnlyRowThreeColumnFive) {
  const auto gridOf = [](int rows, int columns) {
    std::string text = "t\n" + std::to_string(rows) + "," + std::to_string(columns) +
                       ",0,0,1,1\n0,0,1000,0,0,0\n5,0,1000,0,0,0\n";
    for (int i = 0; i < rows * columns; ++i) text += "10 ";
    return text;
  };
  writeInput("grid.dtm", gridOf(4, 6));
  texts_.replacementHeight = "500";
  auto result = run(RunMode::Draw);
  for (std::size_t q = 0; q < result.points.size(); ++q) {
    EXPECT_EQ(result.points[q].z, q == 2 * 6 + 4 ? 500 : 10) << q;
  }
  // A grid of fewer than five columns keeps every height.
  writeInput("narrow.dtm", gridOf(4, 4));
  result = run(RunMode::Draw);
  for (const auto& point : result.points) EXPECT_EQ(point.z, 10);
}

TEST_F(PairSimulation, FailuresAreReportedAndLeaveTheOutputAsItWas) {
  files_.output = outputPath_;
  {
    SCOPED_TRACE("no output file for Simulate");
    files_.output.reset();
    expectRefused(RunMode::Simulate, "Θα πρέπει να βάλεις όνομα αρχείου εξόδου");
    files_.output = outputPath_;
  }
  {
    SCOPED_TRACE("more nodes than the lists hold");
    writeInput("large.dtm", "t\n51,50,0,0,1,1\n0,0,1000,0,0,0\n5,0,1000,0,0,0\n");
    const std::string message = expectRefused(RunMode::Draw, "2550 κόμβους");
    EXPECT_NE(message.find("το πολύ 2500. Το pairsim χρησιμοποιεί κάθε κόμβο του αρχείου: "
                           "διάλεξε αρχείο με λιγότερους κόμβους"),
              std::string::npos)
        << message;
  }
  {
    SCOPED_TRACE("more points than the error generator serves");
    std::string text = "t\n40,30,0,0,1,1\n0,0,1000,0,0,0\n5,0,1000,0,0,0\n";
    for (int i = 0; i < 1200; ++i) text += "1 ";
    writeInput("big.dtm", text);
    expectRefused(RunMode::Simulate, "1169");
    EXPECT_NO_THROW(run(RunMode::Draw));
  }
  {
    SCOPED_TRACE("short file, with where it broke");
    writeInput("short.dtm", "t\n3,3,0,0,1,1\n0,0,1000,0,0,0\n5,0,1000,0,0,0\n1 2 3\n");
    expectRefused(RunMode::Simulate, "short.dtm");
  }
  {
    SCOPED_TRACE("a title with a comma leaves its rest to be read as the row count");
    writeInput("comma.dtm", "Title, part two\n3,3,0,0,1,1\n0,0,1000,0,0,0\n5,0,1000,0,0,0\n");
    expectRefused(RunMode::Simulate, "comma.dtm");
  }
  {
    SCOPED_TRACE("the output is the input itself");
    files_.input = kHelpExample.string();
    files_.output = kHelpExample.string();
    EXPECT_THROW(run(RunMode::Simulate), suite::UserError);
  }
}

}  // namespace
