// A Simulate writing over existing output files, killed with SIGKILL at random moments: after
// every kill each output file is byte for byte the old one or the complete new one, a temporary
// that the kill leaves behind is a hidden file named after its target, and the next complete
// save of the same target removes it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "tests/saving/scratch.h"

namespace {

namespace fs = std::filesystem;
using saving_testing::readBytes;
using saving_testing::ScratchFolder;
using saving_testing::writeBytes;
using Clock = std::chrono::steady_clock;

/// Kills per save: 100, or KILL_TEST_KILLS when set (for a longer measurement by hand).
int killCount() {
  const char* kills = std::getenv("KILL_TEST_KILLS");
  return kills != nullptr && std::atoi(kills) > 0 ? std::atoi(kills) : 100;
}

/// The child process of one save.
struct Child {
  pid_t pid = -1;
  int ready = -1;  ///< read end of the pipe on which the child announces the start of its run
};

Child start(const std::vector<std::string>& arguments) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipeFds[1], 3);  // dup2 clears close-on-exec on the copy
    ::setenv("SAVE_CHILD_READY_FD", "3", 1);
    std::vector<char*> argv;
    std::string program = SAVE_CHILD;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  return {pid, pipeFds[0]};
}

/// Waits for the child's start of the run; false when it ended before announcing it.
bool waitForStart(const Child& child) {
  char byte;
  return ::read(child.ready, &byte, 1) == 1;
}

int finish(Child& child) {
  int status = 0;
  ::waitpid(child.pid, &status, 0);
  ::close(child.ready);
  return status;
}

/// Runs a save to its end; returns how long its run took after the start was announced.
Clock::duration runToEnd(const std::vector<std::string>& arguments) {
  Child child = start(arguments);
  EXPECT_TRUE(waitForStart(child));
  const Clock::time_point begin = Clock::now();
  const int status = finish(child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  return Clock::now() - begin;
}

void sleepFor(Clock::duration delay) {
  const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(delay).count();
  timespec request{static_cast<time_t>(nanoseconds / 1000000000), nanoseconds % 1000000000};
  while (::nanosleep(&request, &request) != 0 && errno == EINTR) {
  }
}

/// The files of a folder other than `kept`.
std::vector<std::string> othersIn(const fs::path& folder, const std::vector<std::string>& kept) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(kept.begin(), kept.end(), name) == kept.end()) others.push_back(name);
  }
  return others;
}

/// One output file of a save, with its old and its new content.
struct Output {
  std::string name;
  std::string before;
  std::string after;
};

struct KillFigures {
  int killedBeforeAnyChange = 0;  ///< every output still old
  int killedAfterTheSave = 0;     ///< every output new
  int mixed = 0;                  ///< some old, some new: outputs from different runs
  int damaged = 0;                ///< an output neither old nor new
  int leftovers = 0;              ///< temporaries that kills left behind
  int leftoversAtTheEnd = 0;      ///< of them, those still there after the last kill
};

/// Kills the save `arguments` at killCount() random moments of its run, putting the old outputs
/// back before each, and checks the outputs and the folder after each kill.
KillFigures killRepeatedly(const fs::path& folder, const std::vector<std::string>& arguments,
                           const std::vector<Output>& outputs,
                           const std::vector<std::string>& kept) {
  // How long a run takes, from its announced start to its end: the median of five.
  std::vector<Clock::duration> runTimes;
  for (int i = 0; i < 5; ++i) runTimes.push_back(runToEnd(arguments));
  std::sort(runTimes.begin(), runTimes.end());
  const Clock::duration runTime = runTimes[2];

  std::mt19937 random(20240518);
  std::uniform_real_distribution<double> moment(0.0, 1.2);
  KillFigures figures;
  std::vector<std::string> seen;  // the temporaries in the folder after the last kill
  for (int kill = 0; kill < killCount(); ++kill) {
    for (const Output& output : outputs) writeBytes(folder / output.name, output.before);
    Child child = start(arguments);
    if (waitForStart(child)) {
      sleepFor(std::chrono::duration_cast<Clock::duration>(runTime * moment(random)));
    }
    ::kill(child.pid, SIGKILL);
    finish(child);

    int old = 0;
    int fresh = 0;
    for (const Output& output : outputs) {
      const std::string bytes = readBytes(folder / output.name);
      if (bytes == output.before) {
        ++old;
      } else if (bytes == output.after) {
        ++fresh;
      } else {
        ++figures.damaged;
        ADD_FAILURE() << output.name << " is neither the old nor the new file after kill " << kill
                      << " (" << bytes.size() << " bytes)";
      }
    }
    if (old == static_cast<int>(outputs.size())) ++figures.killedBeforeAnyChange;
    if (fresh == static_cast<int>(outputs.size())) ++figures.killedAfterTheSave;
    if (old > 0 && fresh > 0) ++figures.mixed;

    const std::vector<std::string> leftovers = othersIn(folder, kept);
    for (const std::string& leftover : leftovers) {
      if (std::find(seen.begin(), seen.end(), leftover) != seen.end()) continue;
      ++figures.leftovers;
      // A user must not take a temporary for an output: hidden, named after its target.
      EXPECT_EQ(leftover.front(), '.') << leftover;
      EXPECT_NE(leftover.find(".tmp-"), std::string::npos) << leftover;
    }
    seen = leftovers;
  }
  figures.leftoversAtTheEnd = static_cast<int>(seen.size());
  // The next complete save of the same targets cleans up what the kills left.
  runToEnd(arguments);
  EXPECT_EQ(othersIn(folder, kept), std::vector<std::string>());
  for (const Output& output : outputs) EXPECT_EQ(readBytes(folder / output.name), output.after);
  return figures;
}

void report(const char* what, const KillFigures& figures) {
  std::cout << what << ": " << killCount() << " kills, " << figures.killedBeforeAnyChange
            << " before any output changed, " << figures.killedAfterTheSave << " after the save, "
            << figures.mixed << " with outputs of different runs, " << figures.damaged
            << " damaged outputs; " << figures.leftovers << " temporaries left behind by kills, "
            << figures.leftoversAtTheEnd << " of them still there after the last kill\n";
  ::testing::Test::RecordProperty("mixed", figures.mixed);
  ::testing::Test::RecordProperty("leftovers", figures.leftovers);
}

TEST(KilledSave, FlightSimulationLeavesEachOutputOldOrCompleteAndCleansUpAfterItself) {
  ScratchFolder scratch("kill_flight");
  const fs::path folder = scratch.path();
  fs::copy_file(fs::path(SUITE_SAMPLES) / "hills-30x30.dtm", folder / "grid.dtm");
  const auto arguments = [&](const char* variant) {
    return std::vector<std::string>{"flight", variant, (folder / "grid.dtm").string(),
                                    (folder / "photo.txt").string(),
                                    (folder / "stereo.txt").string()};
  };
  runToEnd(arguments("0"));
  std::vector<Output> outputs = {{"photo.txt", readBytes(folder / "photo.txt"), ""},
                                 {"stereo.txt", readBytes(folder / "stereo.txt"), ""}};
  runToEnd(arguments("1"));
  for (Output& output : outputs) {
    output.after = readBytes(folder / output.name);
    ASSERT_NE(output.before, output.after) << output.name;
  }
  const KillFigures figures =
      killRepeatedly(folder, arguments("1"), outputs, {"grid.dtm", "photo.txt", "stereo.txt"});
  report("flightsim Simulate", figures);
  EXPECT_EQ(figures.damaged, 0);
}

TEST(KilledSave, PairSimulationLeavesTheOutputOldOrCompleteAndCleansUpAfterItself) {
  ScratchFolder scratch("kill_pair");
  const fs::path folder = scratch.path();
  fs::copy_file(fs::path(SUITE_SAMPLES) / "stereo-hills-22x12.dtm", folder / "stereo.dtm");
  const auto arguments = [&](const char* variant) {
    return std::vector<std::string>{"pair", variant, (folder / "stereo.dtm").string(),
                                    (folder / "photo.txt").string()};
  };
  runToEnd(arguments("0"));
  std::vector<Output> outputs = {{"photo.txt", readBytes(folder / "photo.txt"), ""}};
  runToEnd(arguments("1"));
  outputs[0].after = readBytes(folder / "photo.txt");
  ASSERT_NE(outputs[0].before, outputs[0].after);
  const KillFigures figures =
      killRepeatedly(folder, arguments("1"), outputs, {"stereo.dtm", "photo.txt"});
  report("pairsim Simulate", figures);
  EXPECT_EQ(figures.damaged, 0);
}

}  // namespace
