#include "vantage/node_limit.h"

#include <unistd.h>

#include <algorithm>

#include "text/user_error.h"

namespace vantage {

namespace {

constexpr std::int64_t kLargestLimit = std::int64_t{1} << 28;

std::int64_t computeLimit() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageBytes = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageBytes <= 0) return kLargestLimit;
  const std::int64_t quarterBytes = std::int64_t{pages} * pageBytes / 4;
  return std::clamp<std::int64_t>(quarterBytes / kPointStoreBytesPerNode, 1, kLargestLimit);
}

}  // namespace

std::int64_t perspectiveNodeLimit() {
  static const std::int64_t limit = computeLimit();
  return limit;
}

void checkPerspectiveNodeCount(const std::string& path, const suite::GridHeader& header) {
  const std::int64_t limit = perspectiveNodeLimit();
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
                         std::to_string(perspectiveNodeLimit()) + " κόμβοι).");
}

}  // namespace vantage
