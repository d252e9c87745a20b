#pragma once

#include <memory>
#include <optional>

#include "pairsim/pair_simulation.h"
#include "stereo/error_generator.h"
#include "stereo/uniform_source.h"

namespace pairsim {

/// What pairsim keeps for its whole life: the input and output file choices, the mode of the
/// latest run, the screen size, which the drawing window sizes itself to, and the random side of
/// the runs (the error list, whose unregenerated elements carry over from run to run, and the
/// uniform source). The parameters are not here: they stay in the main window's boxes and are
/// read again by every run.
struct PairState {
  PairFiles files;
  std::optional<RunMode> runMode;  ///< unset until the first run starts
  int screenWidthTwips = 0;        ///< taken when the main window is created
  int screenHeightTwips = 0;
  suite::ErrorList errors;
  std::unique_ptr<suite::UniformSource> source;  ///< the program's clock source; never null
};

}  // namespace pairsim
