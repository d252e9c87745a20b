#include "stereo/simulation_run.h"

#include "stereo/error_generator.h"
#include "stereo/photo_simulation.h"
#include "text/user_error.h"

namespace suite {

std::optional<std::string> refuseRun(RunMode mode, bool inputChosen, bool outputChosen) {
  if (!inputChosen) return std::string("Θα πρέπει να βάλεις όνομα αρχείου με δεδομένα ΨΜΕ");
  if (mode == RunMode::Simulate && !outputChosen) {
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

}  // namespace suite
