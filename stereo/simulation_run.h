#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stereo/error_generator.h"
#include "stereo/exterior_orientation.h"
#include "stereo/ground_point.h"
#include "stereo/photo_pair_drawing.h"
#include "stereo/photo_simulation.h"
#include "stereo/photo_simulation_file.h"
#include "stereo/projection.h"
#include "stereo/uniform_source.h"

namespace suite {

// What the runs of the two stereo simulators share: their mode, their inputs and checks, and
// what they compute of the pair for the drawing and the photo simulation file.

/// What a simulator run ends with: drawing the photo pair, or writing the photo simulation file.
enum class RunMode { Draw = 1, Simulate = 2 };

/// The most nodes a simulator run keeps, in either mode.
inline constexpr std::int64_t kMostRunNodes = 2500;

/// The texts of the simulation parameter frame, exactly as typed; a run reads each by the
/// leading-number rule when it needs it. The values here are the boxes' texts at start.
struct SimulationParameterTexts {
  std::string originXMm = "0";        ///< Xo: the image origin's offset along x, mm
  std::string originYMm = "0";        ///< Yo: along y, mm
  std::string rotationDegrees = "0";  ///< θ: rotation of the image axes, decimal degrees
  std::string scale = "1";            ///< k: scale of the image similarity
  std::string sigmaXyMm = "0.006";    ///< σxy: spread of the image coordinate errors, mm
  std::string focalMm = "152";        ///< F: principal distance, mm
  std::string rightFactor = "1.237";  ///< S: the right photograph's extra factor
  /// H(3,5): the height that replaces that of node row 3, column 5 of the grid the run keeps;
  /// 0 keeps the height read.
  std::string replacementHeight = "0";
};

/// The image similarity and principal distance that the parameter texts give, each read by
/// the leading-number rule; `terms` is the program's own order of the similarity's terms.
struct SimulationParameters {
  ImageSimilarity similarity;
  double focalMm = 0;
};
SimulationParameters readSimulationParameters(const SimulationParameterTexts& texts,
                                              SimilarityTerms terms);

/// The checks a simulator run makes before it opens any file, in this order: the input file
/// (the DTM) must be chosen, and a Simulate run needs its output file. Returns the message that
/// refuses the run, or nothing when the run may go on.
std::optional<std::string> refuseRun(RunMode mode, const std::optional<std::string>& input,
                                     const std::optional<std::string>& output);

/// Refuses a run whose nodes the lists cannot hold (more than 2500), or in Simulate more points
/// than the error generator serves (more than 1169, or a count whose 2·N + 2 errors it does not
/// give: 2 points). The Greek message gives the count, the largest count served and, for too
/// many nodes, `fewerNodesUtf8` (if not empty): what the user can change to have fewer. `nodesUtf8`
/// names the nodes, e.g. "Το στερεοσκοπικό παράθυρο (3 γραμμές × 4 στήλες)".
void checkRunSize(RunMode mode, std::int64_t nodes, const std::string& nodesUtf8,
                  const std::string& fewerNodesUtf8);

/// What a simulator run computes of the pair: the ground points it keeps, both exterior
/// orientations, the principal distance and every point's projection into both photographs.
struct StereoPairRun {
  ExteriorOrientation left;
  ExteriorOrientation right;
  double focalMm = 0;
  std::vector<GroundPoint> points;  ///< row after row, north to south, west to east
  StereoProjection projection;
};

/// The photo pair drawing of a run whose points are a mesh of `rows` × `columns` nodes.
PhotoPairInput photoPairInput(const StereoPairRun& run, int rows, int columns);

/// The content of a run's photo simulation file: its points as control points, and both photo
/// blocks simulated with `similarity` and fresh errors in `errors` (simulatePhotoPair).
PhotoSimulationFileContent simulatedFileContent(const StereoPairRun& run,
                                                const ImageSimilarity& similarity,
                                                ErrorList& errors, UniformSource& source);

}  // namespace suite
