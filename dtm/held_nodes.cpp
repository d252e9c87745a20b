#include "dtm/held_nodes.h"

#include <unistd.h>

#include <algorithm>

namespace suite {
namespace {

std::int64_t nodesInQuarterOfMemory() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageBytes = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageBytes <= 0) return kMostHeldNodes;
  const std::int64_t quarterBytes = std::int64_t{pages} * pageBytes / 4;
  return std::clamp<std::int64_t>(quarterBytes / kHeldNodeBytes, 1, kMostHeldNodes);
}

}  // namespace

std::int64_t mostNodesInMemory() {
  static const std::int64_t limit = nodesInQuarterOfMemory();
  return limit;
}

}  // namespace suite
