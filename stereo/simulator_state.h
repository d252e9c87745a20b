#pragma once

#include <memory>
#include <utility>

#include "stereo/error_generator.h"
#include "stereo/uniform_source.h"

namespace suite {

/// What a stereo simulator keeps for its whole life, owned by its main window: the files chosen
/// (`Files`, the program's own) and the random side of its runs. The parameters are not here:
/// they stay in the window's boxes, which every run reads afresh.
template <typename Files>
struct SimulatorState {
  /// `runSource` gives the random numbers of every run; null means the program's clock source,
  /// which reseeds from the time of day at every run.
  explicit SimulatorState(std::unique_ptr<UniformSource> runSource)
      : source(runSource ? std::move(runSource) : std::make_unique<ClockUniformSource>()) {}

  Files files;
  ErrorList errors;                       ///< its unregenerated elements carry over from run to run
  std::unique_ptr<UniformSource> source;  ///< never null
};

}  // namespace suite
