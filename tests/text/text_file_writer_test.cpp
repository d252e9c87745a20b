#include "text/text_file_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/number_format.h"
#include "text/user_error.h"

namespace {

namespace fs = std::filesystem;
using suite::replaceFileAtomically;
using suite::writeLine;
using suite::writeText;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// A fresh, empty folder per test, holding "photo.txt" with an old content.
class TextFileWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "text_writer_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    old_ = folder_ / "photo.txt";
    std::ofstream(old_, std::ios::binary) << "old\r\n";
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
  fs::path old_;
};

TEST_F(TextFileWriter, WritesWindows1253LinesWithCrLfMatchingGolden) {
  replaceFileAtomically(old_.string(), [](std::ostream& out) {
    writeLine(out, "Στέρεο ζεύγος ΨΜΕ");
    for (double v : {22.0, 12.0, 632800.0, 4131600.0, 100.0, 100.0}) {
      writeText(out, suite::printForm(v));
    }
    writeLine(out, "");
    writeLine(out, suite::formatMask(632800, "########.000") + "," +
                       suite::formatMask(4131600, "########.000") + "," +
                       suite::formatMask(1965, "######.000") + "," +
                       suite::formatMask(-0.25, "####.000") + "," +
                       suite::formatMask(0, "####.000") + "," +
                       suite::formatMask(1.18, "####.000"));
    writeText(out, suite::printForm(152.25) + suite::printForm(0.5));
  });
  EXPECT_EQ(readBytes(old_), readBytes(fs::path(SUITE_TEST_DATA) / "text" / "stereo_head.txt"));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(TextFileWriter, FailedBodyLeavesExistingFileIntactAndNoTemporary) {
  EXPECT_THROW(replaceFileAtomically(old_.string(),
                                     [](std::ostream& out) {
                                       writeLine(out, "Προσομοίωση στέρεο Α/Φ");
                                       throw std::runtime_error("run failed");
                                     }),
               std::runtime_error);
  EXPECT_THROW(replaceFileAtomically(old_.string(),
                                     [](std::ostream& out) {
                                       writeLine(out, " Φωτοσταθερά");
                                       writeLine(out, "Ж");
                                     }),
               suite::UserError);
  EXPECT_EQ(readBytes(old_), "old\r\n");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(TextFileWriter, ReplacedFileKeepsPermissionsAndLink) {
  ::chmod(old_.c_str(), 0640);
  const fs::path link = folder_ / "link.txt";
  fs::create_symlink(old_, link);
  replaceFileAtomically(link.string(), [](std::ostream& out) { writeLine(out, "new"); });
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readBytes(old_), "new\r\n");
  struct stat info {};
  ASSERT_EQ(::stat(old_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  const mode_t savedMask = ::umask(022);
  const fs::path fresh = folder_ / "fresh.txt";
  replaceFileAtomically(fresh.string(), [](std::ostream& out) { writeText(out, "x"); });
  ::umask(savedMask);
  ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST_F(TextFileWriter, UnwritablePlacesFailWithTheFileNamedBeforeTheBodyRuns) {
  bool bodyRan = false;
  const auto body = [&bodyRan](std::ostream&) { bodyRan = true; };
  const fs::path missing = folder_ / "missing" / "out.txt";
  try {
    replaceFileAtomically(missing.string(), body);
    FAIL() << "no error";
  } catch (const suite::UserError& error) {
    EXPECT_NE(std::string(error.what()).find("«" + missing.string() + "»: ο φάκελος δεν υπάρχει"),
              std::string::npos)
        << error.what();
  }
  // A folder that exists but takes no new files is not called missing.
  try {
    replaceFileAtomically("/proc/out.txt", body);
    FAIL() << "no error";
  } catch (const suite::UserError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Δεν ήταν δυνατή η εγγραφή του αρχείου «/proc/out.txt»: στον φάκελο «/proc» δεν "
              "μπορεί να δημιουργηθεί αρχείο.");
  }
  EXPECT_THROW(replaceFileAtomically(folder_.string(), body), suite::UserError);
  EXPECT_THROW(replaceFileAtomically("", body), suite::UserError);
  if (::geteuid() != 0) {  // permissions do not bind the superuser
    fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_THROW(replaceFileAtomically(old_.string(), body), suite::UserError);
  }
  EXPECT_FALSE(bodyRan);
  EXPECT_EQ(readBytes(old_), "old\r\n");
  EXPECT_EQ(entries(), 1u);
}

}  // namespace

namespace {

TEST_F(TextFileWriter, FilesReplacedTogetherAllStayAsTheyWereWhenOneFails) {
  const fs::path second = folder_ / "stereo.txt";
  std::ofstream(second, std::ios::binary) << "old stereo\r\n";
  const auto writeNew = [](std::ostream& out) { writeLine(out, "new"); };
  const auto failing = [](std::ostream& out) {
    writeLine(out, "half");
    throw suite::UserError("stop");
  };
  // The first file is complete, the second fails: neither target may change.
  EXPECT_THROW(suite::replaceFilesTogether({{second.string(), writeNew}, {old_.string(), failing}}),
               suite::UserError);
  EXPECT_EQ(readBytes(second), "old stereo\r\n");
  EXPECT_EQ(readBytes(old_), "old\r\n");
  EXPECT_EQ(entries(), 2u);

  suite::replaceFilesTogether({{second.string(), writeNew}, {old_.string(), writeNew}});
  EXPECT_EQ(readBytes(second), "new\r\n");
  EXPECT_EQ(readBytes(old_), "new\r\n");
  EXPECT_EQ(entries(), 2u);
}

}  // namespace

namespace {

TEST_F(TextFileWriter, TemporaryIsAHiddenFileNamedAfterItsTarget) {
  std::vector<std::string> whileWriting;
  replaceFileAtomically(old_.string(), [&](std::ostream& out) {
    for (const auto& entry : fs::directory_iterator(folder_))
      whileWriting.push_back(entry.path().filename().string());
    writeLine(out, "new");
  });
  ASSERT_EQ(whileWriting.size(), 2u);
  const std::string temporary = whileWriting[0] == "photo.txt" ? whileWriting[1] : whileWriting[0];
  EXPECT_EQ(temporary.rfind(".photo.txt.tmp-", 0), 0u) << temporary;
  EXPECT_EQ(temporary.size(), std::string(".photo.txt.tmp-").size() + 6) << temporary;
}

TEST_F(TextFileWriter, NextSaveRemovesLeftoverTemporariesButNotOneInUseNorOtherFiles) {
  const auto touch = [this](const std::string& name) {
    std::ofstream(folder_ / name, std::ios::binary) << "half";
  };
  // What killed saves of photo.txt left behind, and files that only look alike.
  touch(".photo.txt.tmp-Ab3xQz");
  touch(".photo.txt.tmp-0000zz");
  touch(".photo.txt.tmp-short");
  touch(".other.txt.tmp-Ab3xQz");
  touch("photo.txt.Ab3xQz");
  // A save of photo.txt still writing, in another program: its temporary is locked.
  touch(".photo.txt.tmp-InUse1");
  const int inUse = ::open((folder_ / ".photo.txt.tmp-InUse1").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(inUse, 0);
  ASSERT_EQ(::flock(inUse, LOCK_EX), 0);

  // A failed save removes nothing of them.
  EXPECT_THROW(
      replaceFileAtomically(old_.string(), [](std::ostream&) { throw suite::UserError("stop"); }),
      suite::UserError);
  EXPECT_EQ(entries(), 7u);

  replaceFileAtomically(old_.string(), [](std::ostream& out) { writeLine(out, "new"); });
  ::close(inUse);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{".other.txt.tmp-Ab3xQz", ".photo.txt.tmp-InUse1",
                                      ".photo.txt.tmp-short", "photo.txt", "photo.txt.Ab3xQz"}));
  EXPECT_EQ(readBytes(old_), "new\r\n");
}

}  // namespace
