// Hostile input files given to the computing core of every program: a header that announces far
// more heights than the file holds, an empty file, a binary one, a text of words, a file that
// ends early, a header of 2^31 − 1 rows, a named pipe, a folder, a file that vanishes or shrinks
// between the two reads of a perspective drawing. Each is refused with a UserError whose Greek
// message names the file, and none makes a core reserve memory for heights it has not read.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "cellinterp/cell_grid.h"
#include "flightsim/flight_simulation.h"
#include "isolines/contour_run.h"
#include "pairsim/pair_simulation.h"
#include "stereo/error_generator.h"
#include "stereo/uniform_source.h"
#include "tests/dtm/scratch_folder.h"
#include "tests/hostile/under_sanitizer.h"
#include "tests/saving/child_process.h"
#include "text/user_error.h"
#include "vantage/model_frame.h"
#include "vantage/perspective_view.h"

namespace {

using suite::dtm_testing::ScratchFolder;
using ::testing::HasSubstr;

/// What an action did in a child process of its own.
struct ChildOutcome {
  std::string refusal;    ///< the UserError's message; empty when there was none
  std::string otherwise;  ///< what happened instead of a refusal
  long peakKiB = 0;       ///< the child's peak resident memory
};

/// Runs `action` in a child process whose address space is limited to 1 GiB (but under
/// AddressSanitizer, which maps far more for itself), so that memory reserved for heights the
/// file does not hold shows as a failure, and measures its peak resident memory.
ChildOutcome inChild(const std::function<void()>& action) {
  const saving_testing::ChildResult result = saving_testing::runInChild([&]() -> std::string {
#ifndef SUITE_UNDER_ASAN
    const rlimit limit{rlim_t{1} << 30, rlim_t{1} << 30};
    ::setrlimit(RLIMIT_AS, &limit);
#endif
    try {
      action();
    } catch (const suite::UserError& error) {
      return std::string("R") + error.what();
    }
    return "no refusal";
  });
  ChildOutcome outcome;
  outcome.peakKiB = result.peakKiB;
  if (!result.exited) {
    outcome.otherwise = "the child ended with status " + std::to_string(result.status);
  } else if (!result.text.empty() && result.text[0] == 'R') {
    outcome.refusal = result.text.substr(1);
  } else {
    outcome.otherwise = result.text.empty() ? "nothing" : result.text;
  }
  return outcome;
}

/// The five cores, each given the DTM grid file (or, for pairsim, the stereo DTM file) `path`.
struct Core {
  const char* name;
  std::function<void(const std::string& path)> read;
};

std::vector<Core> cores() {
  return {
      {"flightsim",
       [](const std::string& path) {
         flightsim::FlightFiles files;
         files.dtm = path;
         suite::ErrorList errors;
         suite::FixedUniformSource source({0.5f});
         flightsim::runFlightSimulation(flightsim::RunMode::Draw, {}, files, errors, source);
       }},
      {"pairsim",
       [](const std::string& path) {
         pairsim::PairFiles files;
         files.input = path;
         suite::ErrorList errors;
         suite::FixedUniformSource source({0.5f});
         pairsim::runPairSimulation(pairsim::RunMode::Draw, {}, files, errors, source);
       }},
      {"vantage",
       [](const std::string& path) {
         const vantage::ModelFrame frame = vantage::readModelFrame(path);
         vantage::PerspectiveView view;
         view.centre = vantage::defaultProjectionCentre(frame);
         view.centre.z = frame.heightMax + 100;
         view.pictureWidthTwips = 19182;
         view.pictureHeightTwips = 12442;
         vantage::projectPerspective(path, view);
       }},
      {"vantage perspective alone",
       [](const std::string& path) {
         vantage::PerspectiveView view;
         view.centre = {500, -500, 1000, 0, 45};
         view.pictureWidthTwips = 19182;
         view.pictureHeightTwips = 12442;
         vantage::projectPerspective(path, view);
       }},
      {"cellinterp", [](const std::string& path) { cellinterp::readCellGrid(path); }},
      {"isolines",
       [](const std::string& path) {
         isolines::ContourRunInput input;
         input.dtmPath = path;
         input.screenWidthTwips = 28800;
         input.screenHeightTwips = 16200;
         isolines::computeContourMap(input);
       }},
  };
}

/// The stereo DTM file form of a grid file's text: a title and two orientations around it.
std::string asStereo(const std::string& header, const std::string& heights) {
  return "Στέρεο ζεύγος ΨΜΕ\r\n" + header + "\r\n632900.000,4130500.000,1802.174,.1,.2,.3\r\n" +
         "633900.000,4130500.000,1802.174,.1,.2,.3\r\n" + heights;
}

void expectEveryCoreRefuses(const std::string& what, const std::string& gridPath,
                            const std::string& stereoPath, const std::string& expected = "") {
  for (const Core& core : cores()) {
    const std::string& path = std::string(core.name) == "pairsim" ? stereoPath : gridPath;
    const ChildOutcome outcome = inChild([&] { core.read(path); });
    EXPECT_EQ(outcome.otherwise, "") << what << ", " << core.name;
    EXPECT_THAT(outcome.refusal, HasSubstr("«" + path + "»")) << what << ", " << core.name;
    EXPECT_THAT(outcome.refusal, HasSubstr(expected)) << what << ", " << core.name;
    // Below 100 MB whatever the header announces.
    EXPECT_LT(outcome.peakKiB, 100 * 1024) << what << ", " << core.name;
  }
}

// 62 bytes announcing 16384 × 16384 = 2^28 nodes, then nine heights: refused where the file
// ends, before any core has reserved room for 2^28 heights.
TEST(HostileFile, HeaderThatAnnouncesFarMoreHeightsThanTheFileHoldsIsRefusedWithoutMemoryForThem) {
  ScratchFolder folder;
  const std::string header = "16384 16384 632000 4132000 100 100";
  const std::string heights = "\n10 20 30 40 50 60 70 80 90\n";
  const std::string grid = folder.write("lying.dtm", header + heights);
  ASSERT_LE(std::filesystem::file_size(grid), 64u);
  const std::string stereo = folder.write("lying-stereo.dtm", asStereo(header, heights));
  for (const Core& core : cores()) {
    const std::string& path = std::string(core.name) == "pairsim" ? stereo : grid;
    const auto start = std::chrono::steady_clock::now();
    const ChildOutcome outcome = inChild([&] { core.read(path); });
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(outcome.otherwise, "") << core.name;
    EXPECT_THAT(outcome.refusal, HasSubstr("«" + path + "»")) << core.name;
    // Refused for what the file lacks, not for want of memory; pairsim, which holds at most
    // 2500 nodes, refuses from the header alone.
    EXPECT_THAT(outcome.refusal,
                HasSubstr(std::string(core.name) == "pairsim" ? "(16384 γραμμές × 16384 στήλες)"
                                                              : "τελειώνει πριν από την τιμή 16 "))
        << core.name;
    EXPECT_LT(outcome.peakKiB, 100 * 1024) << core.name;
    // Far below the two seconds a user would notice; a core that filled 2 GiB takes many.
    EXPECT_LT(elapsed, std::chrono::seconds(2)) << core.name;
  }
}

TEST(HostileFile, EmptyBinaryWordyShortOrHugeHeaderFilesAreRefusedNamingTheFile) {
  ScratchFolder folder;
  std::mt19937 random(7);
  std::string binary(4096, '\0');
  for (char& byte : binary) byte = static_cast<char>(random());
  // Grids where flightsim's default flight finds nodes, so that it reads their heights too.
  const struct {
    const char* what;
    std::string grid;
    std::string expected;
  } cases[] = {
      {"empty", "", "τελειώνει πριν από την τιμή 1"},
      {"binary", binary, "δεν είναι αριθμός"},
      {"words", "Αυτό το αρχείο είναι ένα κείμενο, όχι πλέγμα.\n", "δεν είναι αριθμός"},
      {"short", "3,3,632900,4130600,100,100\n1,2,3\n4,5\n", "τελειώνει πριν από την τιμή"},
      {"2^31 - 1 rows", "2147483647,1,632900,4131000,100,100\n1\n2\n", ""},
  };
  for (const auto& c : cases) {
    const std::string grid = folder.write("grid.dtm", c.grid);
    // pairsim reads the same bytes after a title and two orientations, but for the empty file.
    const std::string stereo =
        folder.write("stereo.dtm", c.grid.empty() ? c.grid
                                                  : asStereo(c.grid.substr(0, c.grid.find('\n')),
                                                             c.grid.substr(c.grid.find('\n') + 1)));
    expectEveryCoreRefuses(c.what, grid, stereo, c.expected);
  }
}

TEST(HostileFile, NamedPipeAndFolderAreRefusedAtOnce) {
  ScratchFolder folder;
  const std::string pipe = folder.path() + "/pipe.dtm";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // A core that waited for a writer to the pipe would hang the child: the test would then time
  // out instead of passing.
  expectEveryCoreRefuses("named pipe", pipe, pipe, "Είναι επώνυμη σωλήνωση (FIFO), όχι αρχείο.");
  const std::string inner = folder.path() + "/folder.dtm";
  std::filesystem::create_directory(inner);
  expectEveryCoreRefuses("folder", inner, inner, "Είναι φάκελος, όχι αρχείο.");
}

// vantage reads the file twice for its first drawing: for the model frame, then for the
// perspective. A file that vanishes or shrinks in between is refused by the second read.
TEST(HostileFile, FileThatVanishesOrShrinksBetweenThePerspectivesTwoReadsIsRefused) {
  ScratchFolder folder;
  const std::string whole = "3,3,0,300,100,100\n1,2,3\n4,5,6\n7,8,9\n";
  for (const std::string& after :
       {std::string("vanished"), std::string("3,3,0,300,100,100\n1,2")}) {
    const std::string path = folder.write("grid.dtm", whole);
    const vantage::ModelFrame frame = vantage::readModelFrame(path);
    if (after == "vanished") {
      std::filesystem::remove(path);
    } else {
      folder.write("grid.dtm", after);
    }
    vantage::PerspectiveView view;
    view.centre = vantage::defaultProjectionCentre(frame);
    view.centre.z = frame.heightMax + 100;
    view.pictureWidthTwips = 19182;
    view.pictureHeightTwips = 12442;
    try {
      vantage::projectPerspective(path, view);
      ADD_FAILURE() << "no refusal when the file " << after;
    } catch (const suite::UserError& error) {
      EXPECT_THAT(error.what(), HasSubstr("«" + path + "»"));
      EXPECT_THAT(error.what(), HasSubstr(after == "vanished" ? "Δεν υπάρχει τέτοιο αρχείο."
                                                              : "τελειώνει πριν από την τιμή 9"));
    }
  }
}

}  // namespace
