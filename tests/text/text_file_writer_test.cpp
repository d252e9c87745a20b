#include "text/text_file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

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

/// A fresh, empty folder per test, removed afterwards.
class TextFileWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "text_writer_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }
  void writeOld(const fs::path& path) { std::ofstream(path, std::ios::binary) << "old\r\n"; }

  fs::path folder_;
};

TEST_F(TextFileWriter, WritesWindows1253LinesWithCrLfMatchingGolden) {
  const fs::path path = folder_ / "stereo.txt";
  replaceFileAtomically(path.string(), [](std::ostream& out) {
    writeLine(out, "Στέρεο ζεύγος ΨΜΕ");
    for (double v : {22.0, 12.0, 632800.0, 4131600.0, 100.0, 100.0}) {
      writeText(out, suite::printForm(v));
    }
    writeLine(out, "");
    writeLine(out, suite::formatMask(632800, "########.000") + "," +
                       suite::formatMask(4131600, "########.000") + "," +
                       suite::formatMask(1965, "######.000") + "," +
                       suite::formatMask(-0.25, "####.000") + "," +
                       suite::formatMask(0, "####.000") + "," + suite::formatMask(1.18, "####.000"));
    writeText(out, suite::printForm(152.25) + suite::printForm(0.5));
  });
  EXPECT_EQ(readBytes(path), readBytes(fs::path(SUITE_TEST_DATA) / "text" / "stereo_head.txt"));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(TextFileWriter, ExistingFileStaysIntactWhenBodyThrows) {
  const fs::path path = folder_ / "photo.txt";
  writeOld(path);
  EXPECT_THROW(replaceFileAtomically(path.string(),
                                     [](std::ostream& out) {
                                       writeLine(out, "Προσομοίωση στέρεο Α/Φ");
                                       throw std::runtime_error("run failed");
                                     }),
               std::runtime_error);
  EXPECT_EQ(readBytes(path), "old\r\n");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(TextFileWriter, ExistingFileStaysIntactAfterUnencodableCharacter) {
  const fs::path path = folder_ / "photo.txt";
  writeOld(path);
  EXPECT_THROW(replaceFileAtomically(path.string(),
                                     [](std::ostream& out) {
                                       writeLine(out, " Φωτοσταθερά");
                                       writeLine(out, "Ж");
                                     }),
               suite::UserError);
  EXPECT_EQ(readBytes(path), "old\r\n");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(TextFileWriter, ReplacedFileKeepsItsPermissions) {
  const fs::path path = folder_ / "kept.txt";
  writeOld(path);
  ::chmod(path.c_str(), 0640);
  replaceFileAtomically(path.string(), [](std::ostream& out) { writeLine(out, "new"); });
  EXPECT_EQ(readBytes(path), "new\r\n");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  const mode_t mask = ::umask(022);
  const fs::path fresh = folder_ / "fresh.txt";
  replaceFileAtomically(fresh.string(), [](std::ostream& out) { writeText(out, "x"); });
  ::umask(mask);
  ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST_F(TextFileWriter, ReplacingThroughALinkKeepsTheLink) {
  const fs::path real = folder_ / "real.txt";
  const fs::path link = folder_ / "link.txt";
  writeOld(real);
  fs::create_symlink(real, link);
  replaceFileAtomically(link.string(), [](std::ostream& out) { writeText(out, "new"); });
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readBytes(real), "new");
}

TEST_F(TextFileWriter, UnwritablePlacesFailWithTheFileNamed) {
  bool bodyRan = false;
  const auto body = [&bodyRan](std::ostream& out) {
    bodyRan = true;
    writeText(out, "x");
  };
  const fs::path missing = folder_ / "missing" / "out.txt";
  try {
    replaceFileAtomically(missing.string(), body);
    FAIL() << "no error";
  } catch (const suite::UserError& error) {
    EXPECT_NE(std::string(error.what()).find("«" + missing.string() + "»"), std::string::npos)
        << error.what();
  }
  EXPECT_THROW(replaceFileAtomically(folder_.string(), body), suite::UserError);
  EXPECT_THROW(replaceFileAtomically("", body), suite::UserError);
  EXPECT_FALSE(bodyRan);
  EXPECT_EQ(entries(), 0u);
}

TEST_F(TextFileWriter, ReadOnlyFolderFailsAndKeepsTheFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const fs::path path = folder_ / "photo.txt";
  writeOld(path);
  fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_THROW(replaceFileAtomically(path.string(), [](std::ostream& out) { writeText(out, "x"); }),
               suite::UserError);
  EXPECT_EQ(readBytes(path), "old\r\n");
}

TEST(TextWriter, StreamOverloadsWriteCrLfAndCodePageBytes) {
  std::ostringstream out;
  writeLine(out, "Αριθμός σημείων = " + suite::printForm(264));
  writeText(out, " 0, 0, 0");
  EXPECT_EQ(out.str(), "\xC1\xF1\xE9\xE8\xEC\xFC\xF2 \xF3\xE7\xEC\xE5\xDF\xF9\xED =  264 \r\n 0, 0, 0");
}

}  // namespace
