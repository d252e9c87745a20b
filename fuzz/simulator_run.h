#pragma once

// What the targets of the two simulators share: the parameters at the front of an input (the
// file choices, the random draws, the screen and the simulation parameter texts), the checks of
// a refused run and of the photo pair drawing of a Draw.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/recording_canvas.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/written_files.h"
#include "stereo/photo_pair_drawing.h"
#include "stereo/simulation_run.h"
#include "text/user_error.h"

namespace fuzzing {

/// The front of a simulator target's input.
///   0   flags: bit 0 Simulate (else Draw); the others the target's own file choices
///   1-4 the values the uniform source replays, each byte / 256
///   5-6 screen width, twips (modulo 40001)   7-8 screen height, twips (modulo 30001)
///   eight lines: Xo, Yo, θ, k, σxy, F, S, H(3,5)
struct SimulatorInput {
  std::uint8_t flags = 0;
  std::vector<float> draws;
  int screenWidthTwips = 0;
  int screenHeightTwips = 0;
  suite::SimulationParameterTexts texts;

  suite::RunMode mode() const {
    return (flags & 1) != 0 ? suite::RunMode::Simulate : suite::RunMode::Draw;
  }
};

inline SimulatorInput takeSimulatorInput(FrontFields& input) {
  SimulatorInput run;
  run.flags = input.take<std::uint8_t>();
  for (int k = 0; k < 4; ++k) {
    run.draws.push_back(static_cast<float>(input.take<std::uint8_t>()) / 256);
  }
  run.screenWidthTwips = input.take<std::uint16_t>() % 40001;
  run.screenHeightTwips = input.take<std::uint16_t>() % 30001;
  suite::SimulationParameterTexts& t = run.texts;
  for (std::string* text : {&t.originXMm, &t.originYMm, &t.rotationDegrees, &t.scale, &t.sigmaXyMm,
                            &t.focalMm, &t.rightFactor, &t.replacementHeight}) {
    *text = input.takeLine();
  }
  return run;
}

/// A refused run: a Greek message, every old output as it was and nothing else in the folder,
/// the input file untouched.
inline void checkRefusedRun(std::string_view message, const OutputFolder& folder,
                            const std::vector<std::string>& outputs, const MemoryFile& input,
                            std::string_view inputBytes) {
  checkRefusal(message);
  folder.checkUntouched(outputs);
  folder.checkHoldsOnly(outputs);
  check(input.bytes() == inputBytes, "the input file stays as it was");
}

/// The photo pair of a Draw on the screen's photo pair window, painted onto a recording canvas:
/// finite coordinates, or a refusal that leaves the canvas untouched.
inline void checkPhotoPairDrawing(const SimulatorInput& run, const suite::PhotoPairInput& pair,
                                  const suite::PhotoPairStyle& style) {
  const suite::PhotoPairWindowLayout layout =
      suite::photoPairWindowLayout(run.screenWidthTwips, run.screenHeightTwips);
  suite::RecordingCanvas picture(layout.picture.width, layout.picture.height);
  try {
    suite::drawPhotoPair(picture, pair, style);
    checkCanvas(picture);
  } catch (const suite::UserError& error) {
    checkRefusal(error.what());
    check(picture.ops().empty(), "a refused photo pair drawing leaves the canvas untouched");
  }
}

}  // namespace fuzzing
