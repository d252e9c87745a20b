#include "stereo/photo_simulation_file.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "text/number_format.h"
#include "text/text_file_writer.h"
#include "text/text_line.h"
#include "text/user_error.h"

namespace suite {

namespace {

constexpr std::string_view kGroundMask = "########.000";
constexpr std::string_view kCentreHeightMask = "######.000";
constexpr std::string_view kAngleMask = "####.000";
constexpr std::string_view kFiducialMask = "######.000";
constexpr std::string_view kImageMask = "#######.###";

void writeLines(std::ostream& out, const TextLine& line) {
  for (const std::string& text : line.lines()) writeLine(out, text);
}

void writeControlPoint(std::ostream& out, int q, const GroundPoint& point) {
  TextLine line;
  line << printForm(q);
  line.tab(10) << formatMask(point.x, kGroundMask);
  line.tab(25) << formatMask(point.y, kGroundMask);
  line.tab(40) << formatMask(point.z, kGroundMask);
  writeLines(out, line);
}

std::string headerLine(std::string_view photoNumber, double focalMm, const ExteriorOrientation& o,
                       bool masked) {
  std::string line(photoNumber);
  line += ",";
  line += printForm(focalMm);
  const double values[6] = {o.x, o.y, o.z, o.omegaDegrees, o.phiDegrees, o.kappaDegrees};
  const std::string_view masks[6] = {kGroundMask, kGroundMask, kCentreHeightMask,
                                     kAngleMask,  kAngleMask,  kAngleMask};
  for (int i = 0; i < 6; ++i) {
    line += ",";
    line += masked ? formatMask(values[i], masks[i]) : printForm(values[i]);
  }
  return line;
}

void writeFiducial(std::ostream& out, const FiducialLine& mark) {
  TextLine line;
  line << printForm(mark.number) << ",";
  line.tab(10) << formatMask(mark.position.x, kFiducialMask) << ",";
  line.tab(25) << formatMask(mark.position.y, kFiducialMask);
  writeLines(out, line);
}

void writePoint(std::ostream& out, int q, const ImagePointMm& point) {
  TextLine line;
  line << printForm(q) << ",";
  line.tab(8) << formatMask(point.x, kImageMask) << ",";
  line.tab(22) << formatMask(point.y, kImageMask);
  writeLines(out, line);
}

void writePhotoBlock(std::ostream& out, std::string_view photoNumber, double focalMm,
                     const ExteriorOrientation& orientation, const SimulatedPhoto& photo,
                     bool masked) {
  writeLine(out, headerLine(photoNumber, focalMm, orientation, masked));
  for (const FiducialLine& mark : photo.fiducials) writeFiducial(out, mark);
  int q = 0;
  for (const ImagePointMm& point : photo.points) writePoint(out, ++q, point);
  writeLine(out, " 0, 0, 0");
}

/// Refuses content with a number that is not finite, before anything is written: its mask or
/// print form would put "NaN" or "Inf" in the file, a text no reader takes for a number. Heights
/// and parameters near the range of doubles make such image coordinates.
void checkFinite(const PhotoSimulationFileContent& content) {
  const auto refuse = [](const std::string& what) {
    throw UserError(what +
                    " δεν είναι αριθμός που μπορεί να γραφτεί στο αρχείο προσομοίωσης Α/Φ: τα "
                    "υψόμετρα, οι προσανατολισμοί ή οι παράμετροι προσομοίωσης ξεπερνούν τα "
                    "όρια των αριθμών του προγράμματος.");
  };
  const auto finite = [](std::initializer_list<double> values) {
    for (const double value : values) {
      if (!std::isfinite(value)) return false;
    }
    return true;
  };
  std::size_t q = 0;
  for (const GroundPoint& point : content.controlPoints) {
    ++q;
    if (!finite({point.x, point.y, point.z})) {
      refuse("Το φωτοσταθερό σημείο " + std::to_string(q) + " (X, Y, Z)");
    }
  }
  const struct {
    const char* number;
    const ExteriorOrientation& orientation;
    const SimulatedPhoto& photo;
  } photos[] = {{"111", content.left, content.photos.left},
                {"222", content.right, content.photos.right}};
  for (const auto& photo : photos) {
    const ExteriorOrientation& o = photo.orientation;
    const std::string ofPhoto = std::string(" της Α/Φ ") + photo.number;
    if (!finite({content.focalMm, o.x, o.y, o.z, o.omegaDegrees, o.phiDegrees, o.kappaDegrees})) {
      refuse("Ο προσανατολισμός" + ofPhoto);
    }
    for (const FiducialLine& mark : photo.photo.fiducials) {
      if (!finite({mark.position.x, mark.position.y})) {
        refuse("Το σημείο αναφοράς " + std::to_string(mark.number) + ofPhoto);
      }
    }
    q = 0;
    for (const ImagePointMm& point : photo.photo.points) {
      ++q;
      if (!finite({point.x, point.y})) {
        refuse("Οι εικονοσυντεταγμένες του σημείου " + std::to_string(q) + ofPhoto);
      }
    }
  }
}

}  // namespace

PhotoSimulationFileLayout PhotoSimulationFileLayout::flightsim() {
  return {"Προσομοίωση στέρεο Α/Φ", true, true};
}

PhotoSimulationFileLayout PhotoSimulationFileLayout::pairsim(std::string titleUtf8) {
  return {std::move(titleUtf8), false, false};
}

void writePhotoSimulationFile(std::ostream& out, const PhotoSimulationFileLayout& layout,
                              const PhotoSimulationFileContent& content) {
  checkFinite(content);
  writeLine(out, layout.title);
  const std::string count = printForm(static_cast<double>(content.controlPoints.size()));
  writeLine(out, layout.countCaption ? "Αριθμός σημείων = " + count : count);
  writeLine(out, " Φωτοσταθερά");
  int q = 0;
  for (const GroundPoint& point : content.controlPoints) writeControlPoint(out, ++q, point);
  writeLine(out, " 0, 0, 0, 0");
  writePhotoBlock(out, "111", content.focalMm, content.left, content.photos.left,
                  layout.maskedOrientation);
  writePhotoBlock(out, "222", content.focalMm, content.right, content.photos.right,
                  layout.maskedOrientation);
}

void writePhotoSimulationFile(const std::string& path, const PhotoSimulationFileLayout& layout,
                              const PhotoSimulationFileContent& content) {
  replaceFileAtomically(path,
                        [&](std::ostream& out) { writePhotoSimulationFile(out, layout, content); });
}

}  // namespace suite
