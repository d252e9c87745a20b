#include "text/same_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/dtm/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using suite::namesSameFile;
using suite::dtm_testing::ScratchFolder;

TEST(SameFile, AnExistingFileIsItselfUnderEveryNameThatLeadsToIt) {
  ScratchFolder folder;
  const std::string grid = folder.write("grid.dtm", "3,3,0,0,1,1\n");
  const fs::path base(folder.path());
  fs::create_directory(base / "sub");
  fs::create_symlink(grid, base / "link.dtm");
  fs::create_hard_link(grid, base / "hard.dtm");

  EXPECT_TRUE(namesSameFile(grid, grid));
  EXPECT_TRUE(namesSameFile(grid, (base / "sub" / ".." / "grid.dtm").string()));
  EXPECT_TRUE(namesSameFile((base / "link.dtm").string(), grid));
  EXPECT_TRUE(namesSameFile(grid, (base / "hard.dtm").string()));
  EXPECT_FALSE(namesSameFile(grid, folder.write("other.dtm", "3,3,0,0,1,1\n")));
}

TEST(SameFile, NamesOfFilesStillToBeWrittenAreComparedAsAbsolutePaths) {
  ScratchFolder folder;
  const fs::path base(folder.path());
  fs::create_directory(base / "sub");
  const std::string photo = (base / "photo.txt").string();
  EXPECT_TRUE(namesSameFile(photo, (base / "sub" / ".." / "photo.txt").string()));
  EXPECT_FALSE(namesSameFile(photo, (base / "stereo.dtm").string()));
  // One name exists and the other does not: never the same file.
  EXPECT_FALSE(namesSameFile(folder.write("grid.dtm", "1"), photo));
  EXPECT_FALSE(namesSameFile(photo, (base / "grid.dtm").string()));
}

}  // namespace
