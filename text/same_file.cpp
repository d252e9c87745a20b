#include "text/same_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace suite {

bool namesSameFile(const std::string& a, const std::string& b) {
  struct stat infoA {};
  struct stat infoB {};
  if (::stat(a.c_str(), &infoA) == 0 && ::stat(b.c_str(), &infoB) == 0) {
    return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
  }
  std::error_code error;
  const auto canonicalA = std::filesystem::weakly_canonical(a, error);
  if (error) return a == b;
  const auto canonicalB = std::filesystem::weakly_canonical(b, error);
  if (error) return a == b;
  return canonicalA == canonicalB;
}

}  // namespace suite
