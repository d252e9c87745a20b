#include "stereo/stereo_dtm_file.h"

#include <algorithm>
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
    : StereoDtmReader(std::make_unique<NumberScanner>(path)) {}

StereoDtmReader::StereoDtmReader(std::unique_ptr<NumberScanner> scanner) {
  // The title comes first; the grid header, checked as in any DTM grid file, follows it, and the
  // two orientations stand between the header and the heights.
  const std::string rawTitle = scanner->readTitle();
  const std::size_t start = std::min(rawTitle.find_first_not_of(" \t"), rawTitle.size());
  title_ = decodeFileText(std::string_view(rawTitle).substr(start));
  grid_ = std::make_unique<GridReader>(std::move(scanner));
  left_ = readOrientation(grid_->scanner(), "αριστερής");
  right_ = readOrientation(grid_->scanner(), "δεξιάς");
}

StereoDtmReader::~StereoDtmReader() = default;

bool StereoDtmReader::next(GridHeight& height) {
  return grid_->next(height);
}

}  // namespace suite
