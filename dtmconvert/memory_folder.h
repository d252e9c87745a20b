#pragma once

#include <string>
#include <vector>

namespace dtmconvert {

/// A folder of GDAL's in-memory file system that an output is made in before it is copied to
/// its place through the suite's atomic writer, so that a failed or stopped output leaves the
/// files on disk as they were. Removed with its files when it goes.
class MemoryFolder {
 public:
  MemoryFolder();
  ~MemoryFolder();
  MemoryFolder(const MemoryFolder&) = delete;
  MemoryFolder& operator=(const MemoryFolder&) = delete;

  /// The in-memory path of the file `name` in the folder.
  std::string path(const std::string& name) const { return folder_ + "/" + name; }

  /// Replaces, together, the file of each name the folder holds in `targetFolder` (a path
  /// ending in "/", or "" for the working folder) by the folder's file: a shapefile's .shp,
  /// .shx, .dbf and .prj go together. Returns the paths written. Throws suite::UserError as the
  /// suite's atomic writer does.
  std::vector<std::string> publish(const std::string& targetFolder) const;

 private:
  std::string folder_;
};

/// The folder part of `path` with its final "/" ("a/b.tif" → "a/", "b.tif" → ""), and the name.
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

}  // namespace dtmconvert
