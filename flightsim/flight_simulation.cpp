#include "flightsim/flight_simulation.h"

#include <cmath>

#include "dtm/grid_reader.h"
#include "stereo/photo_simulation.h"
#include "stereo/photo_simulation_file.h"
#include "stereo/stereo_dtm_file.h"
#include "text/leading_number.h"
#include "text/same_file.h"
#include "text/text_file_writer.h"
#include "text/user_error.h"

namespace flightsim {
namespace {

using suite::UserError;

/// The uniform error e(σ) = sign·σ·u of an orientation element: the sign is + when the
/// integer part of 10·u1 is even, − when odd; u is a second draw.
double orientationError(double sigma, suite::UniformSource& source) {
  const float u1 = source.next();
  const float u = source.next();
  const auto tenths = static_cast<long>(std::floor(10.0 * static_cast<double>(u1)));
  const double sign = tenths % 2 == 0 ? 1.0 : -1.0;
  return sign * sigma * static_cast<double>(u);
}

std::string count(std::int64_t value) {
  return std::to_string(value);
}

/// Refuses output choices that would destroy the terrain model or write one file twice. The DTM
/// file is chosen, and so is the photo simulation file of a Simulate run.
void checkOutputNames(RunMode mode, const FlightFiles& files) {
  const std::string& dtm = *files.dtm;
  const bool writesPhotoSim = mode == RunMode::Simulate;
  if (writesPhotoSim && suite::namesSameFile(*files.photoSim, dtm)) {
    throw UserError("Το αρχείο προσομοίωσης Α/Φ «" + *files.photoSim +
                    "» είναι το ίδιο το αρχείο ΨΜΕ και θα χανόταν. Διάλεξε άλλο όνομα.");
  }
  if (files.stereoDtm && suite::namesSameFile(*files.stereoDtm, dtm)) {
    throw UserError("Το αρχείο Στέρεο DTM «" + *files.stereoDtm +
                    "» είναι το ίδιο το αρχείο ΨΜΕ και θα χανόταν. Διάλεξε άλλο όνομα.");
  }
  if (writesPhotoSim && files.stereoDtm &&
      suite::namesSameFile(*files.photoSim, *files.stereoDtm)) {
    throw UserError("Το αρχείο προσομοίωσης Α/Φ και το αρχείο Στέρεο DTM είναι το ίδιο αρχείο «" +
                    *files.photoSim + "». Διάλεξε διαφορετικά ονόματα.");
  }
}

/// H = F·B / (1 − p) / s, the flying height above the mean ground.
double flyingHeightOf(double focalMm, double base, double overlap, double frameSideMm) {
  if (overlap == 1.0) {
    throw UserError(
        "Με επικάλυψη 100 % οι δύο Α/Φ συμπίπτουν και το ύψος πτήσης δεν ορίζεται. "
        "Δώσε επικάλυψη μικρότερη από 100 %.");
  }
  if (frameSideMm == 0.0) {
    throw UserError(
        "Με πλαίσιο Α/Φ 0 mm το ύψος πτήσης δεν ορίζεται. Δώσε πλευρά πλαισίου μεγαλύτερη από 0.");
  }
  const double height = focalMm * base / (1.0 - overlap) / frameSideMm;
  if (!std::isfinite(height)) {
    throw UserError("Το ύψος πτήσης δεν μπορεί να υπολογιστεί από τις παραμέτρους που δόθηκαν.");
  }
  return height;
}

/// The limits of the lists and of the error generator, checked before the grid's heights are
/// read and before any file is touched.
void checkWindowSize(RunMode mode, const suite::StereoWindow& window) {
  const std::int64_t nodes = window.nodeCount();
  // The window spans the base along X from the left centre, and the base on either side of it
  // along Y, cut off at the grid's edges.
  suite::checkRunSize(mode, nodes,
                      "Το στερεοσκοπικό παράθυρο (" + count(window.rows()) + " γραμμές × " +
                          count(window.columns()) + " στήλες)",
                      "Λιγότερους κόμβους δίνει μικρότερη Βάση, ή αριστερό κέντρο προβολής "
                      "(Χ-L, Y-L) πιο κοντά σε άκρη του πλέγματος, ώστε μέρος του παραθύρου να "
                      "πέφτει έξω από το πλέγμα.");
  if (mode == RunMode::Draw && nodes == 0) {
    throw UserError(
        "Το στερεοσκοπικό παράθυρο δεν περιέχει κανέναν κόμβο του πλέγματος: δεν υπάρχει τίποτα "
        "να σχεδιαστεί. Έλεγξε τις συντεταγμένες X-L, Y-L και τη βάση.");
  }
}

}  // namespace

FlightResult runFlightSimulation(RunMode mode, const FlightParameterTexts& texts,
                                 const FlightFiles& files, suite::ErrorList& errors,
                                 suite::UniformSource& source) {
  if (const auto refusal = suite::refuseRun(mode, files.dtm, files.photoSim)) {
    throw UserError(*refusal);
  }
  checkOutputNames(mode, files);
  const auto read = [](const std::string& text) { return suite::leadingNumber(text); };
  const FlightPlanTexts& plan = texts.flight;

  suite::GridReader grid(*files.dtm);
  const suite::GridHeader& header = grid.header();

  // Flight planning: the left centre flies at the flying height above the mean ground.
  FlightResult result;
  const double leftX = read(plan.leftX);
  const double leftY = read(plan.leftY);
  const double meanGround = read(plan.meanGroundHeight);
  const double base = read(plan.base);
  const double overlap = read(plan.overlapPercent) / 100.0;
  const double frameSideMm = read(plan.frameSideMm);
  const double focalMm = read(texts.simulation.focalMm);
  result.flyingHeight = flyingHeightOf(focalMm, base, overlap, frameSideMm);
  result.left = {leftX, leftY, meanGround + result.flyingHeight, 0, 0, 0};

  // Orientation errors, in their fixed order: the left angles, the right centre, the right
  // angles. The left centre carries none.
  const double sigmaAngles = read(plan.sigmaAnglesDegrees);
  const double sigmaCentre = read(plan.sigmaCentre);
  result.left.omegaDegrees = orientationError(sigmaAngles, source);
  result.left.phiDegrees = orientationError(sigmaAngles, source);
  result.left.kappaDegrees = orientationError(sigmaAngles, source);
  result.right.x = leftX + base + orientationError(sigmaCentre, source);
  result.right.y = leftY + orientationError(sigmaCentre, source);
  result.right.z = result.left.z + orientationError(sigmaCentre, source);
  result.right.omegaDegrees = orientationError(sigmaAngles, source);
  result.right.phiDegrees = orientationError(sigmaAngles, source);
  result.right.kappaDegrees = orientationError(sigmaAngles, source);

  const double replacementHeight = read(texts.simulation.replacementHeight);
  const suite::StereoWindow window = suite::stereoWindowOf(header, leftX, leftY, base);
  checkWindowSize(mode, window);

  // Stream the grid, keeping the window's nodes only. The replaced node is q = 2·m' + 5: row 3,
  // column 5 of a window at least five columns wide.
  const std::int64_t replacedNode = 2 * std::int64_t{window.columns()} + 5;
  result.points.reserve(static_cast<std::size_t>(window.nodeCount()));
  suite::GridHeight height;
  while (grid.next(height)) {
    if (!window.contains(height.row, height.column)) continue;
    suite::GroundPoint point;
    point.x = header.nodeX(height.column);
    point.y = header.nodeY(height.row);
    point.z = height.z;
    if (replacementHeight != 0 &&
        static_cast<std::int64_t>(result.points.size()) + 1 == replacedNode) {
      point.z = replacementHeight;
    }
    result.points.push_back(point);
  }
  result.windowRows = window.rows();
  result.windowColumns = window.columns();

  // Simulation parameters, read afresh for the projection and the photo blocks.
  const suite::SimulationParameters parameters =
      suite::readSimulationParameters(texts.simulation, suite::SimilarityTerms::OffsetInside);
  const suite::ImageSimilarity& similarity = parameters.similarity;
  result.focalMm = parameters.focalMm;

  result.projection =
      suite::projectStereoPair(result.points, result.left, result.right, result.focalMm);

  // Everything is computed before the first file is touched; the files are then replaced
  // together.
  std::vector<suite::FileContent> outputs;
  suite::StereoModel model;
  if (files.stereoDtm) {
    if (window.holdsNodes()) {
      model.header = header;
      model.header.rows = window.rows();
      model.header.columns = window.columns();
      model.header.xNorthWest = result.points.front().x;
      model.header.yNorthWest = result.points.front().y;
      model.left = result.left;
      model.right = result.right;
      model.heights.reserve(result.points.size());
      for (const suite::GroundPoint& point : result.points) model.heights.push_back(point.z);
      outputs.push_back({*files.stereoDtm,
                         [&model](std::ostream& out) { suite::writeStereoDtmFile(out, model); }});
    } else {
      result.notices.push_back(
          "Το στερεοσκοπικό παράθυρο δεν περιέχει κανέναν κόμβο του πλέγματος, γι' αυτό το αρχείο "
          "Στέρεο DTM «" +
          *files.stereoDtm + "» δεν γράφτηκε.");
    }
  }

  suite::PhotoSimulationFileContent content;
  if (mode == RunMode::Simulate) {
    content = suite::simulatedFileContent(result, similarity, errors, source);
    outputs.push_back({*files.photoSim, [&content](std::ostream& out) {
                         suite::writePhotoSimulationFile(
                             out, suite::PhotoSimulationFileLayout::flightsim(), content);
                       }});
  }

  if (!outputs.empty()) suite::replaceFilesTogether(outputs);
  return result;
}

}  // namespace flightsim
