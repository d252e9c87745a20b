#include "dtm/number_scanner.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "dtm/decimal_number.h"
#include "text/user_error.h"

namespace suite {

namespace {

constexpr std::size_t kMinimumBufferBytes = 4;
constexpr std::size_t kMaxTitleBytes = 64 * 1024;
constexpr std::size_t kShownTokenBytes = 40;
constexpr std::size_t kReadAhead = 8;  // parseDecimal() may look 7 bytes past the final NUL

// Separators between values: blank, tab, comma, LF and CR. Every other byte belongs to a token.
struct SeparatorTable {
  bool is[256];
  constexpr SeparatorTable() : is() {
    for (const char c : {' ', '\t', ',', '\n', '\r'}) is[static_cast<unsigned char>(c)] = true;
  }
};
constexpr SeparatorTable kSeparators;

inline bool isSeparator(char c) {
  return kSeparators.is[static_cast<unsigned char>(c)];
}

std::string quoted(const std::string& text) {
  return "«" + text + "»";
}

// A token as it may appear in a message: UTF-8 text as it is, anything else (bytes of another
// code page, control characters) as '?', cut after a few characters.
std::string shownToken(const std::string& raw) {
  std::string shown;
  std::size_t i = 0;
  while (i < raw.size()) {
    if (shown.size() >= kShownTokenBytes) {
      shown += "…";
      break;
    }
    const unsigned char c = static_cast<unsigned char>(raw[i]);
    std::size_t length = c < 0x80           ? 1
                         : (c >> 5) == 0x6  ? 2
                         : (c >> 4) == 0xE  ? 3
                         : (c >> 3) == 0x1E ? 4
                                            : 0;
    bool valid = length != 0 && i + length <= raw.size();
    for (std::size_t k = 1; valid && k < length; ++k)
      valid = (static_cast<unsigned char>(raw[i + k]) & 0xC0) == 0x80;
    if (valid && length == 1 && (c < 0x20 || c == 0x7F)) valid = false;
    if (!valid) {
      shown += '?';
      ++i;
      continue;
    }
    shown.append(raw, i, length);
    i += length;
  }
  return shown;
}

std::string openFailureReason(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "Δεν υπάρχει τέτοιο αρχείο.";
    case EACCES:
    case EPERM:
      return "Δεν επιτρέπεται η ανάγνωσή του.";
    case EISDIR:
      return "Είναι φάκελος, όχι αρχείο.";
    default:
      return std::string("Σφάλμα του συστήματος: ") + std::strerror(error) + ".";
  }
}

std::string describedAs(std::string_view what) {
  if (what.empty()) return "";
  return " (" + std::string(what) + ")";
}

}  // namespace

NumberScanner::NumberScanner(const std::string& path) : NumberScanner(path, kDefaultBufferBytes) {}

NumberScanner::NumberScanner(const std::string& path, std::size_t bufferBytes) : path_(path) {
  file_ = std::fopen(path.c_str(), "rb");
  int error = file_ ? 0 : errno;
  if (file_) {
    // A folder opens for reading on some systems and fails only at the first read.
    struct stat status {};
    if (fstat(fileno(file_), &status) == 0 && S_ISDIR(status.st_mode)) error = EISDIR;
  }
  if (error != 0) {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    throw UserError("Δεν ήταν δυνατό να ανοιχτεί το αρχείο " + quoted(path_) + ". " +
                    openFailureReason(error));
  }
  capacity_ = bufferBytes < kMinimumBufferBytes ? kMinimumBufferBytes : bufferBytes;
  buffer_.assign(capacity_ + 1 + kReadAhead, '\0');
  data_ = buffer_.data();
  fill();
  if (end_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) pos_ = 3;
}

NumberScanner::~NumberScanner() {
  if (file_) std::fclose(file_);
}

// Moves the unread bytes to the front of the buffer and reads as many more as fit.
std::size_t NumberScanner::fill() {
  char* const data = buffer_.data();
  const std::size_t kept = end_ - pos_;
  if (kept != 0 && pos_ != 0) std::memmove(data, data + pos_, kept);
  pos_ = 0;
  end_ = kept;
  std::size_t got = 0;
  if (!eof_ && end_ < capacity_) {
    const std::size_t wanted = capacity_ - end_;
    got = std::fread(data + end_, 1, wanted, file_);
    if (got < wanted) {
      if (std::ferror(file_)) {
        throw UserError("Σφάλμα κατά την ανάγνωση του αρχείου " + quoted(path_) + ", γραμμή " +
                        std::to_string(line_) + ".");
      }
      eof_ = true;
    }
    end_ += got;
  }
  data[end_] = '\0';
  return got;
}

std::string NumberScanner::readTitle() {
  std::string title;
  titleRead_ = true;
  for (;;) {
    if (pos_ == end_ && (eof_ || fill() == 0)) return title;  // the file ends in the title
    const char* const data = buffer_.data();
    std::size_t stop = pos_;
    while (stop < end_ && data[stop] != ',' && data[stop] != '\n' && data[stop] != '\r') ++stop;
    title.append(data + pos_, stop - pos_);
    pos_ = stop;
    if (title.size() > kMaxTitleBytes) {
      throw UserError("Η πρώτη γραμμή του αρχείου " + quoted(path_) + " ξεπερνά τους " +
                      std::to_string(kMaxTitleBytes) +
                      " χαρακτήρες: δεν είναι τίτλος αρχείου αυτού του είδους.");
    }
    if (stop == end_) continue;
    const char separator = data[stop];
    ++pos_;
    if (separator == ',') {
      commaPending_ = true;
      return title;
    }
    ++line_;
    commaPending_ = false;
    if (separator == '\r') {
      if (pos_ == end_ && !eof_) fill();
      if (pos_ < end_ && buffer_[pos_] == '\n') ++pos_;
    }
    return title;
  }
}

// Every case: line ends, tabs, empty values, the end of the buffer or of the file, tokens
// that are not numbers.
NumberScanner::Scan NumberScanner::scanGeneral(double& value) {
  char* const data = buffer_.data();
  char* p = data + pos_;
  bool comma = commaPending_;
  bool afterReturn = false;
  for (;;) {
    // Tested in the order of their frequency in a grid file: blank, comma, a token.
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == ' ') {
      afterReturn = false;
      ++p;
      continue;
    }
    if (c == ',') {
      if (comma) {
        pos_ = static_cast<std::size_t>(p - data);
        return Scan::Empty;
      }
      comma = true;
      afterReturn = false;
      ++p;
      continue;
    }
    if (c > ' ') break;  // no separator lies above the blank, apart from the comma
    if (c == '\n') {
      line_ += !afterReturn;  // the LF of a CR LF pair ends no second line
      afterReturn = false;
    } else if (c == '\r') {
      ++line_;
      afterReturn = true;
    } else if (c == '\t') {
      afterReturn = false;
    } else if (p == data + end_) {  // the NUL after the buffer's bytes
      pos_ = end_;
      if (eof_ || fill() == 0) {
        commaPending_ = comma;
        return Scan::EndOfFile;
      }
      p = data + pos_;
      continue;
    } else {
      break;  // a control character: part of a (bad) token
    }
    ++p;
  }
  commaPending_ = comma;

  DecimalStatus status;
  const char* stop = parseDecimal(p, value, status);
  if (status == DecimalStatus::Ok && isSeparator(*stop)) {
    pos_ = static_cast<std::size_t>(stop - data);
    commaPending_ = false;
    ++valuesRead_;
    lastValueLine_ = line_;
    return Scan::Number;
  }
  if (stop == data + end_ && !eof_) return scanSlow(p, value);
  return finishToken(p, stop, status != DecimalStatus::Malformed,
                     status != DecimalStatus::OutOfRange);
}

// The token runs to the end of the buffer: move it to the front, read on and try again.
NumberScanner::Scan NumberScanner::scanSlow(char* tokenStart, double& value) {
  pos_ = static_cast<std::size_t>(tokenStart - buffer_.data());
  fill();
  char* const p = buffer_.data();
  DecimalStatus status;
  const char* stop = parseDecimal(p, value, status);
  if (stop == p + end_ && !eof_) {  // the full buffer holds no end of this token
    badToken_.assign(p, std::min(end_, kShownTokenBytes * 2));
    return Scan::TooLong;
  }
  return finishToken(p, stop, status != DecimalStatus::Malformed,
                     status != DecimalStatus::OutOfRange);
}

// Settles a token whose end is in the buffer (or is the end of the file).
NumberScanner::Scan NumberScanner::finishToken(const char* tokenStart, const char* stop,
                                               bool wellFormed, bool inRange) {
  char* const data = buffer_.data();
  const bool complete = stop == data + end_ || isSeparator(*stop);
  if (wellFormed && complete) {
    if (!inRange) {
      badToken_.assign(tokenStart, stop);
      return Scan::OutOfRange;
    }
    pos_ = static_cast<std::size_t>(stop - data);
    commaPending_ = false;
    ++valuesRead_;
    lastValueLine_ = line_;
    return Scan::Number;
  }
  const char* tokenEnd = stop;
  while (tokenEnd < data + end_ && !isSeparator(*tokenEnd)) ++tokenEnd;
  badToken_.assign(tokenStart, tokenEnd);
  pos_ = static_cast<std::size_t>(tokenStart - data);
  return Scan::NotNumber;
}

void NumberScanner::fail(Scan result, std::string_view what) const {
  const std::string number = std::to_string(valuesRead_ + 1);
  const std::string where =
      "Στο αρχείο " + quoted(path_) + ", γραμμή " + std::to_string(line_) + ", η τιμή " + number;
  switch (result) {
    case Scan::EndOfFile:
      if (valuesRead_ > 0) {
        throw UserError("Το αρχείο " + quoted(path_) + " τελειώνει πριν από την τιμή " + number +
                        describedAs(what) + ". Η τελευταία τιμή του, η " +
                        std::to_string(valuesRead_) + ", βρίσκεται στη γραμμή " +
                        std::to_string(lastValueLine_) + ".");
      }
      throw UserError(
          "Το αρχείο " + quoted(path_) + " τελειώνει πριν από την τιμή 1" + describedAs(what) +
          ": " +
          (titleRead_ ? "μετά τον τίτλο δεν έχει κανέναν αριθμό." : "δεν έχει κανέναν αριθμό."));
    case Scan::Empty:
      if (valuesRead_ == 0 && !titleRead_) {
        throw UserError(where + " λείπει: πριν από την πρώτη τιμή υπάρχει κόμμα" +
                        describedAs(what) + ".");
      }
      throw UserError(where + " λείπει: δύο κόμματα δεν έχουν τίποτα ανάμεσά τους" +
                      describedAs(what) + ".");
    case Scan::NotNumber:
      throw UserError(where + " (" + quoted(shownToken(badToken_)) + ") δεν είναι αριθμός" +
                      describedAs(what) + ".");
    case Scan::OutOfRange:
      throw UserError(where + " (" + quoted(shownToken(badToken_)) +
                      ") είναι πολύ μεγάλη για αριθμό του προγράμματος" + describedAs(what) + ".");
    case Scan::TooLong:
      throw UserError(where + " (" + quoted(shownToken(badToken_)) + ") έχει περισσότερους από " +
                      std::to_string(capacity_) + " χαρακτήρες και δεν διαβάζεται ως αριθμός" +
                      describedAs(what) + ".");
    case Scan::Number:
      break;
  }
  throw UserError(where + ": εσωτερικό σφάλμα ανάγνωσης" + describedAs(what) + ".");
}

}  // namespace suite
