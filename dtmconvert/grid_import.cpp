#include "dtmconvert/grid_import.h"

#include <sys/stat.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "dtmconvert/grid_text.h"
#include "dtmconvert/sidecar.h"
#include "dtmconvert/warped_grid.h"
#include "text/same_file.h"
#include "text/text_file_writer.h"
#include "text/user_error.h"

namespace dtmconvert {

namespace {

using suite::UserError;

bool endsWithPrj(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".prj";
}

void checkOutput(const SourceRaster& source, const std::string& gridPath) {
  if (gridPath.empty()) throw UserError("Δεν δόθηκε όνομα για το αρχείο ΨΜΕ.");
  if (endsWithPrj(gridPath)) {
    throw UserError("Το αρχείο ΨΜΕ «" + gridPath +
                    "» δεν μπορεί να έχει την κατάληξη .prj, που παίρνει το αρχείο του "
                    "συστήματος συντεταγμένων δίπλα του. Διάλεξε άλλο όνομα, π.χ. με .dtm.");
  }
  const std::string& sourcePath = source.info().path;
  if (suite::namesSameFile(gridPath, sourcePath) ||
      suite::namesSameFile(sidecarPath(gridPath), sourcePath)) {
    throw UserError("Το αρχείο ΨΜΕ «" + gridPath +
                    "» θα έγραφε πάνω στην ίδια την πηγή. Διάλεξε άλλο όνομα.");
  }
}

[[noreturn]] void refuseNoData(const NoDataNodes& nodes, const suite::GridHeader& header) {
  const std::string count = std::to_string(nodes.count);
  throw UserError(
      (nodes.count == 1 ? "1 κόμβος του πλέγματος δεν έχει υψόμετρο"
                        : count + " κόμβοι του πλέγματος δεν έχουν υψόμετρο") +
      std::string(" (πέφτουν έξω από την πηγή ή σε κενά της)· ο πρώτος είναι ο κόμβος της "
                  "γραμμής ") +
      std::to_string(nodes.firstRow) + ", στήλης " + std::to_string(nodes.firstColumn) +
      " (X = " + headerNumber(header.nodeX(nodes.firstColumn)) +
      ", Y = " + headerNumber(header.nodeY(nodes.firstRow)) +
      "). Διάλεξε περιοχή μέσα στην πηγή ή τη συμπλήρωση των κενών από τους γείτονες.");
}

bool exists(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
}

}  // namespace

GridSummary plannedSummary(const SourceRaster& source, const ImportPlan& plan,
                           suite::TwipsSize screen) {
  GridSummary summary;
  summary.header = plan.header();
  summary.systemName = plan.system.name;
  if (!summary.systemName.empty() && plan.system.epsg)
    summary.systemName = "EPSG:" + std::to_string(*plan.system.epsg) + " " + summary.systemName;
  summary.systemWhy = plan.system.why;
  summary.lowest = summary.highest = NAN;
  summary.decimals = writtenDecimals(source.info().decimals);
  summary.fit = suiteFitOf(summary.header, screen);
  return summary;
}

ImportResult importGrid(const SourceRaster& source, const ImportRequest& request,
                        Progress& progress,
                        const std::function<void(const GridSummary&)>& beforeWriting) {
  checkOutput(source, request.gridPath);
  const ImportPlan plan = planImport(source, request.settings);
  ProgressStage warping(progress, 0.0, 0.8);
  WarpedGrid grid = warpToPlan(source, plan, warping);

  ImportResult result;
  result.summary = plannedSummary(source, plan, request.screen);
  const suite::GridHeader header = result.summary.header;
  const NoDataNodes missing = grid.noDataNodes();
  if (missing.count > 0) {
    if (!request.settings.fillNoData) refuseNoData(missing, header);
    ProgressStage filling(progress, 0.8, 0.9);
    grid.fillNoData(filling);
    const NoDataNodes left = grid.noDataNodes();
    if (left.count > 0) refuseNoData(left, header);
    result.summary.filled = missing.count;
  }
  reportOrStop(progress, 0.9);
  std::tie(result.summary.lowest, result.summary.highest) = grid.heightRange();
  if (beforeWriting) beforeWriting(result.summary);

  const int decimals = result.summary.decimals;
  ProgressStage writing(progress, 0.9, 1.0);
  std::vector<suite::FileContent> files;
  files.push_back({request.gridPath, [&](std::ostream& out) {
                     suite::writeLine(out, headerLine(header));
                     std::vector<double> heights;
                     std::string line;
                     for (std::int32_t row = 1; row <= header.rows; ++row) {
                       if (row % 64 == 0) reportOrStop(writing, double(row) / header.rows);
                       grid.readRow(row, heights);
                       line.clear();
                       for (std::size_t j = 0; j < heights.size(); ++j) {
                         if (j > 0) line += ',';
                         appendHeight(line, heights[j], decimals);
                       }
                       suite::writeLine(out, line);
                     }
                   }});
  result.sidecar = sidecarPath(request.gridPath);
  const std::string& wkt = plan.system.wkt;
  if (!wkt.empty()) {
    files.push_back({result.sidecar, [&wkt](std::ostream& out) { out << wkt; }});
    result.sidecarWritten = true;
  }
  suite::replaceFilesTogether(files);
  if (wkt.empty() && exists(result.sidecar)) {
    result.staleSidecarRemoved = std::remove(result.sidecar.c_str()) == 0;
  }
  // Written: a stop asked for now comes too late to matter.
  progress.report(1.0);
  return result;
}

}  // namespace dtmconvert
