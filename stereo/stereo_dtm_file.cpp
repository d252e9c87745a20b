#include "stereo/stereo_dtm_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "dtm/number_scanner.h"
#include "text/codepage.h"
#include "text/number_format.h"
#include "text/text_file_writer.h"
#include "text/user_error.h"

namespace suite {

namespace {

constexpr int kHeightsPerLine = 12;

std::string orientationLine(const ExteriorOrientation& o) {
  return formatMask(o.x, "########.000") + "," + formatMask(o.y, "########.000") + "," +
         formatMask(o.z, "######.000") + "," + formatMask(o.omegaDegrees, "####.000") + "," +
         formatMask(o.phiDegrees, "####.000") + "," + formatMask(o.kappaDegrees, "####.000");
}

// The header checks and their messages are those of the DTM grid reader, so that a user meets
// the same words for the same fault in either kind of file.
constexpr std::int32_t kLargestCount = std::numeric_limits<std::int32_t>::max();

std::string shortestText(double value) {
  char text[32];
  const std::to_chars_result r = std::to_chars(text, text + sizeof text, value);
  return std::string(text, r.ptr);
}

std::string lastValue(const NumberScanner& scanner, const char* what, double value) {
  return "Στο αρχείο «" + scanner.path() + "», γραμμή " + std::to_string(scanner.line()) +
         ", η τιμή " + std::to_string(scanner.valuesRead()) + " (" + what + ") είναι " +
         shortestText(value);
}

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

ExteriorOrientation readOrientation(NumberScanner& scanner, const std::string& photo) {
  ExteriorOrientation o;
  o.x = scanner.readNumber("Χ του κέντρου προβολής της " + photo + " φωτογραφίας");
  o.y = scanner.readNumber("Υ του κέντρου προβολής της " + photo + " φωτογραφίας");
  o.z = scanner.readNumber("Ζ του κέντρου προβολής της " + photo + " φωτογραφίας");
  o.omegaDegrees = scanner.readNumber("γωνία ω της " + photo + " φωτογραφίας");
  o.phiDegrees = scanner.readNumber("γωνία φ της " + photo + " φωτογραφίας");
  o.kappaDegrees = scanner.readNumber("γωνία κ της " + photo + " φωτογραφίας");
  return o;
}

}  // namespace

void writeStereoDtmFile(std::ostream& out, const StereoModel& model) {
  writeLine(out, "Στέρεο ζεύγος ΨΜΕ");
  const GridHeader& h = model.header;
  writeLine(out, printForm(h.rows) + printForm(h.columns) + printForm(h.xNorthWest) +
                     printForm(h.yNorthWest) + printForm(h.spacingX) + printForm(h.spacingY));
  writeLine(out, orientationLine(model.left));
  writeLine(out, orientationLine(model.right));
  std::string line;
  int onLine = 0;
  for (double height : model.heights) {
    line += printForm(height);
    if (++onLine == kHeightsPerLine) {
      writeLine(out, line + " ");
      line.clear();
      onLine = 0;
    }
  }
  writeText(out, line);  // a short last line ends the file without a line end
}

void writeStereoDtmFile(const std::string& path, const StereoModel& model) {
  replaceFileAtomically(path, [&](std::ostream& out) { writeStereoDtmFile(out, model); });
}

StereoDtmReader::StereoDtmReader(const std::string& path)
    : scanner_(std::make_unique<NumberScanner>(path)) {
  NumberScanner& scanner = *scanner_;
  const std::string rawTitle = scanner.readTitle();
  const std::size_t start = std::min(rawTitle.find_first_not_of(" \t"), rawTitle.size());
  title_ = fromWindows1253(std::string_view(rawTitle).substr(start));
  header_.rows = readCount(scanner, "πλήθος γραμμών του πλέγματος");
  header_.columns = readCount(scanner, "πλήθος στηλών του πλέγματος");
  header_.xNorthWest = scanner.readNumber("Χ της βορειοδυτικής κορυφής του πλέγματος");
  header_.yNorthWest = scanner.readNumber("Υ της βορειοδυτικής κορυφής του πλέγματος");
  header_.spacingX = readSpacing(scanner, "απόσταση των κόμβων κατά Χ, α");
  header_.spacingY = readSpacing(scanner, "απόσταση των κόμβων κατά Υ, β");
  if (header_.nodeCount() > kLargestCount) {
    throw UserError("Το πλέγμα του αρχείου «" + path + "» έχει " + std::to_string(header_.rows) +
                    " γραμμές και " + std::to_string(header_.columns) + " στήλες, δηλαδή " +
                    std::to_string(header_.nodeCount()) +
                    " κόμβους: οι κόμβοι δεν μπορούν να είναι περισσότεροι από " +
                    std::to_string(kLargestCount) + ".");
  }
  left_ = readOrientation(scanner, "αριστερής");
  right_ = readOrientation(scanner, "δεξιάς");
}

StereoDtmReader::~StereoDtmReader() = default;

bool StereoDtmReader::next(GridHeight& height) {
  if (read_ == header_.nodeCount()) return false;
  double z;
  const NumberScanner::Scan result = scanner_->scan(z);
  if (result != NumberScanner::Scan::Number) {
    scanner_->fail(result, "ύψος της γραμμής " + std::to_string(nextRow_) + ", στήλης " +
                               std::to_string(nextColumn_) + " του πλέγματος");
  }
  height.row = nextRow_;
  height.column = nextColumn_;
  height.z = z;
  if (++nextColumn_ > header_.columns) {
    nextColumn_ = 1;
    ++nextRow_;
  }
  if (++read_ == header_.nodeCount()) scanner_.reset();  // done: close the file
  return true;
}

}  // namespace suite
