// The command line: its exit statuses, what it tells on standard output and standard error.
#include "dtmconvert/command_line.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "tests/dtmconvert/sources.h"
#include "tests/stereo/golden.h"

namespace dtmconvert {
namespace {

using testing::ScratchFolder;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome run(const std::vector<std::string>& arguments, bool terminal = false) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome result;
  result.status = runCommandLine(arguments, out, err, terminal);
  result.out = out.str();
  result.err = err.str();
  return result;
}

TEST(CommandLine, HelpShowsEveryCommandAndSucceeds) {
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.status, kExitSuccess);
  for (const char* text :
       {"import ΠΗΓΗ ΕΞΟΔΟΣ.dtm", "--crs EPSG:N", "--cell A[,B]", "--bounds Δ,Ν,Α,Β",
        "--resampling bilinear|nearest|cubic", "--fill-nodata", "geotiff ΕΙΣΟΔΟΣ.dtm ΕΞΟΔΟΣ.tif",
        "contours ΕΙΣΟΔΟΣ.dtm ΕΞΟΔΟΣ.gpkg|.geojson|.shp|.dxf --interval H"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(help.err, "");
}

TEST(CommandLine, MistakesInTheCommandLineExitWithTwoAndSaySo) {
  ScratchFolder scratch;
  const std::string source = testing::greekGrid(scratch);
  const std::string out = scratch.file("out.dtm");
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"convert"}, "άγνωστη εντολή «convert»"},
      {{"import", source}, "το import θέλει"},
      {{"import", source, out, "--cell", "10,x"}, "--cell"},
      {{"import", source, out, "--cell", "1,2,3"}, "--cell"},
      {{"import", source, out, "--bounds", "1,2,3"}, "τέσσερις"},
      {{"import", source, out, "--resampling", "lanczos"}, "lanczos"},
      {{"import", source, out, "--crs", "WGS84"}, "WGS84"},
      {{"import", source, out, "--crs"}, "--crs θέλει τιμή"},
      {{"import", source, out, "--fast"}, "άγνωστη επιλογή «--fast»"},
      {{"contours", out, scratch.file("c.gpkg")}, "--interval"},
      {{"contours", out, scratch.file("c.kml"), "--interval", "10"}, ".gpkg"},
  };
  for (const auto& [arguments, said] : cases) {
    const Outcome wrong = run(arguments);
    EXPECT_EQ(wrong.status, kExitUsage) << said;
    EXPECT_EQ(wrong.err.rfind("dtmconvert: ", 0), 0u) << wrong.err;
    EXPECT_NE(wrong.err.find(said), std::string::npos) << wrong.err;
    EXPECT_EQ(wrong.out, "");
  }
  EXPECT_EQ(run({}).status, kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CommandLine, AFailedConversionExitsWithOneAndSaysWhy) {
  ScratchFolder scratch;
  const Outcome missing = run({"import", scratch.file("none.tif"), scratch.file("out.dtm")});
  EXPECT_EQ(missing.status, kExitFailure);
  EXPECT_NE(missing.err.find("none.tif"), std::string::npos) << missing.err;
  const Outcome holes =
      run({"import", testing::greekGridWithHoles(scratch), scratch.file("out.dtm")});
  EXPECT_EQ(holes.status, kExitFailure);
  EXPECT_NE(holes.err.find("160 κόμβοι"), std::string::npos) << holes.err;
  // The summary comes before the heights are known to be whole; nothing is written.
  EXPECT_FALSE(std::filesystem::exists(scratch.file("out.dtm")));
  const Outcome noGrid = run({"geotiff", scratch.file("none.dtm"), scratch.file("out.tif")});
  EXPECT_EQ(noGrid.status, kExitFailure);
  EXPECT_NE(noGrid.err.find("none.dtm"), std::string::npos) << noGrid.err;
}

TEST(CommandLine, AnImportTellsTheSummaryThenWhatItWroteAndShowsProgressOnlyOnATerminal) {
  ScratchFolder scratch;
  const std::string source = testing::greekGridWithHoles(scratch);
  const Outcome quiet = run({"import", source, scratch.file("a.dtm"), "--fill-nodata", "--cell=50",
                             "--resampling", "nearest"});
  ASSERT_EQ(quiet.status, kExitSuccess) << quiet.err;
  EXPECT_EQ(quiet.err, "");
  EXPECT_EQ(quiet.out.rfind("Πλέγμα: n = 60 γραμμές, m = 80 στήλες, 4800 κόμβοι.\n", 0), 0u)
      << quiet.out;
  EXPECT_NE(quiet.out.find("Συμπληρώθηκαν"), std::string::npos);
  EXPECT_NE(quiet.out.find("isolines: σε οθόνη 1920 × 1080"), std::string::npos);
  const std::size_t wrote = quiet.out.find("Γράφτηκε το «" + scratch.file("a.dtm") + "» και το «" +
                                           scratch.file("a.prj") + "».\n");
  EXPECT_NE(wrote, std::string::npos) << quiet.out;
  EXPECT_GT(wrote, quiet.out.find("cellinterp:"));

  const Outcome shown = run({"import", source, scratch.file("b.dtm"), "--fill-nodata"}, true);
  ASSERT_EQ(shown.status, kExitSuccess);
  EXPECT_NE(shown.err.find("\rΜετατροπή 0 %"), std::string::npos);
  EXPECT_NE(shown.err.find("\rΜετατροπή 100 %\n"), std::string::npos);
}

TEST(CommandLine, ExportsAGeoTiffAndContourLines) {
  ScratchFolder scratch;
  ASSERT_EQ(run({"import", testing::greekGrid(scratch), scratch.file("g.dtm")}).status,
            kExitSuccess);
  const Outcome tif = run({"geotiff", scratch.file("g.dtm"), scratch.file("g.tif")});
  EXPECT_EQ(tif.status, kExitSuccess) << tif.err;
  EXPECT_EQ(tif.out, "Γράφτηκε το «" + scratch.file("g.tif") + "» (120 × 160).\n");
  const Outcome lines =
      run({"contours", scratch.file("g.dtm"), scratch.file("g.geojson"), "--interval", "50"});
  EXPECT_EQ(lines.status, kExitSuccess) << lines.err;
  EXPECT_NE(lines.out.find(" γραμμές.\n"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(scratch.file("g.geojson")));
  const Outcome zero =
      run({"contours", scratch.file("g.dtm"), scratch.file("z.gpkg"), "--interval", "0"});
  EXPECT_EQ(zero.status, kExitFailure);
  EXPECT_NE(zero.err.find("ισοδιάσταση"), std::string::npos);
}

/// The program itself, run as a teacher runs it: its exit status, standard output and error.
Outcome runProgram(const std::string& arguments, const ScratchFolder& scratch) {
  const std::string err = scratch.file("stderr.txt");
  const std::string command =
      std::string("'") + DTMCONVERT_PROGRAM + "' " + arguments + " 2>'" + err + "'";
  Outcome result;
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 4096> buffer{};
  std::size_t got = 0;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    result.out.append(buffer.data(), got);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = suite::testing::fileBytes(err);
  return result;
}

TEST(CommandLineProgram, ExitsWithItsStatusWritesMessagesToStandardErrorAndNeedsNoDisplay) {
  ScratchFolder scratch;
  setenv("QT_QPA_PLATFORM", "none-such", 1);  // a window would fail to open
  const Outcome help = runProgram("--help", scratch);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("dtmconvert import"), std::string::npos);
  const Outcome failed = runProgram(
      "import '" + scratch.file("none.tif") + "' '" + scratch.file("x.dtm") + "'", scratch);
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  EXPECT_NE(failed.err.find("none.tif"), std::string::npos) << failed.err;
  const Outcome wrong = runProgram("export", scratch);
  EXPECT_EQ(wrong.status, 2);
  const Outcome done = runProgram(
      "import '" + testing::greekGrid(scratch) + "' '" + scratch.file("y.dtm") + "'", scratch);
  EXPECT_EQ(done.status, 0) << done.err;
  EXPECT_EQ(done.err, "");  // no progress when standard error is no terminal
  EXPECT_TRUE(std::filesystem::exists(scratch.file("y.dtm")));
  unsetenv("QT_QPA_PLATFORM");
}

}  // namespace
}  // namespace dtmconvert
