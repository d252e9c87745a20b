// A whole Simulate of flightsim or pairsim in a process of its own, for tests that kill it at
// random moments while it writes over existing output files.
//
//   save_child flight VARIANT DTM PHOTO STEREO   flightsim's run: the photo simulation file and
//                                                the stereo DTM file, replaced together
//   save_child pair VARIANT STEREO PHOTO         pairsim's run: the photo simulation file
//
// VARIANT (0 or 1) picks the fixed random draws, so that two variants write different files and
// each writes the same bytes every time. Before the run starts, one byte "r" is written to the
// descriptor named by SAVE_CHILD_READY_FD, when set, so that a test can time its kill from the
// start of the run rather than from the start of the process.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "flightsim/flight_simulation.h"
#include "pairsim/pair_simulation.h"
#include "stereo/error_generator.h"
#include "stereo/uniform_source.h"
#include "text/user_error.h"

namespace {

std::vector<float> drawsOf(int variant) {
  if (variant == 0) return {0.125f, 0.5f, 0.875f, 0.25f, 0.625f, 0.375f, 0.75f};
  return {0.3f, 0.9f, 0.1f, 0.7f, 0.5f, 0.2f, 0.8f, 0.6f, 0.4f};
}

void announceStart() {
  const char* fd = std::getenv("SAVE_CHILD_READY_FD");
  if (fd == nullptr) return;
  const char ready = 'r';
  if (::write(std::atoi(fd), &ready, 1) != 1) std::_Exit(3);
}

int usage() {
  std::fprintf(stderr,
               "usage: save_child flight VARIANT DTM PHOTO STEREO | save_child pair VARIANT "
               "STEREO PHOTO\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string mode = argv[1];
  suite::FixedUniformSource source(drawsOf(std::atoi(argv[2])));
  suite::ErrorList errors;
  try {
    if (mode == "flight" && argc == 6) {
      flightsim::FlightFiles files;
      files.dtm = argv[3];
      files.photoSim = argv[4];
      files.stereoDtm = argv[5];
      announceStart();
      flightsim::runFlightSimulation(flightsim::RunMode::Simulate, {}, files, errors, source);
    } else if (mode == "pair" && argc == 5) {
      pairsim::PairFiles files;
      files.input = argv[3];
      files.output = argv[4];
      announceStart();
      pairsim::runPairSimulation(pairsim::RunMode::Simulate, {}, files, errors, source);
    } else {
      return usage();
    }
  } catch (const suite::UserError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
