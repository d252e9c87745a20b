#include "dtmconvert/sidecar.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "text/user_error.h"

namespace dtmconvert {

std::string sidecarPath(const std::string& gridPath) {
  const std::size_t slash = gridPath.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = gridPath.find_last_of('.');
  if (dot == std::string::npos || dot <= nameStart) return gridPath + ".prj";
  return gridPath.substr(0, dot) + ".prj";
}

std::optional<std::string> readSidecar(const std::string& gridPath) {
  const std::string path = sidecarPath(gridPath);
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!S_ISREG(status.st_mode) || !in) {
    throw suite::UserError("Το αρχείο συστήματος συντεταγμένων «" + path + "» δεν διαβάζεται.");
  }
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    throw suite::UserError("Το αρχείο συστήματος συντεταγμένων «" + path + "» δεν διαβάζεται.");
  }
  return text;
}

}  // namespace dtmconvert
