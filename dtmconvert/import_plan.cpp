#include "dtmconvert/import_plan.h"

#include <cmath>
#include <limits>

#include "dtmconvert/cell_size.h"
#include "dtmconvert/grid_text.h"
#include "text/user_error.h"

namespace dtmconvert {

namespace {

using suite::UserError;

/// A little of a cell, so that an edge a last bit off a lattice line counts as on it.
constexpr double kSlack = 1e-9;

bool keepsSourceLattice(const SourceRaster& source, const TargetSystem& system) {
  return !system.reprojected && source.info().northUp;
}

struct Lattice {
  double originX = 0;
  double originY = 0;
  double cellX = 0;
  double cellY = 0;
};

Lattice latticeOf(const SourceRaster& source, const ImportPlan& plan) {
  Lattice lattice{0, 0, plan.cellX, plan.cellY};
  if (keepsSourceLattice(source, plan.system)) {
    lattice.originX = source.info().geoTransform[0];
    lattice.originY = source.info().geoTransform[3];
  }
  return lattice;
}

/// `inner` shrunk to whole cells of `lattice`.
GroundBounds onLattice(const GroundBounds& inner, const Lattice& lattice) {
  const double ox = lattice.originX;
  const double oy = lattice.originY;
  const double a = lattice.cellX;
  const double b = lattice.cellY;
  GroundBounds snapped;
  snapped.west = ox + std::ceil((inner.west - ox) / a - kSlack) * a;
  snapped.east = ox + std::floor((inner.east - ox) / a + kSlack) * a;
  snapped.north = oy + std::floor((inner.north - oy) / b + kSlack) * b;
  snapped.south = oy + std::ceil((inner.south - oy) / b - kSlack) * b;
  if (!(snapped.east - snapped.west >= a * (1 - kSlack)) ||
      !(snapped.north - snapped.south >= b * (1 - kSlack))) {
    throw UserError("Η περιοχή δεν χωρά ούτε ένα κελί " + headerNumber(a) + " × " +
                    headerNumber(b) + ": διάλεξε μεγαλύτερη περιοχή ή μικρότερο κελί.");
  }
  return snapped;
}

/// The cells of `extent` along one side, refused beyond 32 bits.
std::int32_t cellsAcross(double extent, double cell, const char* side) {
  const double cells = std::max(1.0, std::round(extent / cell));
  if (!(cells <= std::numeric_limits<std::int32_t>::max())) {
    throw UserError(std::string("Το πλέγμα θα είχε περισσότερες ") + side +
                    " από όσες χωρά το αρχείο ΨΜΕ: διάλεξε μεγαλύτερο κελί ή μικρότερη περιοχή.");
  }
  return static_cast<std::int32_t>(cells);
}

void checkCell(const std::optional<double>& cell, const char* name) {
  if (cell && !(*cell > 0 && std::isfinite(*cell))) {
    throw UserError(std::string("Το κελί ") + name +
                    " πρέπει να είναι θετικός αριθμός, σε μονάδες του συστήματος του πλέγματος.");
  }
}

void checkBounds(const GroundBounds& bounds) {
  const bool finite = std::isfinite(bounds.west) && std::isfinite(bounds.south) &&
                      std::isfinite(bounds.east) && std::isfinite(bounds.north);
  if (!finite || !(bounds.west < bounds.east) || !(bounds.south < bounds.north)) {
    throw UserError(
        "Τα όρια της περιοχής δίνονται ως Δ, Ν, Α, Β (δυτικό, νότιο, ανατολικό, βόρειο άκρο) "
        "στο σύστημα του πλέγματος, με το δυτικό μικρότερο από το ανατολικό και το νότιο "
        "μικρότερο από το βόρειο.");
  }
}

/// The lengths on the ground of one pixel step along a row and down a column at the centre.
std::pair<double, double> pixelStepsOnGround(const SourceRaster& source,
                                             const GroundTransform& transform) {
  const double cx = source.info().width / 2.0;
  const double cy = source.info().height / 2.0;
  std::vector<PlanePoint> points{{cx, cy}, {cx + 1, cy}, {cx, cy + 1}};
  const std::vector<bool> ok = transform.toGround(points);
  if (!ok[0] || !ok[1] || !ok[2]) {
    throw UserError(
        "Το κέντρο της πηγής δεν μετασχηματίζεται στο σύστημα του πλέγματος, για να βρεθεί το "
        "κελί: γράψε το κελί a, b.");
  }
  const double alongRow = std::hypot(points[1].x - points[0].x, points[1].y - points[0].y);
  const double downColumn = std::hypot(points[2].x - points[0].x, points[2].y - points[0].y);
  if (!(alongRow > 0) || !(downColumn > 0)) {
    throw UserError(
        "Η ανάλυση της πηγής στο σύστημα του πλέγματος δεν βρίσκεται: γράψε το κελί a, b.");
  }
  return {alongRow, downColumn};
}

}  // namespace

suite::GridHeader ImportPlan::header() const {
  suite::GridHeader header;
  header.rows = rows;
  header.columns = columns;
  header.xNorthWest = left + cellX / 2;
  header.yNorthWest = top - cellY / 2;
  header.spacingX = cellX;
  header.spacingY = cellY;
  return header;
}

std::unique_ptr<GroundTransform> groundTransformOf(const SourceRaster& source,
                                                   const TargetSystem& system) {
  return std::make_unique<GroundTransform>(source.dataset(),
                                           system.reprojected ? system.wkt : std::string());
}

ImportPlan planImport(const SourceRaster& source, const ImportSettings& settings) {
  checkCell(settings.cellX, "a");
  checkCell(settings.cellY, "b");
  if (settings.bounds) checkBounds(*settings.bounds);

  ImportPlan plan;
  plan.system = chooseTargetSystem(source, settings.epsg);
  const auto transform = groundTransformOf(source, plan.system);
  const SourceInfo& info = source.info();
  if (keepsSourceLattice(source, plan.system)) {
    plan.defaultCellX = info.geoTransform[1];
    plan.defaultCellY = -info.geoTransform[5];
  } else {
    const auto [alongRow, downColumn] = pixelStepsOnGround(source, *transform);
    plan.defaultCellX = roundCellSize(alongRow);
    plan.defaultCellY = roundCellSize(downColumn);
  }
  plan.cellX = settings.cellX.value_or(plan.defaultCellX);
  plan.cellY = settings.cellY.value_or(settings.cellX.value_or(plan.defaultCellY));

  const Lattice lattice = latticeOf(source, plan);
  const PixelRect all{0, 0, static_cast<double>(info.width), static_cast<double>(info.height)};
  if (keepsSourceLattice(source, plan.system)) {
    const auto& t = info.geoTransform;
    plan.whole =
        onLattice({t[0], t[3] + info.height * t[5], t[0] + info.width * t[1], t[3]}, lattice);
  } else {
    plan.whole = onLattice(innerGroundBounds(*transform, all), lattice);
  }

  const GroundBounds area = settings.bounds.value_or(plan.whole);
  plan.wholeSource = !settings.bounds;
  plan.resampling = settings.resampling;
  plan.left = area.west;
  plan.top = area.north;
  plan.columns = cellsAcross(area.east - area.west, plan.cellX, "στήλες");
  plan.rows = cellsAcross(area.north - area.south, plan.cellY, "γραμμές");
  if (plan.nodeCount() > kMostImportNodes) {
    throw UserError("Το πλέγμα θα είχε " + std::to_string(plan.rows) + " × " +
                    std::to_string(plan.columns) + " = " + std::to_string(plan.nodeCount()) +
                    " κόμβους, περισσότερους από τους " + std::to_string(kMostImportNodes) +
                    " που κρατά το πολύ πρόγραμμα της σειράς: διάλεξε μεγαλύτερο κελί ή "
                    "μικρότερη περιοχή.");
  }
  return plan;
}

GroundBounds boundsOfPixels(const SourceRaster& source, const ImportPlan& plan,
                            const PixelRect& pixels) {
  const auto transform = groundTransformOf(source, plan.system);
  return onLattice(innerGroundBounds(*transform, pixels), latticeOf(source, plan));
}

}  // namespace dtmconvert
