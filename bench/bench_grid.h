#pragma once

// What the benchmarks share: a generated DTM grid file and the process's peak memory.

#include <sys/resource.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace bench {

/// Writes a DTM grid file of rows × columns heights, one grid row per line, each height with two
/// decimals and ", " between them; `header` follows the row and column counts (X_NW, Y_NW, a,
/// b). `height(i, j, random)` gives node (i, j) (0-based) from the next value of a fixed
/// linear congruential sequence, so every run writes the same file.
template <typename Height>
void writeGrid(const std::filesystem::path& path, int rows, int columns, const char* header,
               Height height) {
  std::ofstream out(path, std::ios::binary);
  out << rows << ',' << columns << ',' << header << '\n';
  std::uint64_t state = 12345;
  std::string line;
  char number[32];
  for (int i = 0; i < rows; ++i) {
    line.clear();
    for (int j = 0; j < columns; ++j) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      const auto r = std::to_chars(number, number + sizeof number, height(i, j, state >> 33),
                                   std::chars_format::fixed, 2);
      line.append(number, r.ptr);
      if (j + 1 < columns) line += ", ";
    }
    line += '\n';
    out << line;
  }
}

/// The process's peak resident memory so far, in MiB.
inline double peakResidentMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

}  // namespace bench
