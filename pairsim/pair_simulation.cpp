#include "pairsim/pair_simulation.h"

#include <algorithm>

#include "dtm/decimal_number.h"
#include "dtm/number_scanner.h"
#include "stereo/photo_simulation.h"
#include "stereo/photo_simulation_file.h"
#include "stereo/stereo_dtm_file.h"
#include "text/codepage.h"
#include "text/leading_number.h"
#include "text/same_file.h"
#include "text/user_error.h"

namespace pairsim {
namespace {

using suite::UserError;

/// Whether `field` holds numbers alone, separated by blanks or tabs, and at least one.
bool holdsOnlyNumbers(std::string field) {
  // The scan below stops at a NUL, which would hide what follows it.
  if (field.find('\0') != std::string::npos) return false;
  field.append(8, '\0');  // parseDecimal may look seven bytes beyond the number's end
  const char* p = field.c_str();
  bool any = false;
  for (;;) {
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') return any;
    double value;
    suite::DecimalStatus status;
    p = suite::parseDecimal(p, value, status);
    if (status == suite::DecimalStatus::Malformed) return false;
    if (*p != ' ' && *p != '\t' && *p != '\0') return false;
    any = true;
  }
}

/// The sentence that a failure of the input file gets when the file's first field is itself a
/// number: the mark of a DTM grid file, which has no title and begins with its row count, chosen
/// where a stereo DTM file belongs. Empty for any other file, or one that cannot be opened.
std::string gridFileNote(const std::string& path) {
  std::string title;
  try {
    suite::NumberScanner scanner(path);
    title = scanner.readTitle();
  } catch (const UserError&) {
    return {};
  }
  if (!holdsOnlyNumbers(title)) return {};
  const std::size_t start = title.find_first_not_of(" \t");
  // Numbers, blanks and tabs alone; a tab, which a message box does not show, as a blank.
  std::string shown = title.substr(start, 40);
  std::replace(shown.begin(), shown.end(), '\t', ' ');
  return " Το αρχείο αρχίζει με αριθμό («" + shown +
         "») και όχι με τίτλο, όπως ένα αρχείο ΨΜΕ με πλέγμα: το pairsim διαβάζει αρχείο "
         "Στέρεο DTM όπως το γράφει το flightsim (τίτλος, πλέγμα, δύο προσανατολισμοί, "
         "υψόμετρα), όχι αρχείο ΨΜΕ με πλέγμα.";
}

/// Reads the input file into `result`: title, grid header, both orientations and every node of
/// the grid in file order; only grid row 3, column 5 can take the replacement height. Refuses,
/// before the heights are read, a grid larger than the run serves and, in Simulate, a title
/// that the output file could not hold.
void readInput(RunMode mode, const std::string& path, double replacementHeight,
               PairResult& result) {
  suite::StereoDtmReader input(path);
  result.title = input.title();
  result.header = input.header();
  result.left = input.left();
  result.right = input.right();
  if (mode == RunMode::Simulate && !input.titleUnwritable().empty()) {
    // The title is quoted as a message can show it: a control byte or a NUL in it would garble
    // or cut the message.
    throw UserError("Ο τίτλος «" + suite::quotable(result.title) + "» του αρχείου «" + path +
                    "» έχει " + input.titleUnwritable() +
                    ", και δεν μπορεί να γραφτεί στο αρχείο εξόδου. Άλλαξε τον τίτλο στην πρώτη "
                    "γραμμή του αρχείου.");
  }
  // A grid file read as a stereo one has absurd counts: the advice to pick a smaller file would
  // mislead; the note on grid files (gridFileNote) tells what is wrong instead.
  const suite::GridHeader& grid = result.header;
  suite::checkRunSize(mode, grid.nodeCount(),
                      "Το αρχείο «" + path + "» (" + std::to_string(grid.rows) + " γραμμές × " +
                          std::to_string(grid.columns) + " στήλες)",
                      holdsOnlyNumbers(result.title)
                          ? std::string()
                          : "Το pairsim χρησιμοποιεί κάθε κόμβο του αρχείου: διάλεξε αρχείο με "
                            "λιγότερους κόμβους, όπως ένα που γράφει το flightsim με μικρότερη "
                            "Βάση.");

  result.points.reserve(static_cast<std::size_t>(grid.nodeCount()));
  suite::GridHeight height;
  while (input.next(height)) {
    suite::GroundPoint point;
    point.x = grid.nodeX(height.column);
    point.y = grid.nodeY(height.row);
    point.z = height.z;
    if (replacementHeight != 0 && height.row == 3 && height.column == 5) {
      point.z = replacementHeight;
    }
    result.points.push_back(point);
  }
}

}  // namespace

PairResult runPairSimulation(RunMode mode, const suite::SimulationParameterTexts& texts,
                             const PairFiles& files, suite::ErrorList& errors,
                             suite::UniformSource& source) {
  if (const auto refusal = suite::refuseRun(mode, files.input, files.output)) {
    throw UserError(*refusal);
  }
  const std::string& input = *files.input;
  if (mode == RunMode::Simulate && suite::namesSameFile(*files.output, input)) {
    throw UserError("Το αρχείο εξόδου «" + *files.output +
                    "» είναι το ίδιο το αρχείο εισόδου και θα χανόταν. Διάλεξε άλλο όνομα.");
  }

  PairResult result;
  try {
    readInput(mode, input, suite::leadingNumber(texts.replacementHeight), result);
  } catch (const UserError& error) {
    throw UserError(error.what() + gridFileNote(input));
  }

  const suite::SimulationParameters parameters =
      suite::readSimulationParameters(texts, suite::SimilarityTerms::OffsetLast);
  const suite::ImageSimilarity& similarity = parameters.similarity;
  result.focalMm = parameters.focalMm;

  result.projection =
      suite::projectStereoPair(result.points, result.left, result.right, result.focalMm);
  if (mode == RunMode::Draw) return result;

  const suite::PhotoSimulationFileContent content =
      suite::simulatedFileContent(result, similarity, errors, source);
  suite::writePhotoSimulationFile(*files.output,
                                  suite::PhotoSimulationFileLayout::pairsim(result.title), content);
  return result;
}

}  // namespace pairsim
