#pragma once

// What the targets share about the files the suite writes: the print and mask forms a stereo
// DTM file keeps its numbers in; a scratch folder on a memory file system, filled before every
// run with old files to write over; and the checks that after a run every output is either the
// old file untouched or a complete new one, with nothing else left in the folder.

#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "stereo/exterior_orientation.h"
#include "stereo/ground_point.h"
#include "text/codepage.h"
#include "text/number_format.h"

namespace fuzzing {

/// Whether two numbers read back alike in the print form a stereo DTM file writes them in.
inline bool samePrintForm(double a, double b) {
  return suite::printForm(a) == suite::printForm(b);
}

/// Whether two orientations read back alike in the masks a stereo DTM file writes them through.
inline bool sameOrientation(const suite::ExteriorOrientation& a,
                            const suite::ExteriorOrientation& b) {
  const auto same = [](double x, double y, const char* mask) {
    return suite::formatMask(x, mask) == suite::formatMask(y, mask);
  };
  return same(a.x, b.x, "########.000") && same(a.y, b.y, "########.000") &&
         same(a.z, b.z, "######.000") && same(a.omegaDegrees, b.omegaDegrees, "####.000") &&
         same(a.phiDegrees, b.phiDegrees, "####.000") &&
         same(a.kappaDegrees, b.kappaDegrees, "####.000");
}

/// The bytes a file holds before a run: none of the suite's writers begins a file so.
inline constexpr std::string_view kOldFileBytes = "old file, to stay as it was\r\n";

/// A folder for a target's outputs, made once per process in /dev/shm when that can be written
/// (a memory file system: a run's sync costs nothing), else in the temporary folder; emptied
/// before every run and removed at exit.
class OutputFolder {
 public:
  OutputFolder() {
    const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/suite-fuzz-XXXXXX";
    check(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    path_ = pattern;
  }
  ~OutputFolder() {
    for (const std::string& name : entries()) std::remove(pathOf(name).c_str());
    ::rmdir(path_.c_str());
  }
  OutputFolder(const OutputFolder&) = delete;
  OutputFolder& operator=(const OutputFolder&) = delete;

  std::string pathOf(const std::string& name) const { return path_ + "/" + name; }

  /// Empties the folder, then writes kOldFileBytes to each of `names`.
  void prepare(const std::vector<std::string>& names) const {
    for (const std::string& name : entries()) std::remove(pathOf(name).c_str());
    for (const std::string& name : names) {
      std::ofstream(pathOf(name), std::ios::binary) << kOldFileBytes;
    }
  }

  /// The names in the folder, hidden ones included.
  std::set<std::string> entries() const {
    std::set<std::string> names;
    if (DIR* folder = ::opendir(path_.c_str())) {
      while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.insert(name);
      }
      ::closedir(folder);
    }
    return names;
  }

  std::string read(const std::string& name) const {
    std::ifstream in(pathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  /// Checks that the folder holds exactly `names`: no temporary is left, whatever the run did.
  void checkHoldsOnly(const std::vector<std::string>& names) const {
    const std::set<std::string> wanted(names.begin(), names.end());
    std::string listed;
    for (const std::string& name : entries()) listed += name + "\n";
    check(entries() == wanted, "a run leaves no file but its outputs", listed);
  }

  /// Checks that each of `names` still holds its old bytes.
  void checkUntouched(const std::vector<std::string>& names) const {
    for (const std::string& name : names) {
      check(read(name) == kOldFileBytes, "a refused run leaves every existing file as it was",
            name);
    }
  }

 private:
  std::string path_;
};

/// The file's records, each a line that must end with CR LF, the last one too. A line that
/// begins with two blanks continues the record before it: a value that runs past the column of
/// the next one pushes that one onto a line of its own, indented to its column.
inline std::vector<std::string> crLfRecords(std::string_view bytes) {
  std::vector<std::string> records;
  check(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n",
        "a written file ends with its last line's CR LF");
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    const std::string_view line = bytes.substr(start, end - start);
    if (!records.empty() && line.substr(0, 2) == "  ") {
      records.back().append("\n").append(line);
    } else {
      records.emplace_back(line);
    }
    start = end + 2;
  }
  return records;
}

/// What a complete photo simulation file of a run holds, to compare a written one with.
struct ExpectedPhotoSimulation {
  std::string titleUtf8;
  bool countCaption = true;  ///< "Αριθμός σημείων = " before the count
  const std::vector<suite::GroundPoint>* points = nullptr;
};

/// Reads back a photo simulation file: its title, its count, a control point record for every
/// point holding its X, Y and Z through their mask, then both photo blocks, each its header
/// line, no or eight fiducial records, a record for every point numbered 1 to n, and its closing
/// line; nothing after the second block. A file cut anywhere fails one of these.
inline void checkPhotoSimulationFile(std::string_view bytes, const ExpectedPhotoSimulation& run) {
  const std::vector<std::string> records = crLfRecords(bytes);
  const std::vector<suite::GroundPoint>& points = *run.points;
  const std::size_t n = points.size();
  const std::string count = suite::printForm(static_cast<double>(n));
  std::size_t at = 0;
  const auto record = [&](const char* rule) {
    check(at < records.size(), rule, bytes.substr(bytes.size() > 200 ? bytes.size() - 200 : 0));
    return std::string_view(records[at++]);
  };
  check(record("a photo simulation file has its title") == suite::toWindows1253(run.titleUtf8),
        "the photo simulation file's title");
  for (std::size_t k = 1; k < records.size(); ++k) {
    check(
        records[k].find("NaN") == std::string::npos && records[k].find("Inf") == std::string::npos,
        "every number of a photo simulation file is a number", records[k]);
  }
  check(record("a photo simulation file has its count") ==
            suite::toWindows1253(run.countCaption ? "Αριθμός σημείων = " + count : count),
        "the photo simulation file's count is the run's");
  check(record("a photo simulation file has its control points") ==
            suite::toWindows1253(" Φωτοσταθερά"),
        "the control points' heading");
  for (const suite::GroundPoint& point : points) {
    const std::string_view controlPoint = record("a control point line for every point");
    std::size_t from = 0;
    for (const double value : {point.x, point.y, point.z}) {
      from = controlPoint.find(suite::formatMask(value, "########.000"), from);
      check(from != std::string_view::npos, "a control point line holds the point's X, Y and Z",
            controlPoint);
    }
  }
  check(record("the control points end") == " 0, 0, 0, 0", "the control points' closing line");
  for (const std::string_view photo : {"111,", "222,"}) {
    check(record("a photo block").substr(0, 4) == photo, "a photo block's header line");
    std::size_t end = at;
    while (end < records.size() && records[end] != " 0, 0, 0") ++end;
    check(end < records.size(), "a photo block has its closing line");
    const std::size_t fiducials = end - at - n;
    check(end - at >= n && (fiducials == 0 || fiducials == 8),
          "a photo block has no or eight fiducial records, and a line for every point", bytes);
    at += fiducials;
    for (std::size_t q = 1; q <= n; ++q) {
      const std::string number = suite::printForm(static_cast<double>(q));
      check(record("a point line").substr(0, number.size()) == number,
            "the points of a photo block are numbered 1 to n");
    }
    ++at;  // its closing line
  }
  check(at == records.size(), "nothing follows the second photo block");
}

}  // namespace fuzzing
