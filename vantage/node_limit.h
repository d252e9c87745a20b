#pragma once

#include <cstdint>
#include <string>

#include "dtm/grid_header.h"

namespace vantage {

/// Bytes a node takes in the point store of a perspective drawing: its picture x and y as two
/// single-precision values.
inline constexpr std::int64_t kPointStoreBytesPerNode = 8;

/// Nodes a perspective drawing takes at most: 2^28 (a point store of 2 GiB; a 16384 × 16384
/// grid), or, on a machine with less than 8 GiB of physical memory, as many as fit in a quarter
/// of it (a 5000 × 5000 grid needs 200 MB). The same value for the whole run.
std::int64_t perspectiveNodeLimit();

/// Throws suite::UserError naming the file, its rows, columns and node count and the limit when
/// the grid of `header` has more nodes than perspectiveNodeLimit().
void checkPerspectiveNodeCount(const std::string& path, const suite::GridHeader& header);

/// Throws suite::UserError for a point store of `nodeCount` nodes that could not be allocated.
[[noreturn]] void refuseForLackOfMemory(const std::string& path, std::int64_t nodeCount);

}  // namespace vantage
