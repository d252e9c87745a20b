#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace suite {

/// What a simulator run ends with: drawing the photo pair, or writing the photo simulation file.
enum class RunMode { Draw = 1, Simulate = 2 };

/// The most nodes a simulator run keeps, in either mode.
inline constexpr std::int64_t kMostRunNodes = 2500;

/// The checks a simulator run makes before it opens any file, in this order: the input file
/// (the DTM) must be chosen, and a Simulate run needs its output file. Returns the message that
/// refuses the run, or nothing when the run may go on.
std::optional<std::string> refuseRun(RunMode mode, bool inputChosen, bool outputChosen);

/// Refuses a run whose nodes the lists cannot hold (more than 2500), or in Simulate more points
/// than the error generator serves (more than 1169, or a count whose 2·N + 2 errors it does not
/// give: 2 points). The Greek message gives the count, the largest count served and, for too
/// many nodes, `fewerNodesUtf8` (if not empty): what the user can change to have fewer. `nodesUtf8`
/// names the nodes, e.g. "Το στερεοσκοπικό παράθυρο (3 γραμμές × 4 στήλες)".
void checkRunSize(RunMode mode, std::int64_t nodes, const std::string& nodesUtf8,
                  const std::string& fewerNodesUtf8);

}  // namespace suite
