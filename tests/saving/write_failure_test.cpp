// Saves that fail while they write or cannot start: a disk that fills up mid-write, a file size
// limit reached mid-write, a read-only folder or disk, a target that is a folder, a name too
// long for the file system. Each leaves every existing file as it was and no temporary behind,
// and says in Greek what went wrong.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "flightsim/flight_simulation.h"
#include "stereo/error_generator.h"
#include "stereo/uniform_source.h"
#include "tests/saving/child_process.h"
#include "tests/saving/scratch.h"
#include "text/text_file_writer.h"
#include "text/user_error.h"

namespace {

namespace fs = std::filesystem;
using saving_testing::readBytes;
using saving_testing::ScratchFolder;
using saving_testing::writeBytes;
using ::testing::HasSubstr;

constexpr char kSkip[] = "SKIP: ";

/// Runs `work` in a child process (runInChild) and returns the text it returned; a child that
/// did not end normally gives a text saying so.
std::string inChild(const std::function<std::string()>& work) {
  const saving_testing::ChildResult result = saving_testing::runInChild(work);
  if (!result.exited) return "the child ended with status " + std::to_string(result.status);
  return result.text;
}

/// The message of the UserError that `save` throws, or a text saying that it threw none.
std::string failureOf(const std::function<void()>& save) {
  try {
    save();
  } catch (const suite::UserError& error) {
    return error.what();
  }
  return "no failure";
}

/// A body that writes `bytes` bytes of text, line by line.
std::function<void(std::ostream&)> bodyOf(std::size_t bytes) {
  return [bytes](std::ostream& out) {
    const std::string line(98, 'x');
    for (std::size_t written = 0; written < bytes; written += line.size() + 2)
      suite::writeLine(out, line);
  };
}

/// The entries of a folder, names only, sorted.
std::vector<std::string> entriesOf(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string writingFailed(const fs::path& path, const std::string& reason) {
  return "Δεν ήταν δυνατή η εγγραφή του αρχείου «" + path.string() + "»: " + reason + ".";
}

/// The old outputs of a flightsim Simulate, in `folder`, and the run that tries to replace them.
struct SimulateOverOldFiles {
  explicit SimulateOverOldFiles(const fs::path& folder, const fs::path& grid)
      : photo(folder / "photo.txt"), stereo(folder / "stereo.txt") {
    writeBytes(photo, "old photo\r\n");
    writeBytes(stereo, "old stereo\r\n");
    files.dtm = grid.string();
    files.photoSim = photo.string();
    files.stereoDtm = stereo.string();
  }
  std::string run() {
    suite::FixedUniformSource source({0.25f, 0.5f, 0.75f});
    suite::ErrorList errors;
    return failureOf([&] {
      flightsim::runFlightSimulation(flightsim::RunMode::Simulate, {}, files, errors, source);
    });
  }
  bool untouched() const {
    return readBytes(photo) == "old photo\r\n" && readBytes(stereo) == "old stereo\r\n";
  }

  fs::path photo;
  fs::path stereo;
  flightsim::FlightFiles files;
};

/// In a child process: gives it a mount namespace of its own (as the superuser, or else as the
/// superuser of a new user namespace) and mounts a tmpfs of `options` at `where`. Returns an
/// empty text, or why it could not.
std::string mountPrivateTmpfs(const fs::path& where, unsigned long flags, const char* options) {
  const uid_t uid = ::geteuid();
  const gid_t gid = ::getegid();
  if (::unshare(CLONE_NEWNS) != 0) {
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
      return std::string("no mount namespace of its own: ") + std::strerror(errno);
    }
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      ::mount("tmpfs", where.c_str(), "tmpfs", flags, options) != 0) {
    return std::string("no tmpfs: ") + std::strerror(errno);
  }
  return {};
}

fs::path gridSample() {
  return fs::path(SUITE_SAMPLES) / "hills-30x30.dtm";
}

TEST(WriteFailure, DiskThatFillsUpMidWriteLeavesOldFilesAndSaysTheDiskIsFull) {
  ScratchFolder scratch("full_disk");
  const fs::path disk = scratch.path() / "disk";
  fs::create_directory(disk);
  const std::string result = inChild([&]() -> std::string {
    if (std::string why = mountPrivateTmpfs(disk, 0, "size=64k"); !why.empty()) return kSkip + why;
    // 64 KiB in all: old outputs, and a file that leaves 12 KiB free.
    SimulateOverOldFiles simulate(disk, gridSample());
    writeBytes(disk / "filler", std::string(64 * 1024 - 3 * 4096 - 8192, 'f'));
    const std::vector<std::string> before = entriesOf(disk);
    std::string report;
    // The stereo DTM file (2 KB) fits, the photo simulation file (28 KB) does not: neither
    // output may change.
    const std::string simulateMessage = simulate.run();
    if (simulateMessage != writingFailed(simulate.photo, "ο δίσκος είναι γεμάτος"))
      report += "Simulate: " + simulateMessage + "\n";
    if (!simulate.untouched()) report += "Simulate changed an old output\n";
    const std::string saveMessage = failureOf(
        [&] { suite::replaceFileAtomically(simulate.photo.string(), bodyOf(200 * 1024)); });
    if (saveMessage != writingFailed(simulate.photo, "ο δίσκος είναι γεμάτος"))
      report += "save: " + saveMessage + "\n";
    if (!simulate.untouched()) report += "the save changed an old output\n";
    if (entriesOf(disk) != before) report += "a temporary was left behind\n";
    // Once there is room again the same save succeeds.
    fs::remove(disk / "filler");
    if (const std::string message = simulate.run(); message != "no failure")
      report += "with room again: " + message + "\n";
    return report;
  });
  if (result.rfind(kSkip, 0) == 0) {
    GTEST_SKIP() << "A small tmpfs cannot be mounted here (" << result.substr(sizeof kSkip - 1)
                 << "); the write failure injected by a file size limit covers a failure "
                    "mid-write instead.";
  }
  EXPECT_EQ(result, "");
}

TEST(WriteFailure, FileSizeLimitReachedMidWriteLeavesOldFilesAndIsNamed) {
  ScratchFolder scratch("size_limit");
  const fs::path folder = scratch.path();
  const std::string result = inChild([&]() -> std::string {
    // The kernel refuses every write beyond 16 KiB with EFBIG, instead of ending the process.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16 * 1024, 16 * 1024};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "no limit";
    SimulateOverOldFiles simulate(folder, gridSample());
    const std::vector<std::string> before = entriesOf(folder);
    const std::string tooBig = writingFailed(
        simulate.photo, "το αρχείο θα ξεπερνούσε το μεγαλύτερο μέγεθος αρχείου που επιτρέπεται");
    std::string report;
    if (const std::string message = simulate.run(); message != tooBig)
      report += "Simulate: " + message + "\n";
    const std::string saveMessage = failureOf(
        [&] { suite::replaceFileAtomically(simulate.photo.string(), bodyOf(64 * 1024)); });
    if (saveMessage != tooBig) report += "save: " + saveMessage + "\n";
    if (!simulate.untouched()) report += "an old output changed\n";
    if (entriesOf(folder) != before) report += "a temporary was left behind\n";
    return report;
  });
  EXPECT_EQ(result, "");
}

TEST(WriteFailure, ReadOnlyFolderLeavesOldFilesAndSaysWritingIsNotAllowed) {
  ScratchFolder scratch("read_only");
  const fs::path folder = scratch.path() / "outputs";
  fs::create_directory(folder);
  // The superuser ignores permissions: the save runs as the user nobody, who may read the grid
  // (a copy beside the folder, wherever the sources lie) but not write the folder.
  const fs::path grid = scratch.path() / "grid.dtm";
  fs::copy_file(gridSample(), grid);
  fs::permissions(grid, fs::perms::owner_read | fs::perms::others_read);
  SimulateOverOldFiles simulate(folder, grid);
  fs::permissions(scratch.path(),
                  fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const std::string result = inChild([&]() -> std::string {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return "no user";
    std::string report;
    // The stereo DTM file is written first: the first that fails.
    const std::string notAllowed =
        writingFailed(simulate.stereo, "δεν επιτρέπεται η εγγραφή στον φάκελο ή στο αρχείο");
    if (const std::string message = simulate.run(); message != notAllowed)
      report += "Simulate: " + message + "\n";
    return report;
  });
  EXPECT_EQ(result, "");
  EXPECT_TRUE(simulate.untouched());
  EXPECT_EQ(entriesOf(folder), (std::vector<std::string>{"photo.txt", "stereo.txt"}));
}

TEST(WriteFailure, ReadOnlyDiskLeavesOldFilesAndSaysSo) {
  ScratchFolder scratch("read_only_disk");
  const fs::path disk = scratch.path() / "disk";
  fs::create_directory(disk);
  const std::string result = inChild([&]() -> std::string {
    if (std::string why = mountPrivateTmpfs(disk, 0, "size=256k"); !why.empty()) return kSkip + why;
    SimulateOverOldFiles simulate(disk, gridSample());
    if (::mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
      return kSkip + std::string("no read-only remount: ") + std::strerror(errno);
    std::string report;
    if (const std::string message = simulate.run();
        message != writingFailed(simulate.stereo, "ο δίσκος επιτρέπει μόνο ανάγνωση"))
      report += "Simulate: " + message + "\n";
    if (!simulate.untouched()) report += "an old output changed\n";
    return report;
  });
  if (result.rfind(kSkip, 0) == 0) {
    GTEST_SKIP() << "A read-only tmpfs cannot be mounted here (" << result.substr(sizeof kSkip - 1)
                 << ").";
  }
  EXPECT_EQ(result, "");
}

TEST(WriteFailure, TargetThatIsAFolderIsRefusedAndKept) {
  ScratchFolder scratch("folder_target");
  const fs::path folder = scratch.path();
  SimulateOverOldFiles simulate(folder, gridSample());
  fs::remove(simulate.photo);
  fs::create_directory(simulate.photo);
  writeBytes(simulate.photo / "inside.txt", "kept");
  EXPECT_EQ(simulate.run(), writingFailed(simulate.photo, "το όνομα ανήκει σε φάκελο"));
  EXPECT_EQ(readBytes(simulate.stereo), "old stereo\r\n");
  EXPECT_EQ(readBytes(simulate.photo / "inside.txt"), "kept");
  EXPECT_EQ(entriesOf(folder), (std::vector<std::string>{"photo.txt", "stereo.txt"}));
}

TEST(WriteFailure, NameTooLongForTheFileSystemIsRefusedWhileALongNameThatFitsIsWritten) {
  ScratchFolder scratch("long_name");
  const fs::path folder = scratch.path();
  SimulateOverOldFiles simulate(folder, gridSample());
  const std::size_t longest = static_cast<std::size_t>(::pathconf(folder.c_str(), _PC_NAME_MAX));
  // Greek letters take two bytes: the name is cut for its temporary at a character's start.
  std::string fits;
  while (fits.size() + 2 <= longest - 4) fits += "ψ";
  fits += ".txt";
  simulate.files.photoSim = (folder / fits).string();
  EXPECT_EQ(simulate.run(), "no failure");
  EXPECT_EQ(entriesOf(folder), (std::vector<std::string>{"photo.txt", "stereo.txt", fits}));

  const std::string tooLong = std::string(longest + 1, 'p');
  simulate.files.photoSim = (folder / tooLong).string();
  writeBytes(simulate.stereo, "old stereo\r\n");
  EXPECT_EQ(simulate.run(), writingFailed(folder / tooLong, "το όνομα είναι πολύ μακρύ"));
  EXPECT_EQ(readBytes(simulate.stereo), "old stereo\r\n");
  EXPECT_EQ(entriesOf(folder), (std::vector<std::string>{"photo.txt", "stereo.txt", fits}));
}

}  // namespace
