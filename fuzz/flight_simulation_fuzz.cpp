// flightsim's run as its window drives it, Draw or Simulate: the file choices, the random draws,
// the screen and every box text from the input's first bytes and lines, the DTM grid file (held
// in memory) from the rest. The outputs go to a scratch folder that holds old files before each
// run. A refusal is a UserError with a Greek message and leaves every old file as it was; a run
// that ends writes complete files (the stereo DTM file reads back as the run's window, the photo
// simulation file lists every point of it) and leaves no other file; the photo pair of a Draw,
// painted onto a recording canvas, has finite coordinates.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "flightsim/flight_simulation.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/simulator_run.h"
#include "fuzz/written_files.h"
#include "stereo/error_generator.h"
#include "stereo/stereo_dtm_file.h"
#include "stereo/uniform_source.h"
#include "text/user_error.h"

namespace {

using fuzzing::check;

const std::string kPhotoSim = "photo-simulation.txt";
const std::string kStereoDtm = "stereo.dtm";

/// The stereo DTM file a run wrote reads back as the run's window: its rows and columns, its
/// north-west node, both orientations and every height, each in the form it was written.
void checkStereoDtmFile(const std::string& path, const flightsim::FlightResult& result) {
  try {
    suite::StereoDtmReader reader(path);
    const suite::GridHeader& header = reader.header();
    check(reader.title() == "Στέρεο ζεύγος ΨΜΕ", "the stereo DTM file's title");
    check(header.rows == result.windowRows && header.columns == result.windowColumns,
          "the stereo DTM file has the window's rows and columns");
    check(fuzzing::samePrintForm(header.xNorthWest, result.points.front().x) &&
              fuzzing::samePrintForm(header.yNorthWest, result.points.front().y),
          "the stereo DTM file starts at the window's north-west node");
    check(fuzzing::sameOrientation(reader.left(), result.left) &&
              fuzzing::sameOrientation(reader.right(), result.right),
          "the stereo DTM file holds the run's orientations");
    suite::GridHeight height;
    std::size_t k = 0;
    while (reader.next(height)) {
      check(k < result.points.size() && fuzzing::samePrintForm(height.z, result.points[k].z),
            "the stereo DTM file holds the window's heights");
      ++k;
    }
    check(k == result.points.size(), "the stereo DTM file holds every height of the window");
  } catch (const suite::UserError& error) {
    fuzzing::broken("a stereo DTM file flightsim wrote reads back", error.what());
  }
}

}  // namespace

// The input: the simulators' front (fuzz/simulator_run.h), eight more lines of box texts, then
// the DTM grid file.
//   flags, besides Simulate: bit 1: a stereo DTM file is chosen; bit 2: no photo simulation
//   file is chosen; bit 3: the stereo DTM file is named as the DTM file itself; bit 4: the photo
//   simulation file is named as the stereo DTM file
//   the eight more lines: X-L, Y-L, mean ground height, B, σ of the centre, σ of the angles,
//   overlap %, frame side mm
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::MemoryFile file;
  static fuzzing::OutputFolder folder;
  fuzzing::FrontFields input(data, size);
  const fuzzing::SimulatorInput run = fuzzing::takeSimulatorInput(input);
  const std::uint8_t flags = run.flags;
  flightsim::FlightParameterTexts texts;
  texts.simulation = run.texts;
  flightsim::FlightPlanTexts& plan = texts.flight;
  for (std::string* text :
       {&plan.leftX, &plan.leftY, &plan.meanGroundHeight, &plan.base, &plan.sigmaCentre,
        &plan.sigmaAnglesDegrees, &plan.overlapPercent, &plan.frameSideMm}) {
    *text = input.takeLine();
  }
  const std::string bytes(input.rest());

  const flightsim::RunMode mode = run.mode();
  flightsim::FlightFiles files;
  files.dtm = file.hold(bytes);
  std::vector<std::string> outputs;
  if ((flags & 2) != 0) {
    files.stereoDtm = (flags & 8) != 0 ? *files.dtm : folder.pathOf(kStereoDtm);
    if ((flags & 8) == 0) outputs.push_back(kStereoDtm);
  }
  if ((flags & 4) == 0) {
    const bool sameAsStereo = (flags & 16) != 0 && files.stereoDtm;
    files.photoSim = sameAsStereo ? *files.stereoDtm : folder.pathOf(kPhotoSim);
    if (!sameAsStereo) outputs.push_back(kPhotoSim);
  }
  folder.prepare(outputs);

  suite::ErrorList errors;
  suite::FixedUniformSource source(run.draws);
  flightsim::FlightResult result;
  try {
    result = flightsim::runFlightSimulation(mode, texts, files, errors, source);
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusedRun(error.what(), folder, outputs, file, bytes);
    return 0;
  }
  for (const std::string& notice : result.notices) fuzzing::checkRefusal(notice);
  check(result.points.size() == static_cast<std::size_t>(result.windowRows) *
                                    static_cast<std::size_t>(result.windowColumns),
        "a run keeps every node of its window");
  check(result.points.size() <= static_cast<std::size_t>(suite::kMostRunNodes),
        "a run keeps no more nodes than the lists hold");
  folder.checkHoldsOnly(outputs);
  if (files.stereoDtm) {
    if (result.points.empty()) {
      check(!result.notices.empty(), "an empty window's stereo DTM file is said not written");
      folder.checkUntouched({kStereoDtm});
    } else {
      checkStereoDtmFile(*files.stereoDtm, result);
    }
  }
  if (mode == flightsim::RunMode::Simulate) {
    fuzzing::checkPhotoSimulationFile(folder.read(kPhotoSim),
                                      {"Προσομοίωση στέρεο Α/Φ", true, &result.points});
  } else {
    if (files.photoSim && (flags & 16) == 0) folder.checkUntouched({kPhotoSim});
    fuzzing::checkPhotoPairDrawing(run, result.photoPair(), suite::PhotoPairStyle::flightsim());
  }
  return 0;
}
