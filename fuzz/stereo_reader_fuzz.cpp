// The stereo DTM reader over whole files, through the usual buffer and a tiny one (4 to 35 bytes,
// picked by the last input byte), which must agree as in the grid reader's target. What it reads,
// written again as flightsim writes a stereo DTM file, must read back: the same counts, every
// number the same in the form it was written (fifteen digits, or three decimals for the
// orientations). Every refusal is a UserError with a Greek message.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dtm/number_scanner.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/written_files.h"
#include "stereo/stereo_dtm_file.h"
#include "text/codepage.h"
#include "text/number_format.h"
#include "text/user_error.h"

namespace {

using fuzzing::check;
using fuzzing::sameOrientation;
using fuzzing::samePrintForm;

struct Reading {
  bool complete = false;
  std::string title;
  suite::StereoModel model;
  std::string refusal;
};

Reading readWhole(std::string_view bytes, std::size_t bufferBytes) {
  Reading reading;
  try {
    suite::StereoDtmReader reader(std::make_unique<suite::NumberScanner>(
        suite::NumberScanner::InMemory{"στέρεο.dtm", bytes}, bufferBytes));
    reading.title = reader.title();
    check(fuzzing::isWellFormedUtf8(reading.title), "the title reads as well-formed UTF-8",
          reading.title);
    check(reader.titleUnwritable().empty() || fuzzing::isWellFormedUtf8(reader.titleUnwritable()),
          "the unwritable character is named in well-formed UTF-8");
    if (reader.titleUnwritable().empty()) {
      try {
        suite::toWindows1253(reading.title);
      } catch (const suite::UserError& error) {
        fuzzing::broken("a title said to be writable is written", error.what());
      }
    }
    reading.model.header = reader.header();
    reading.model.left = reader.left();
    reading.model.right = reader.right();
    const std::int64_t atMost = reader.heightsLeftAtMost();
    suite::GridHeight height;
    while (reader.next(height)) {
      reading.model.heights.push_back(height.z);
      check(static_cast<std::int64_t>(reading.model.heights.size()) <= atMost,
            "no more heights than heightsLeftAtMost promised");
    }
    check(
        static_cast<std::int64_t>(reading.model.heights.size()) == reading.model.header.nodeCount(),
        "a complete reading has every node's height");
    reading.complete = true;
  } catch (const suite::UserError& error) {
    reading.refusal = error.what();
    fuzzing::checkRefusal(reading.refusal);
  }
  return reading;
}

// Writes what was read as a stereo DTM file and reads it back.
void checkRoundTrip(const Reading& reading) {
  std::ostringstream out;
  suite::writeStereoDtmFile(out, reading.model);
  const std::string written = out.str();
  const Reading again = readWhole(written, suite::NumberScanner::kDefaultBufferBytes);
  check(again.complete, "a stereo DTM file the suite writes reads back", again.refusal);
  check(again.title == "Στέρεο ζεύγος ΨΜΕ", "the written title reads back");
  const suite::GridHeader& a = reading.model.header;
  const suite::GridHeader& b = again.model.header;
  check(a.rows == b.rows && a.columns == b.columns, "rows and columns read back");
  check(samePrintForm(a.xNorthWest, b.xNorthWest) && samePrintForm(a.yNorthWest, b.yNorthWest) &&
            samePrintForm(a.spacingX, b.spacingX) && samePrintForm(a.spacingY, b.spacingY),
        "the header reads back in its print form");
  check(sameOrientation(reading.model.left, again.model.left) &&
            sameOrientation(reading.model.right, again.model.right),
        "the orientations read back in their masks");
  for (std::size_t k = 0; k < reading.model.heights.size(); ++k) {
    check(samePrintForm(reading.model.heights[k], again.model.heights[k]),
          "every height reads back in its print form", suite::printForm(reading.model.heights[k]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Reading usual = readWhole(bytes, suite::NumberScanner::kDefaultBufferBytes);
  const Reading tiny = readWhole(bytes, fuzzing::tinyBufferFor(data, size));
  fuzzing::checkBuffersAgree(usual, tiny, [](const Reading& a, const Reading& b) {
    check(a.title == b.title, "both buffers read the same title");
    check(a.model.heights.size() == b.model.heights.size(), "both buffers read as many heights");
    for (std::size_t k = 0; k < a.model.heights.size(); ++k) {
      check(fuzzing::sameBits(a.model.heights[k], b.model.heights[k]),
            "both buffers read the same heights");
    }
  });
  if (usual.complete) checkRoundTrip(usual);
  return 0;
}
