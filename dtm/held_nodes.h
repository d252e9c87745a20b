#pragma once

#include <cstdint>

namespace suite {

// How many nodes of a grid a program holds in memory at once.

/// The most nodes a program holds: 2^28 = 268 435 456 (a grid of 16384 × 16384 nodes), 2 GiB at
/// kHeldNodeBytes a node; a grid of 5000 × 5000 nodes takes 200 MB.
inline constexpr std::int64_t kMostHeldNodes = std::int64_t{1} << 28;

/// Bytes a held node takes: its height as a double, or its picture x and y as two
/// single-precision values.
inline constexpr std::int64_t kHeldNodeBytes = 8;

/// The most nodes of kHeldNodeBytes that fit in a quarter of this machine's physical memory: at
/// least 1, at most kMostHeldNodes (a machine of 8 GiB or more), and kMostHeldNodes when the
/// memory cannot be told. The same value for the whole run.
std::int64_t mostNodesInMemory();

}  // namespace suite
