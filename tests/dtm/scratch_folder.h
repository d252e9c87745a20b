#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "dtm/grid_header.h"

namespace suite::dtm_testing {

/// A fresh temporary folder for the files of one test, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dtm_test_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  /// Writes `bytes` exactly as given to the file `name` in the folder; returns its path.
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return file(name);
  }
  /// The path of the file `name` in the folder, whether it exists or not.
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

/// The header's six values, for comparing headers in one expectation.
inline auto fieldsOf(const GridHeader& h) {
  return std::make_tuple(h.rows, h.columns, h.xNorthWest, h.yNorthWest, h.spacingX, h.spacingY);
}

}  // namespace suite::dtm_testing
