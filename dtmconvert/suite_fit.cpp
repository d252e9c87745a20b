#include "dtmconvert/suite_fit.h"

#include <algorithm>
#include <cmath>

#include "dtm/held_nodes.h"
#include "map_shell/drawing_layout.h"
#include "map_shell/pixels_per_cell.h"
#include "stereo/photo_simulation.h"
#include "stereo/simulation_run.h"
#include "stereo/stereo_window.h"
#include "text/number_format.h"

namespace dtmconvert {

namespace {

/// Nodes of the stereo window flightsim keeps for an air base `base`, flown from a node in the
/// middle of a grid of these cells large enough that no edge cuts a window of the sizes that
/// matter (a few thousand nodes), yet small enough that its coordinates keep their fractions.
std::int64_t windowNodes(const suite::GridHeader& cells, double base) {
  constexpr std::int32_t kSide = std::int32_t{1} << 15;
  suite::GridHeader large = cells;
  large.rows = large.columns = kSide;
  large.xNorthWest = 0;
  large.yNorthWest = 0;
  const double leftX = large.nodeX(kSide / 2);
  const double leftY = large.nodeY(kSide / 2);
  return suite::stereoWindowOf(large, leftX, leftY, base).nodeCount();
}

/// The largest base whose window keeps within `most` nodes: the window grows with the base in
/// steps, so the base is bisected to where it steps over; 0 when a base of 0 is already over.
double largestBase(const suite::GridHeader& cells, std::int64_t most) {
  if (windowNodes(cells, 0) > most) return 0;
  double within = 0;
  double beyond = std::max(cells.spacingX, cells.spacingY);
  while (windowNodes(cells, beyond) <= most) beyond *= 2;
  for (int step = 0; step < 80; ++step) {
    const double middle = (within + beyond) / 2;
    if (middle <= within || middle >= beyond) break;
    (windowNodes(cells, middle) <= most ? within : beyond) = middle;
  }
  return within;
}

std::string count(std::int64_t value) {
  return std::to_string(value);
}

/// A base for the user: whole ground units, or the two-decimal cut below 10.
std::string baseText(double base) {
  if (base >= 10) return count(static_cast<std::int64_t>(std::floor(base)));
  return suite::numberText(suite::cutTwoDecimals(base)).substr(1);
}

}  // namespace

SuiteFit suiteFitOf(const suite::GridHeader& header, suite::TwipsSize screen) {
  SuiteFit fit;
  const std::int64_t nodes = header.nodeCount();

  fit.stereoMostDrawn = suite::kMostRunNodes;
  fit.stereoMostSimulated = suite::kMostSimulatedPoints;
  fit.wholeGridDrawn = nodes <= fit.stereoMostDrawn;
  fit.wholeGridSimulated = nodes <= fit.stereoMostSimulated;
  fit.largestBaseDrawn = largestBase(header, fit.stereoMostDrawn);
  fit.largestBaseSimulated = largestBase(header, fit.stereoMostSimulated);

  fit.perspectiveMostNodes = suite::mostNodesInMemory();
  fit.perspectiveDraws = nodes >= 2 && nodes <= fit.perspectiveMostNodes;

  fit.cellGridMostNodes = suite::kMostHeldNodes;
  fit.cellGridHeld = nodes <= fit.cellGridMostNodes;
  fit.hasCells = header.rows >= 2 && header.columns >= 2;

  fit.screen = screen;
  const suite::DrawingWindowLayout layout = suite::drawingWindowLayout(screen.width, screen.height);
  fit.mostColumnsDrawn = suite::mostNodesAcross(layout.pictureWidth);
  fit.mostRowsDrawn = suite::mostNodesAcross(layout.pictureHeight);
  if (fit.hasCells) {
    const suite::PixelsPerCell cells =
        suite::pixelsPerCell(layout.pictureWidth, layout.pictureHeight, header.rows, header.columns,
                             suite::ScaleMode::Uniform);
    fit.pixelsPerCellX = cells.alongX;
    fit.pixelsPerCellY = cells.alongY;
  }
  return fit;
}

std::vector<std::string> suiteFitLines(const suite::GridHeader& header, const SuiteFit& fit) {
  std::vector<std::string> lines;
  const std::string nodes = count(header.nodeCount());

  std::string flight = "flightsim: το στερεοσκοπικό παράθυρο κρατά έως " +
                       count(fit.stereoMostDrawn) + " κόμβους στη σχεδίαση και " +
                       count(fit.stereoMostSimulated) + " στην προσομοίωση· ";
  if (fit.wholeGridSimulated) {
    flight += "όλο το πλέγμα (" + nodes + " κόμβοι) χωρά και στα δύο.";
  } else {
    flight += "με αυτά τα κελιά χωρά βάση έως " + baseText(fit.largestBaseDrawn) +
              " στη σχεδίαση και έως " + baseText(fit.largestBaseSimulated) + " στην προσομοίωση";
    flight += fit.wholeGridDrawn ? " (στη σχεδίαση χωρά όλο το πλέγμα)." : ".";
  }
  lines.push_back(flight);

  if (fit.perspectiveDraws) {
    lines.push_back("vantage: σχεδιάζει το προοπτικό και των " + nodes + " κόμβων (όριο " +
                    count(fit.perspectiveMostNodes) + ").");
  } else if (header.nodeCount() < 2) {
    lines.push_back("vantage: ένας κόμβος δεν δίνει προοπτικό.");
  } else {
    lines.push_back("vantage: δεν σχεδιάζει το προοπτικό: " + nodes +
                    " κόμβοι, περισσότεροι από τους " + count(fit.perspectiveMostNodes) + ".");
  }

  if (!fit.cellGridHeld) {
    lines.push_back("cellinterp: δεν κρατά το πλέγμα: " + nodes +
                    " κόμβοι, περισσότεροι από τους " + count(fit.cellGridMostNodes) + ".");
  } else if (!fit.hasCells) {
    lines.push_back("cellinterp: το πλέγμα δεν έχει κελί (χρειάζονται 2 γραμμές και 2 στήλες).");
  } else {
    lines.push_back("cellinterp: παρεμβάλλει σε κελιά με γραμμή 1 έως " + count(header.rows - 1) +
                    " και στήλη 1 έως " + count(header.columns - 1) + ".");
  }

  const std::string screen = count(fit.screen.width / 15) + " × " + count(fit.screen.height / 15);
  if (!fit.hasCells) {
    lines.push_back("isolines: το πλέγμα δεν έχει κελί και δεν σχεδιάζονται ισοϋψείς.");
  } else if (fit.pixelsPerCellX == 0) {
    lines.push_back("isolines: σε οθόνη " + screen +
                    " ο χάρτης δεν θα δείξει τίποτα: κάθε κελί παίρνει 0 εικονοστοιχεία (ο "
                    "χάρτης χωρά έως " +
                    count(fit.mostColumnsDrawn) + " στήλες και " + count(fit.mostRowsDrawn) +
                    " γραμμές).");
  } else {
    lines.push_back("isolines: σε οθόνη " + screen + " κάθε κελί γίνεται " +
                    count(fit.pixelsPerCellX) + " × " + count(fit.pixelsPerCellY) +
                    " εικονοστοιχεία.");
  }
  return lines;
}

}  // namespace dtmconvert
