// The DTM grid reader over whole files, read through the usual buffer and through a tiny one
// (4 to 35 bytes, picked by the last input byte), so that every token and line end crosses a
// buffer edge somewhere. Both readings must agree: the same header and heights, or the same refusal —
// but for a token longer than the tiny buffer, which only it refuses. Every refusal is a
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

bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

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

bool refusesTooLongToken(const Reading& reading) {
  return reading.refusal.find("χαρακτήρες και δεν διαβάζεται ως αριθμός") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The whole input is the file; its last byte picks the tiny buffer, so that a seed is a file
  // as it is.
  if (size == 0) return 0;
  const std::size_t tinyBuffer = 4 + data[size - 1] % 32;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Reading usual = readWhole(bytes, suite::NumberScanner::kDefaultBufferBytes);
  const Reading tiny = readWhole(bytes, tinyBuffer);

  if (tiny.complete) {
    check(usual.complete, "what a tiny buffer reads, the usual one reads too");
  }
  if (usual.complete && tiny.complete) {
    const suite::GridHeader& a = usual.header;
    const suite::GridHeader& b = tiny.header;
    check(a.rows == b.rows && a.columns == b.columns && sameBits(a.xNorthWest, b.xNorthWest) &&
              sameBits(a.yNorthWest, b.yNorthWest) && sameBits(a.spacingX, b.spacingX) &&
              sameBits(a.spacingY, b.spacingY),
          "both buffers read the same header");
    check(usual.heights.size() == tiny.heights.size(), "both buffers read as many heights");
    for (std::size_t k = 0; k < usual.heights.size(); ++k)
      check(sameBits(usual.heights[k], tiny.heights[k]), "both buffers read the same heights");
  } else if (!refusesTooLongToken(tiny)) {
    check(!usual.complete, "a tiny buffer refuses only tokens longer than itself", tiny.refusal);
    check(usual.refusal == tiny.refusal, "both buffers refuse alike",
          usual.refusal + "\n" + tiny.refusal);
  }
  return 0;
}
