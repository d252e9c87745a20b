// pairsim's run as its window drives it, Draw or Simulate: the file choices, the random draws,
// the screen and the box texts from the input's first bytes and lines, the stereo DTM file
// (held in memory) from the rest. The output goes to a scratch folder that holds an old file
// before each run. A refusal is a UserError with a Greek message and leaves the old file as it
// was; a Simulate that ends writes a complete photo simulation file (the file's title, every
// node of its grid) and leaves no other file; the photo pair of a Draw, painted onto a recording
// canvas, has finite coordinates.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "fuzz/simulator_run.h"
#include "fuzz/written_files.h"
#include "pairsim/pair_simulation.h"
#include "stereo/error_generator.h"
#include "stereo/uniform_source.h"
#include "text/user_error.h"

namespace {

using fuzzing::check;

const std::string kOutput = "photo-simulation.txt";

}  // namespace

// The input: the simulators' front (fuzz/simulator_run.h), then the stereo DTM file.
//   flags, besides Simulate: bit 1: no output file is chosen; bit 2: the output file is named
//   as the input file itself
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::MemoryFile file;
  static fuzzing::OutputFolder folder;
  fuzzing::FrontFields input(data, size);
  const fuzzing::SimulatorInput run = fuzzing::takeSimulatorInput(input);
  const std::string bytes(input.rest());

  const pairsim::RunMode mode = run.mode();
  pairsim::PairFiles files;
  files.input = file.hold(bytes);
  std::vector<std::string> outputs;
  if ((run.flags & 2) == 0) {
    files.output = (run.flags & 4) != 0 ? *files.input : folder.pathOf(kOutput);
    if ((run.flags & 4) == 0) outputs.push_back(kOutput);
  }
  folder.prepare(outputs);

  suite::ErrorList errors;
  suite::FixedUniformSource source(run.draws);
  pairsim::PairResult result;
  try {
    result = pairsim::runPairSimulation(mode, run.texts, files, errors, source);
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusedRun(error.what(), folder, outputs, file, bytes);
    return 0;
  }
  check(result.points.size() == static_cast<std::size_t>(result.header.nodeCount()),
        "a run keeps every node of the file's grid");
  check(fuzzing::isWellFormedUtf8(result.title), "the title is well-formed UTF-8", result.title);
  folder.checkHoldsOnly(outputs);
  if (mode == pairsim::RunMode::Simulate) {
    fuzzing::checkPhotoSimulationFile(folder.read(kOutput), {result.title, false, &result.points});
  } else {
    folder.checkUntouched(outputs);
    fuzzing::checkPhotoPairDrawing(run, result.photoPair(), suite::PhotoPairStyle::pairsim());
  }
  return 0;
}
