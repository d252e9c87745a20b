#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace suite::testing {

inline std::string stereoData(const std::string& name) {
  return std::string(SUITE_TEST_DATA) + "/stereo/" + name;
}

inline std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Compares written bytes with a golden file; on a difference shows both from the line where
/// they part.
inline ::testing::AssertionResult matchesGolden(const std::string& written,
                                                const std::string& name) {
  const std::string golden = fileBytes(stereoData(name));
  if (!golden.empty() && written == golden) return ::testing::AssertionSuccess();
  std::size_t at = 0;
  while (at < written.size() && at < golden.size() && written[at] == golden[at]) ++at;
  const std::size_t line = at == 0 ? 0 : golden.rfind('\n', at - 1) + 1;  // npos + 1 == 0
  return ::testing::AssertionFailure()
         << name << " differs at byte " << at
         << "\n  written: " << ::testing::PrintToString(written.substr(line, 80)) << "\n  golden:  "
         << ::testing::PrintToString(golden.substr(std::min(line, golden.size()), 80));
}

}  // namespace suite::testing
