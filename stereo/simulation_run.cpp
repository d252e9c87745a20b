#include "stereo/simulation_run.h"

#include "text/leading_number.h"
#include "text/user_error.h"

namespace suite {

SimulationParameters readSimulationParameters(const SimulationParameterTexts& texts,
                                              SimilarityTerms terms) {
  SimulationParameters parameters;
  ImageSimilarity& similarity = parameters.similarity;
  similarity.xoMm = leadingNumber(texts.originXMm);
  similarity.yoMm = leadingNumber(texts.originYMm);
  similarity.thetaDegrees = leadingNumber(texts.rotationDegrees);
  similarity.scale = leadingNumber(texts.scale);
  similarity.sigmaXyMm = leadingNumber(texts.sigmaXyMm);
  parameters.focalMm = leadingNumber(texts.focalMm);
  similarity.rightFactor = leadingNumber(texts.rightFactor);
  similarity.pointTerms = terms;
  return parameters;
}

std::optional<std::string> refuseRun(RunMode mode, const std::optional<std::string>& input,
                                     const std::optional<std::string>& output) {
  if (!input) return std::string("Θα πρέπει να βάλεις όνομα αρχείου με δεδομένα ΨΜΕ");
  if (mode == RunMode::Simulate && !output) {
    return std::string("Θα πρέπει να βάλεις όνομα αρχείου εξόδου");
  }
  return std::nullopt;
}

void checkRunSize(RunMode mode, std::int64_t nodes, const std::string& nodesUtf8,
                  const std::string& fewerNodesUtf8) {
  const std::string count = std::to_string(nodes);
  const std::string mostSimulated = std::to_string(kMostSimulatedPoints);
  const std::string fewerNodes = fewerNodesUtf8.empty() ? "" : " " + fewerNodesUtf8;
  // A Simulate run is told its own, smaller limit at once, so that the user does not shrink the
  // nodes to 2500 only to be refused again.
  if (mode == RunMode::Simulate && nodes > kMostSimulatedPoints) {
    throw UserError(nodesUtf8 + " έχει " + count +
                    " κόμβους, ενώ η προσομοίωση εξυπηρετεί το πολύ " + mostSimulated +
                    " σημεία (η σχεδίαση " + std::to_string(kMostRunNodes) + ")." + fewerNodes);
  }
  if (nodes > kMostRunNodes) {
    throw UserError(nodesUtf8 + " έχει " + count + " κόμβους, ενώ το πρόγραμμα κρατά το πολύ " +
                    std::to_string(kMostRunNodes) + "." + fewerNodes);
  }
  if (mode != RunMode::Simulate) return;
  const auto errorCount = static_cast<int>(2 * nodes + 2);
  if (!ErrorList::serves(errorCount)) {
    throw UserError("Η προσομοίωση " + count + " σημείων χρειάζεται " + std::to_string(errorCount) +
                    " τυχαία σφάλματα, πλήθος που η γεννήτρια σφαλμάτων δεν δίνει (δίνει 2, 4 ή "
                    "από 8 έως " +
                    std::to_string(ErrorList::kLargestServedCount) +
                    "). Η προσομοίωση εξυπηρετεί 1 σημείο ή από 3 έως " + mostSimulated +
                    " σημεία.");
  }
}

PhotoPairInput photoPairInput(const StereoPairRun& run, int rows, int columns) {
  PhotoPairInput input;
  input.rows = rows;
  input.columns = columns;
  input.points = run.projection.points;
  input.extremes = run.projection.extremes;
  input.focalMm = run.focalMm;
  input.left = run.left;
  input.right = run.right;
  return input;
}

PhotoSimulationFileContent simulatedFileContent(const StereoPairRun& run,
                                                const ImageSimilarity& similarity,
                                                ErrorList& errors, UniformSource& source) {
  PhotoSimulationFileContent content;
  content.controlPoints = run.points;
  content.focalMm = run.focalMm;
  content.left = run.left;
  content.right = run.right;
  content.photos = simulatePhotoPair(run.projection.points, similarity, errors, source);
  return content;
}

}  // namespace suite
