#include "vantage/node_limit.h"

#include "dtm/held_nodes.h"
#include "text/user_error.h"

namespace vantage {

void checkPerspectiveNodeCount(const std::string& path, const suite::GridHeader& header) {
  const std::int64_t limit = suite::mostNodesInMemory();
  if (header.nodeCount() <= limit) return;
  throw suite::UserError(
      "Το πλέγμα του αρχείου «" + path + "» έχει " + std::to_string(header.rows) + " γραμμές και " +
      std::to_string(header.columns) + " στήλες, δηλαδή " + std::to_string(header.nodeCount()) +
      " κόμβους: το προοπτικό σχεδιάζεται για το πολύ " + std::to_string(limit) +
      " κόμβους, όσους χωρά η μνήμη.");
}

void refuseForLackOfMemory(const std::string& path, std::int64_t nodeCount) {
  throw suite::UserError("Δεν υπάρχει αρκετή μνήμη για τα σημεία των " + std::to_string(nodeCount) +
                         " κόμβων του αρχείου «" + path + "» (όριο " +
                         std::to_string(suite::mostNodesInMemory()) + " κόμβοι).");
}

}  // namespace vantage
