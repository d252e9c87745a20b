#pragma once

#include <cstdint>
#include <string>

#include "dtm/grid_header.h"

namespace vantage {

// A perspective drawing keeps every node of its grid in a point store, its picture x and y
// (suite::kHeldNodeBytes a node): at most suite::mostNodesInMemory() nodes, a quarter of the
// machine's memory up to 2^28.

/// Throws suite::UserError naming the file, its rows, columns and node count and the limit when
/// the grid of `header` has more nodes than suite::mostNodesInMemory().
void checkPerspectiveNodeCount(const std::string& path, const suite::GridHeader& header);

/// Throws suite::UserError for a point store of `nodeCount` nodes that could not be allocated.
[[noreturn]] void refuseForLackOfMemory(const std::string& path, std::int64_t nodeCount);

}  // namespace vantage
