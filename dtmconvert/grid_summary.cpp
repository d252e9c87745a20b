#include "dtmconvert/grid_summary.h"

#include <cmath>

#include "dtmconvert/grid_text.h"

namespace dtmconvert {

std::vector<std::string> summaryLines(const GridSummary& summary) {
  const suite::GridHeader& h = summary.header;
  std::vector<std::string> lines;
  lines.push_back("Πλέγμα: n = " + std::to_string(h.rows) +
                  " γραμμές, m = " + std::to_string(h.columns) + " στήλες, " +
                  std::to_string(h.nodeCount()) + " κόμβοι.");
  lines.push_back("Κελί: a = " + headerNumber(h.spacingX) + ", b = " + headerNumber(h.spacingY) +
                  "· βορειοδυτικός κόμβος X = " + headerNumber(h.xNorthWest) +
                  ", Y = " + headerNumber(h.yNorthWest) + ".");
  if (summary.systemName.empty()) {
    lines.push_back("Σύστημα: " + summary.systemWhy + ".");
  } else {
    lines.push_back("Σύστημα: " + summary.systemName + " (" + summary.systemWhy + ").");
  }
  if (std::isnan(summary.lowest)) {
    lines.push_back("Υψόμετρα: χωρίς δεδομένα στην περιοχή.");
  } else {
    lines.push_back(std::string("Υψόμετρα: ") + (summary.rangeEstimated ? "περίπου " : "") +
                    "από " + heightText(summary.lowest, summary.decimals) + " έως " +
                    heightText(summary.highest, summary.decimals) + ", με " +
                    std::to_string(summary.decimals) + " δεκαδικά.");
  }
  if (summary.filled > 0) {
    lines.push_back("Συμπληρώθηκαν από τους γείτονές τους " + std::to_string(summary.filled) +
                    (summary.filled == 1 ? " κόμβος χωρίς δεδομένα." : " κόμβοι χωρίς δεδομένα."));
  }
  for (std::string& line : suiteFitLines(h, summary.fit)) lines.push_back(std::move(line));
  return lines;
}

}  // namespace dtmconvert
