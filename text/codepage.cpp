#include "text/codepage.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "text/user_error.h"

namespace suite {
namespace {

/// Unicode code points of the bytes 0x80 to 0xFF of Windows-1253; 0 where the code page
/// defines no character. Bytes below 0x80 are ASCII.
// clang-format off
constexpr std::array<std::uint16_t, 128> kHighHalf = {
    // 0x80
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0, 0x2030, 0, 0x2039, 0, 0, 0, 0,
    // 0x90
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0, 0x2122, 0, 0x203A, 0, 0, 0, 0,
    // 0xA0
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
    // 0xB0
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,
    // 0xC0
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,
    // 0xD0
    0x03A0, 0x03A1, 0, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,
    // 0xE0
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,
    // 0xF0
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,
};
// clang-format on

/// The byte for a code point, or -1 when the code page has none. Greek letters, the bulk of
/// every non-ASCII text, are looked up directly; the few other characters by a search.
int byteFor(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  constexpr char32_t kGreekFirst = 0x0380;
  constexpr char32_t kGreekEnd = 0x03D0;
  static const auto greek = [] {
    std::array<std::uint8_t, kGreekEnd - kGreekFirst> bytes{};
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
      if (kHighHalf[i] >= kGreekFirst && kHighHalf[i] < kGreekEnd) {
        bytes[kHighHalf[i] - kGreekFirst] = static_cast<std::uint8_t>(0x80 + i);
      }
    }
    return bytes;
  }();
  if (codePoint >= kGreekFirst && codePoint < kGreekEnd) {
    const int byte = greek[codePoint - kGreekFirst];
    return byte != 0 ? byte : -1;
  }
  for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
    if (kHighHalf[i] != 0 && kHighHalf[i] == codePoint) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string hex(unsigned value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*X", width, value);
  return buffer;
}

/// Texts longer than this are not quoted in a message.
constexpr std::size_t kQuotedLength = 100;

bool tryDecode(std::string_view utf8, std::size_t& pos, char32_t& codePoint);

[[noreturn]] void throwMalformed(std::string_view utf8, std::size_t position) {
  const auto byte = static_cast<unsigned char>(utf8[position]);
  // The part before the fault is valid UTF-8 and shows the user where the text goes wrong.
  const std::string quoted = position <= kQuotedLength
                                 ? " μετά το «" + quotable(utf8.substr(0, position)) + "»"
                                 : std::string();
  throw UserError("Το κείμενο προς εγγραφή δεν είναι έγκυρο UTF-8 (byte 0x" + hex(byte, 2) +
                  " στη θέση " + std::to_string(position + 1) + quoted +
                  ") και δεν μπορεί να γραφτεί.");
}

/// Decodes the code point at `pos` and advances past it. Returns false for a malformed,
/// overlong or surrogate sequence, with `pos` left at its first byte.
bool tryDecode(std::string_view utf8, std::size_t& pos, char32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(utf8[pos]);
  int extra;
  char32_t minimum;
  if (lead < 0x80) {
    ++pos;
    codePoint = lead;
    return true;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, codePoint = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, codePoint = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, codePoint = lead & 0x07, minimum = 0x10000;
  } else {
    return false;
  }
  std::size_t next = pos + 1;
  for (int i = 0; i < extra; ++i, ++next) {
    if (next >= utf8.size() || (static_cast<unsigned char>(utf8[next]) & 0xC0) != 0x80) {
      return false;
    }
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[next]) & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return false;
  }
  pos = next;
  return true;
}

/// The same for text that must be valid: a malformed sequence throws.
char32_t decode(std::string_view utf8, std::size_t& pos) {
  char32_t codePoint;
  if (!tryDecode(utf8, pos, codePoint)) throwMalformed(utf8, pos);
  return codePoint;
}

const char kLacking[] = "δεν υπάρχει στην ελληνική κωδικοσελίδα Windows-1253";

}  // namespace

std::string quotable(std::string_view text) {
  std::string shown;
  std::size_t pos = 0;
  char32_t codePoint;
  while (pos < text.size()) {
    const std::size_t start = pos;
    if (!tryDecode(text, pos, codePoint)) {
      shown += '?';
      pos = start + 1;
    } else if (codePoint < 0x20 || codePoint == 0x7F) {
      shown += '?';
    } else {
      shown.append(text, start, pos - start);
    }
  }
  return shown;
}

std::string toWindows1253(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const char32_t codePoint = decode(utf8, pos);
    const int byte = byteFor(codePoint);
    if (byte < 0) {
      const std::string quoted =
          utf8.size() <= kQuotedLength ? " του κειμένου «" + quotable(utf8) + "»" : std::string();
      throw UserError("Ο χαρακτήρας «" + std::string(utf8.substr(start, pos - start)) + "» (U+" +
                      hex(static_cast<unsigned>(codePoint), 4) + ")" + quoted + " " + kLacking +
                      " και δεν μπορεί να γραφτεί.");
    }
    bytes += static_cast<char>(byte);
  }
  return bytes;
}

std::string fromWindows1253(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      const char32_t codePoint = kHighHalf[byte - 0x80];
      appendUtf8(utf8, codePoint != 0 ? codePoint : 0xFFFD);
    }
  }
  return utf8;
}

FileText decodeFileText(std::string_view bytes) {
  FileText text;
  bool beyondAscii = false;
  std::size_t pos = 0;
  char32_t codePoint;
  while (pos < bytes.size() && tryDecode(bytes, pos, codePoint)) beyondAscii |= codePoint >= 0x80;

  if (pos == bytes.size() && beyondAscii) {
    text.utf8 = std::string(bytes);
    for (pos = 0; pos < bytes.size();) {
      const std::size_t start = pos;
      tryDecode(bytes, pos, codePoint);
      if (byteFor(codePoint) < 0) {
        text.unwritable = "τον χαρακτήρα «" + std::string(bytes.substr(start, pos - start)) +
                          "» (U+" + hex(static_cast<unsigned>(codePoint), 4) + "), που " + kLacking;
        break;
      }
    }
    return text;
  }

  text.utf8 = fromWindows1253(bytes);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte >= 0x80 && kHighHalf[byte - 0x80] == 0) {
      text.unwritable = "το byte 0x" + hex(byte, 2) + " στη θέση " + std::to_string(i + 1) +
                        ", που δεν είναι χαρακτήρας ούτε του UTF-8 ούτε της ελληνικής "
                        "κωδικοσελίδας Windows-1253";
      break;
    }
  }
  return text;
}

}  // namespace suite
