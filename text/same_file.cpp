#include "text/same_file.h"

#include <filesystem>
#include <system_error>

namespace suite {

bool namesSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  const bool same = std::filesystem::equivalent(a, b, error);
  if (!error) return same;
  // Neither exists yet (or neither can be looked at): the names lead to one file when they
  // spell the same absolute path.
  const auto canonicalA = std::filesystem::weakly_canonical(a, error);
  if (error) return a == b;
  const auto canonicalB = std::filesystem::weakly_canonical(b, error);
  if (error) return a == b;
  return canonicalA == canonicalB;
}

}  // namespace suite
