// The DTM grid reader over whole files, read through the usual buffer and through a tiny one
// (4 to 35 bytes, picked by the last input byte), so that every token and line end crosses a
// buffer edge somewhere. Both readings must agree: the same header and heights, or the same refusal
// — but for a token longer than the tiny buffer, which only it refuses. Every refusal is a
// UserError with a Greek message; the reader never yields more heights than
// heightsLeftAtMost() promised.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dtm/grid_reader.h"
#include "dtm/number_scanner.h"
#include "fuzz/fuzz_checks.h"
#include "text/user_error.h"

namespace {

using fuzzing::check;

struct Reading {
  bool complete = false;
  suite::GridHeader header;
  std::vector<double> heights;
  std::string refusal;
};

Reading readWhole(std::string_view bytes, std::size_t bufferBytes) {
  Reading reading;
  try {
    suite::GridReader reader(std::make_unique<suite::NumberScanner>(
        suite::NumberScanner::InMemory{"πλέγμα.dtm", bytes}, bufferBytes));
    reading.header = reader.header();
    const suite::GridHeader& h = reading.header;
    check(h.rows >= 1 && h.columns >= 1 && h.nodeCount() <= 2147483647,
          "a header read has rows and columns from 1 and a node count within 32 bits");
    check(h.spacingX > 0 && h.spacingY > 0, "a header read has positive spacings");
    const std::int64_t atMost = reader.heightsLeftAtMost();
    check(atMost >= 0 && atMost <= h.nodeCount(), "heightsLeftAtMost lies between 0 and the nodes");
    suite::GridHeight height;
    while (reader.next(height)) {
      const auto k = static_cast<std::int64_t>(reading.heights.size());
      check(height.row == k / h.columns + 1 && height.column == k % h.columns + 1,
            "heights come row after row, west to east");
      reading.heights.push_back(height.z);
      check(static_cast<std::int64_t>(reading.heights.size()) <= atMost,
            "no more heights than heightsLeftAtMost promised");
    }
    check(static_cast<std::int64_t>(reading.heights.size()) == h.nodeCount(),
          "a complete reading has every node's height");
    check(reader.heightsLeftAtMost() == 0, "nothing is left after the last height");
    reading.complete = true;
  } catch (const suite::UserError& error) {
    reading.refusal = error.what();
    fuzzing::checkRefusal(reading.refusal);
  }
  return reading;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Reading usual = readWhole(bytes, suite::NumberScanner::kDefaultBufferBytes);
  const Reading tiny = readWhole(bytes, fuzzing::tinyBufferFor(data, size));
  fuzzing::checkBuffersAgree(usual, tiny, [](const Reading& a, const Reading& b) {
    using fuzzing::sameBits;
    check(a.header.rows == b.header.rows && a.header.columns == b.header.columns &&
              sameBits(a.header.xNorthWest, b.header.xNorthWest) &&
              sameBits(a.header.yNorthWest, b.header.yNorthWest) &&
              sameBits(a.header.spacingX, b.header.spacingX) &&
              sameBits(a.header.spacingY, b.header.spacingY),
          "both buffers read the same header");
    check(a.heights.size() == b.heights.size(), "both buffers read as many heights");
    for (std::size_t k = 0; k < a.heights.size(); ++k)
      check(sameBits(a.heights[k], b.heights[k]), "both buffers read the same heights");
  });
  return 0;
}
