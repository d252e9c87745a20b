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

#include "canvas/recording_canvas.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/written_files.h"
#include "pairsim/pair_simulation.h"
#include "stereo/error_generator.h"
#include "stereo/photo_pair_drawing.h"
#include "stereo/uniform_source.h"
#include "text/user_error.h"

namespace {

using fuzzing::check;

const std::string kOutput = "photo-simulation.txt";

}  // namespace

// The input: 9 bytes of parameters, eight lines of box texts, then the stereo DTM file.
//   0   bit 0: Simulate (else Draw); bit 1: no output file is chosen; bit 2: the output file is
//       named as the input file itself
//   1-4 the values the uniform source replays, each byte / 256
//   5-6 screen width, twips (modulo 40001)   7-8 screen height, twips (modulo 30001)
//   lines: Xo, Yo, θ, k, σxy, F, S, H(3,5)
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::MemoryFile file;
  static fuzzing::OutputFolder folder;
  fuzzing::FrontFields input(data, size);
  const auto flags = input.take<std::uint8_t>();
  std::vector<float> draws;
  for (int k = 0; k < 4; ++k) draws.push_back(static_cast<float>(input.take<std::uint8_t>()) / 256);
  const int screenWidth = input.take<std::uint16_t>() % 40001;
  const int screenHeight = input.take<std::uint16_t>() % 30001;
  suite::SimulationParameterTexts texts;
  for (std::string* text :
       {&texts.originXMm, &texts.originYMm, &texts.rotationDegrees, &texts.scale, &texts.sigmaXyMm,
        &texts.focalMm, &texts.rightFactor, &texts.replacementHeight}) {
    *text = input.takeLine();
  }
  const std::string bytes(input.rest());

  const auto mode = (flags & 1) != 0 ? pairsim::RunMode::Simulate : pairsim::RunMode::Draw;
  pairsim::PairFiles files;
  files.input = file.hold(bytes);
  std::vector<std::string> outputs;
  if ((flags & 2) == 0) {
    files.output = (flags & 4) != 0 ? *files.input : folder.pathOf(kOutput);
    if ((flags & 4) == 0) outputs.push_back(kOutput);
  }
  folder.prepare(outputs);

  suite::ErrorList errors;
  suite::FixedUniformSource source(draws);
  pairsim::PairResult result;
  try {
    result = pairsim::runPairSimulation(mode, texts, files, errors, source);
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusal(error.what());
    folder.checkUntouched(outputs);
    folder.checkHoldsOnly(outputs);
    check(file.bytes() == bytes, "the stereo DTM file stays as it was");
    return 0;
  }
  check(result.points.size() == static_cast<std::size_t>(result.header.nodeCount()),
        "a run keeps every node of the file's grid");
  check(fuzzing::isWellFormedUtf8(result.title), "the title is well-formed UTF-8", result.title);
  folder.checkHoldsOnly(outputs);
  if (mode == pairsim::RunMode::Simulate) {
    fuzzing::checkPhotoSimulationFile(folder.read(kOutput), {result.title, false, &result.points});
    return 0;
  }
  folder.checkUntouched(outputs);
  const suite::PhotoPairWindowLayout layout =
      suite::photoPairWindowLayout(screenWidth, screenHeight);
  suite::RecordingCanvas picture(layout.picture.width, layout.picture.height);
  try {
    suite::drawPhotoPair(picture, result.photoPair(), suite::PhotoPairStyle::pairsim());
    fuzzing::checkCanvas(picture);
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusal(error.what());
    check(picture.ops().empty(), "a refused photo pair drawing leaves the canvas untouched");
  }
  return 0;
}
