#include "dtm/number_scanner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The length of the UTF-8 character at the start of `bytes` (`size` of them), or 0 when they do
// not start with a well-formed character: a lead byte followed by the right number of
// continuation bytes, in its shortest form, neither a surrogate (U+D800 to U+DFFF) nor beyond
// U+10FFFF.
std::size_t utf8CharacterLength(const unsigned char* bytes, std::size_t size) {
  const unsigned char c = bytes[0];
  std::size_t length;
  char32_t code;
  char32_t smallest;
  if (c < 0x80) return 1;
  if ((c >> 5) == 0x6) {
    length = 2, code = c & 0x1F, smallest = 0x80;
  } else if ((c >> 4) == 0xE) {
    length = 3, code = c & 0x0F, smallest = 0x800;
  } else if ((c >> 3) == 0x1E) {
    length = 4, code = c & 0x07, smallest = 0x10000;
  } else {
    return 0;
  }
  if (size < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((bytes[k] & 0xC0) != 0x80) return 0;
    code = (code << 6) | (bytes[k] & 0x3F);
  }
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// A token as it may appear in a message: UTF-8 text as it is, anything else (bytes of another
// code page, malformed or overlong UTF-8, surrogates, code points beyond U+10FFFF, control
// characters) as '?' for each byte, cut after a few characters.
std::string shownToken(const std::string& raw) {
  std::string shown;
  std::size_t i = 0;
  const auto* bytes = reinterpret_cast<const unsigned char*>(raw.data());
  while (i < raw.size()) {
    if (shown.size() >= kShownTokenBytes) {
      shown += "…";
      break;
    }
    const std::size_t length = utf8CharacterLength(bytes + i, raw.size() - i);
    const unsigned char c = bytes[i];
    if (length == 0 || (length == 1 && (c < 0x20 || c == 0x7F))) {
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
    case ENXIO:
      return "Δεν είναι κανονικό αρχείο.";
    default:
      return std::string("Σφάλμα του συστήματος: ") + std::strerror(error) + ".";
  }
}

std::string describedAs(std::string_view what) {
  if (what.empty()) return "";
  return " (" + std::string(what) + ")";
}

// What a file that is not a regular file is, as the reason it is not read.
std::string notRegularReason(mode_t mode) {
  if (S_ISDIR(mode)) return openFailureReason(EISDIR);
  if (S_ISFIFO(mode)) return "Είναι επώνυμη σωλήνωση (FIFO), όχι αρχείο.";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "Είναι συσκευή, όχι αρχείο.";
  if (S_ISSOCK(mode)) return "Είναι υποδοχή (socket), όχι αρχείο.";
  return openFailureReason(ENXIO);
}

}  // namespace

NumberScanner::NumberScanner(const std::string& path) : NumberScanner(path, kDefaultBufferBytes) {}

// A buffer larger than the file would only cost its clearing: a file gets one of its size and a
// byte more (so that the first read finds the end), but not less than 64 KiB, in case the file
// grows or, like the files of /proc, tells no size; bytes in memory get exactly their size.
NumberScanner::NumberScanner(const std::string& path, std::size_t bufferBytes) : path_(path) {
  openFile();
  constexpr std::uint64_t kSmallestFileBuffer = 64 * 1024;
  startReading(static_cast<std::size_t>(
      std::min<std::uint64_t>(bufferBytes, std::max(sourceLeft_ + 1, kSmallestFileBuffer))));
}

NumberScanner::NumberScanner(const InMemory& file, std::size_t bufferBytes)
    : path_(file.name), memory_(file.bytes.data()), sourceLeft_(file.bytes.size()) {
  startReading(std::min(bufferBytes, file.bytes.size() + 1));
}

// Opens without blocking: opening a named pipe for reading would wait for a writer. What the
// name is gets checked on the open descriptor, so it cannot change in between; only a regular
// file is read, and it is read blocking again.
void NumberScanner::openFile() {
  const auto refuse = [this](const std::string& reason) {
    throw UserError("Δεν ήταν δυνατό να ανοιχτεί το αρχείο " + quoted(path_) + ". " + reason);
  };
  const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) refuse(openFailureReason(errno));
  struct stat status {};
  int error = 0;
  std::string reason;
  if (::fstat(fd, &status) != 0) {
    reason = openFailureReason(errno);
  } else if (!S_ISREG(status.st_mode)) {
    reason = notRegularReason(status.st_mode);
  } else {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) error = errno;
    if (error == 0) file_ = ::fdopen(fd, "rb");
    if (error == 0 && file_ == nullptr) error = errno;
    if (error != 0) reason = openFailureReason(error);
  }
  if (file_ == nullptr) {
    ::close(fd);
    refuse(reason);
  }
  sourceLeft_ = static_cast<std::uint64_t>(status.st_size);
}

void NumberScanner::startReading(std::size_t bufferBytes) {
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
    got = readSource(data + end_, wanted);
    if (got < wanted) eof_ = true;
    end_ += got;
  }
  data[end_] = '\0';
  return got;
}

// Up to `wanted` bytes of the file or of the memory; fewer only at its end.
std::size_t NumberScanner::readSource(char* into, std::size_t wanted) {
  if (file_ == nullptr) {
    const std::size_t got = static_cast<std::size_t>(std::min<std::uint64_t>(wanted, sourceLeft_));
    if (got != 0) std::memcpy(into, memory_, got);
    memory_ += got;
    sourceLeft_ -= got;
    return got;
  }
  const std::size_t got = std::fread(into, 1, wanted, file_);
  if (got < wanted && std::ferror(file_)) {
    throw UserError("Σφάλμα κατά την ανάγνωση του αρχείου " + quoted(path_) + ", γραμμή " +
                    std::to_string(line_) + ".");
  }
  // A file that grows while it is read has more than its size at opening told.
  sourceLeft_ -= std::min<std::uint64_t>(got, sourceLeft_);
  if (got < wanted) sourceLeft_ = 0;
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
      p = detail::skipBlankRun(p);
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
  if (tokenEnd == data + end_ && !eof_) gatherRestOfToken();
  return Scan::NotNumber;
}

// The bad token in badToken_ runs on beyond the buffer: reads on until its end, or until enough
// of it has been gathered for its message, so that the message quotes the token and not the part
// that happened to be in the buffer. Leaves the scanner past what it gathered: a bad token ends
// the reading.
void NumberScanner::gatherRestOfToken() {
  while (badToken_.size() <= kShownTokenBytes * 2) {
    pos_ = end_;
    if (eof_ || fill() == 0) return;
    const char* const data = buffer_.data();
    std::size_t stop = 0;
    while (stop < end_ && !isSeparator(data[stop])) ++stop;
    badToken_.append(data, stop);
    pos_ = stop;
    if (stop < end_) return;
  }
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
