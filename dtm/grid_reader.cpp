#include "dtm/grid_reader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "dtm/number_scanner.h"
#include "text/number_format.h"
#include "text/user_error.h"

namespace suite {

namespace {

constexpr std::int32_t kLargestCount = std::numeric_limits<std::int32_t>::max();

// Shortest text that reads back as `value`, independent of the locale: without an exponent for
// everyday magnitudes, with one for the very large and the very small, whose plain form would
// run to hundreds of digits (1e-70, 5e-324). Every form fits the buffer; should one not, the
// print form stands in rather than a cut text.
std::string shortestText(double value) {
  char text[64];
  const double magnitude = std::fabs(value);
  const bool plain = value == 0 || (magnitude >= 1e-5 && magnitude < 1e15);
  const std::to_chars_result r =
      plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
            : std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  if (r.ec != std::errc()) return numberText(value);
  return std::string(text, r.ptr);
}

// Names the value just read, where it stands and what it is, for a message on its content.
std::string lastValue(const NumberScanner& scanner, const char* what, double value) {
  return "Στο αρχείο «" + scanner.path() + "», γραμμή " + std::to_string(scanner.line()) +
         ", η τιμή " + std::to_string(scanner.valuesRead()) + " (" + what + ") είναι " +
         shortestText(value);
}

// Reads a row or column count: a whole number from 1 to the largest 32-bit integer.
std::int32_t readCount(NumberScanner& scanner, const char* what) {
  const double value = scanner.readNumber(what);
  if (!(value >= 1 && value <= kLargestCount && value == std::floor(value))) {
    throw UserError(lastValue(scanner, what, value) +
                    ": πρέπει να είναι ακέραιος αριθμός από 1 έως " +
                    std::to_string(kLargestCount) + ".");
  }
  return static_cast<std::int32_t>(value);
}

double readSpacing(NumberScanner& scanner, const char* what) {
  const double value = scanner.readNumber(what);
  if (!(value > 0)) {
    throw UserError(lastValue(scanner, what, value) + ": πρέπει να είναι θετικός αριθμός.");
  }
  return value;
}

}  // namespace

GridReader::GridReader(const std::string& path)
    : GridReader(std::make_unique<NumberScanner>(path)) {}

GridReader::GridReader(std::unique_ptr<NumberScanner> scanner) : scanner_(std::move(scanner)) {
  readHeader();
}

void GridReader::readHeader() {
  NumberScanner& scanner = *scanner_;
  header_.rows = readCount(scanner, "πλήθος γραμμών του πλέγματος");
  header_.columns = readCount(scanner, "πλήθος στηλών του πλέγματος");
  header_.xNorthWest = scanner.readNumber("Χ της βορειοδυτικής κορυφής του πλέγματος");
  header_.yNorthWest = scanner.readNumber("Υ της βορειοδυτικής κορυφής του πλέγματος");
  header_.spacingX = readSpacing(scanner, "απόσταση των κόμβων κατά Χ, α");
  header_.spacingY = readSpacing(scanner, "απόσταση των κόμβων κατά Υ, β");
  nodeCount_ = header_.nodeCount();
  if (nodeCount_ > kLargestCount) {
    throw UserError("Το πλέγμα του αρχείου «" + scanner.path() + "» έχει " +
                    std::to_string(header_.rows) + " γραμμές και " +
                    std::to_string(header_.columns) + " στήλες, δηλαδή " +
                    std::to_string(nodeCount_) + " κόμβους: οι κόμβοι δεν μπορούν να είναι " +
                    "περισσότεροι από " + std::to_string(kLargestCount) + ".");
  }
}

GridReader::~GridReader() = default;

// Out of line, so that building the message costs the reading loop nothing.
void GridReader::failHeight(NumberScanner::Scan result) const {
  scanner_->fail(result, "ύψος της γραμμής " + std::to_string(nextRow_) + ", στήλης " +
                             std::to_string(nextColumn_) + " του πλέγματος");
}

std::int64_t GridReader::heightsLeftAtMost() const {
  const std::int64_t left = nodeCount_ - read_;
  if (!scanner_) return 0;
  // Every height but the last takes at least two bytes: a digit and a separator.
  const std::uint64_t fit = scanner_->bytesLeft() / 2 + 1;
  return fit < static_cast<std::uint64_t>(left) ? static_cast<std::int64_t>(fit) : left;
}

// Every height has been read: close the file and free the buffer.
void GridReader::finish() {
  scanner_.reset();
}

}  // namespace suite
