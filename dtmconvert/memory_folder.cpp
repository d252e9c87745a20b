#include "dtmconvert/memory_folder.h"

#include <cpl_string.h>
#include <cpl_vsi.h>

#include <algorithm>
#include <atomic>

#include "dtmconvert/gdal_support.h"
#include "text/text_file_writer.h"
#include "text/user_error.h"

namespace dtmconvert {

MemoryFolder::MemoryFolder() {
  ensureGdal();
  static std::atomic<unsigned> next{0};
  folder_ = "/vsimem/dtmconvert-" + std::to_string(next++);
  VSIMkdir(folder_.c_str(), 0755);
}

MemoryFolder::~MemoryFolder() {
  VSIRmdirRecursive(folder_.c_str());
}

std::vector<std::string> MemoryFolder::publish(const std::string& targetFolder) const {
  char** names = VSIReadDir(folder_.c_str());
  std::vector<std::string> files;
  for (char** name = names; name != nullptr && *name != nullptr; ++name) files.emplace_back(*name);
  CSLDestroy(names);
  std::sort(files.begin(), files.end());

  std::vector<suite::FileContent> contents;
  std::vector<std::string> written;
  for (const std::string& name : files) {
    const std::string memoryPath = path(name);
    contents.push_back(
        {targetFolder + name, [memoryPath](std::ostream& out) {
           vsi_l_offset length = 0;
           GByte* bytes = VSIGetMemFileBuffer(memoryPath.c_str(), &length, FALSE);
           if (bytes == nullptr && length > 0) {
             throw suite::UserError("Το αρχείο «" + memoryPath + "» χάθηκε από τη μνήμη.");
           }
           out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(length));
         }});
    written.push_back(targetFolder + name);
  }
  suite::replaceFilesTogether(contents);
  return written;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace dtmconvert
