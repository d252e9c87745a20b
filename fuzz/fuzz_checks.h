#pragma once

// What every fuzz target checks besides the sanitizers: a refusal is a UserError whose message
// is non-empty, well-formed UTF-8 with a Greek word in it; every coordinate handed to a canvas
// is finite. A broken rule aborts with the offending text, which libFuzzer reports as a crash
// and saves the input for.

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "canvas/recording_canvas.h"

namespace fuzzing {

[[noreturn]] inline void broken(const char* rule, std::string_view detail = {}) {
  std::fprintf(stderr, "\nBROKEN RULE: %s\n%.*s\n", rule, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

inline void check(bool holds, const char* rule, std::string_view detail = {}) {
  if (!holds) broken(rule, detail);
}

/// Whether `text` is well-formed UTF-8: no stray or missing continuation bytes, no overlong
/// forms, no surrogates, nothing beyond U+10FFFF.
inline bool isWellFormedUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length;
    char32_t code;
    char32_t smallest;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if ((c >> 5) == 0x6) {
      length = 2, code = c & 0x1F, smallest = 0x80;
    } else if ((c >> 4) == 0xE) {
      length = 3, code = c & 0x0F, smallest = 0x800;
    } else if ((c >> 3) == 0x1E) {
      length = 4, code = c & 0x07, smallest = 0x10000;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

/// Whether `text` (well-formed UTF-8) holds a letter of the Greek block, U+0370 to U+03FF.
inline bool hasGreekLetter(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead == 0xCD || lead == 0xCE || lead == 0xCF) return true;
  }
  return false;
}

/// The rules every message of a refusal keeps.
inline void checkRefusal(std::string_view message) {
  check(!message.empty(), "a refusal has a message");
  check(isWellFormedUtf8(message), "a refusal's message is well-formed UTF-8", message);
  check(hasGreekLetter(message), "a refusal's message is Greek", message);
  for (const char c : message) {
    check(static_cast<unsigned char>(c) >= 0x20 || c == '\n', "no control bytes in a message",
          message);
  }
}

/// Every operation recorded on `canvas` has finite coordinates, and its texts are well-formed
/// UTF-8.
inline void checkCanvas(const suite::RecordingCanvas& canvas) {
  for (const suite::RecordingCanvas::Op& op : canvas.ops()) {
    check(std::isfinite(op.x) && std::isfinite(op.y) && std::isfinite(op.fromX) &&
              std::isfinite(op.fromY),
          "every coordinate handed to a canvas is finite");
    check(isWellFormedUtf8(op.text), "a text on a canvas is well-formed UTF-8", op.text);
  }
}

/// Whether two doubles have the same bits (so -0 differs from 0, and NaN equals itself).
inline bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

/// The tiny read buffer a whole-file input is read through besides the usual one: 4 to 35 bytes,
/// picked by the input's last byte, so that a seed is a file as it is.
inline std::size_t tinyBufferFor(const std::uint8_t* data, std::size_t size) {
  return 4 + (size == 0 ? 0 : data[size - 1] % 32);
}

/// Checks that reading a file through the usual buffer and through a tiny one agreed: what the
/// tiny buffer reads the usual one reads too, and the same (`same(usual, tiny)` when both are
/// complete); otherwise both refuse alike, but for a token longer than the tiny buffer, which
/// only it refuses. `Reading` has `bool complete` and `std::string refusal`.
template <typename Reading, typename Same>
void checkBuffersAgree(const Reading& usual, const Reading& tiny, Same&& same) {
  if (tiny.complete) check(usual.complete, "what a tiny buffer reads, the usual one reads too");
  if (usual.complete && tiny.complete) {
    same(usual, tiny);
    return;
  }
  const bool tooLongForTiny =
      tiny.refusal.find("χαρακτήρες και δεν διαβάζεται ως αριθμός") != std::string::npos;
  if (tooLongForTiny) return;
  check(!usual.complete, "a tiny buffer refuses only tokens longer than itself", tiny.refusal);
  check(usual.refusal == tiny.refusal, "both buffers refuse alike",
        usual.refusal + "\n" + tiny.refusal);
}

/// Parameters at the front of an input, read as fixed-size little-endian fields (missing bytes
/// read as 0) and as lines of text, followed by the rest of the input: a seed is a parameter
/// block written by hand followed by an unchanged file.
class FrontFields {
 public:
  FrontFields(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  template <typename T>
  T take() {
    unsigned char bytes[sizeof(T)] = {};
    for (std::size_t k = 0; k < sizeof(T) && used_ < size_; ++k) bytes[k] = data_[used_++];
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }
  /// The bytes up to the next line end ("\n", which is taken too, but not kept), or all that
  /// is left: a text as typed into a box, which holds no line end.
  std::string takeLine() {
    const std::string_view left = rest();
    const std::size_t end = left.find('\n');
    const std::string line(left.substr(0, end));
    used_ += end == std::string_view::npos ? left.size() : end + 1;
    return line;
  }
  std::string_view rest() const {
    return std::string_view(reinterpret_cast<const char*>(data_) + used_, size_ - used_);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t used_ = 0;
};

/// A file held in memory that cores which read by path can open: a memfd, named
/// /proc/self/fd/N, refilled for every input. No disk is touched.
class MemoryFile {
 public:
  MemoryFile() : fd_(::memfd_create("fuzz-input", MFD_CLOEXEC)) {
    check(fd_ >= 0, "a memfd can be created");
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  /// Makes the file hold exactly `bytes`; returns its path.
  const std::string& hold(std::string_view bytes) {
    check(::ftruncate(fd_, 0) == 0, "the memfd can be emptied");
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t written =
          ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
      check(written > 0, "the memfd takes the input");
      done += static_cast<std::size_t>(written);
    }
    return path_;
  }

  /// What the file holds now.
  std::string bytes() const {
    std::string held;
    char chunk[4096];
    ssize_t got;
    while ((got = ::pread(fd_, chunk, sizeof chunk, static_cast<off_t>(held.size()))) > 0) {
      held.append(chunk, static_cast<std::size_t>(got));
    }
    return held;
  }

 private:
  int fd_;
  std::string path_;
};

}  // namespace fuzzing
