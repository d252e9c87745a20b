#include "pairsim/pair_simulation.h"

#include "stereo/photo_simulation.h"
#include "stereo/photo_simulation_file.h"
#include "stereo/stereo_dtm_file.h"
#include "text/leading_number.h"
#include "text/same_file.h"
#include "text/user_error.h"

namespace pairsim {

PairResult runPairSimulation(RunMode mode, const PairParameterTexts& texts, const PairFiles& files,
                             suite::ErrorList& errors, suite::UniformSource& source) {
  using suite::UserError;
  if (const auto refusal = suite::refuseRun(mode, files.inputChosen, files.outputChosen)) {
    throw UserError(*refusal);
  }
  if (mode == RunMode::Simulate && suite::namesSameFile(files.outputPath, files.inputPath)) {
    throw UserError("Το αρχείο εξόδου «" + files.outputPath +
                    "» είναι το ίδιο το αρχείο εισόδου και θα χανόταν. Διάλεξε άλλο όνομα.");
  }
  const auto read = [](const std::string& text) { return suite::leadingNumber(text); };

  suite::StereoDtmReader input(files.inputPath);
  PairResult result;
  result.title = input.title();
  result.header = input.header();
  result.left = input.left();
  result.right = input.right();
  const suite::GridHeader& grid = result.header;
  suite::checkRunSize(mode, grid.nodeCount(),
                      "Το αρχείο «" + files.inputPath + "» (" + std::to_string(grid.rows) +
                          " γραμμές × " + std::to_string(grid.columns) + " στήλες)");

  // Every node of the grid, in file order; only grid row 3, column 5 can take the replacement.
  const double replacementHeight = read(texts.replacementHeight);
  result.points.reserve(static_cast<std::size_t>(grid.nodeCount()));
  suite::GridHeight height;
  while (input.next(height)) {
    suite::GroundPoint point;
    point.x = grid.nodeX(height.column);
    point.y = grid.nodeY(height.row);
    point.z = height.z;
    if (replacementHeight != 0 && height.row == 3 && height.column == 5) {
      point.z = replacementHeight;
    }
    result.points.push_back(point);
  }

  const suite::SimulationParameters parameters =
      suite::readSimulationParameters(texts.simulation, suite::SimilarityTerms::OffsetLast);
  const suite::ImageSimilarity& similarity = parameters.similarity;
  result.focalMm = parameters.focalMm;

  result.projection =
      suite::projectStereoPair(result.points, result.left, result.right, result.focalMm);
  if (mode == RunMode::Draw) return result;

  suite::PhotoSimulationFileContent content;
  content.controlPoints = result.points;
  content.focalMm = result.focalMm;
  content.left = result.left;
  content.right = result.right;
  content.photos = suite::simulatePhotoPair(result.projection.points, similarity, errors, source);
  suite::writePhotoSimulationFile(files.outputPath,
                                  suite::PhotoSimulationFileLayout::pairsim(result.title), content);
  return result;
}

}  // namespace pairsim
