// dtmconvert's conversions, each whole: GDAL opening, warping or contouring, and the writing.
// - import: a 2000 × 2000 GeoTIFF of single-precision heights (5 m pixels, Greek Grid) into a
//   400 × 400 DTM grid file of 25 m cells, bilinear, in its own system and reprojected to UTM;
// - contours: a 1000 × 1000 DTM grid file of smooth hills (10 m cells, 100 to 900 m) into a
//   GeoPackage at interval 10;
// - GeoTIFF: the same grid out as a GeoTIFF.
// The 10000 × 10000 → 2000 × 2000 import and the 1000 × 1000 contours beside gdalwarp and
// gdal_contour are measured with /usr/bin/time by bench/dtmconvert_figures.sh.

#include <benchmark/benchmark.h>
#include <gdal.h>
#include <ogr_spatialref.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "bench/bench_grid.h"
#include "dtmconvert/grid_export.h"
#include "dtmconvert/grid_import.h"

namespace {

namespace fs = std::filesystem;

double hills(double x, double y) {
  return 500 + 250 * std::sin(x / 900) * std::cos(y / 1300) + 150 * std::cos((x + y) / 2100);
}

const fs::path& folder() {
  static const fs::path path = [] {
    fs::path made = fs::temp_directory_path() / "dtmconvert_bench";
    fs::create_directories(made);
    return made;
  }();
  return path;
}

/// A 2000 × 2000 GeoTIFF of hills, 5 m pixels from (400000, 4210000) in EPSG:2100.
std::string source() {
  const fs::path path = folder() / "source-2000.tif";
  if (fs::exists(path)) return path.string();
  GDALAllRegister();
  constexpr int kSide = 2000;
  GDALDatasetH dataset =
      GDALCreate(GDALGetDriverByName("GTiff"), path.c_str(), kSide, kSide, 1, GDT_Float32, nullptr);
  double transform[6] = {400000, 5, 0, 4210000, 0, -5};
  GDALSetGeoTransform(dataset, transform);
  OGRSpatialReference greekGrid;
  greekGrid.importFromEPSG(2100);
  GDALSetSpatialRef(dataset, OGRSpatialReference::ToHandle(&greekGrid));
  std::vector<float> row(kSide);
  for (int r = 0; r < kSide; ++r) {
    for (int c = 0; c < kSide; ++c) row[c] = static_cast<float>(hills(c * 5.0, r * 5.0));
    if (GDALRasterIO(GDALGetRasterBand(dataset, 1), GF_Write, 0, r, kSide, 1, row.data(), kSide, 1,
                     GDT_Float32, 0, 0) != CE_None) {
      break;
    }
  }
  GDALClose(dataset);
  return path.string();
}

/// A 1000 × 1000 DTM grid file of hills, 10 m cells.
std::string grid() {
  const fs::path path = folder() / "grid-1000.dtm";
  if (!fs::exists(path)) {
    bench::writeGrid(path, 1000, 1000, "300000,4300000,10,10",
                     [](int i, int j, std::uint64_t) { return hills(j * 10.0, i * 10.0); });
  }
  return path.string();
}

void import(benchmark::State& state, std::optional<int> epsg) {
  const dtmconvert::SourceRaster raster(source());
  dtmconvert::ImportRequest request;
  request.gridPath = (folder() / "imported.dtm").string();
  request.settings.cellX = 25;
  request.settings.epsg = epsg;
  dtmconvert::NoProgress quiet;
  for (auto _ : state) {
    const dtmconvert::ImportResult result = dtmconvert::importGrid(raster, request, quiet);
    benchmark::DoNotOptimize(result.summary.lowest);
  }
  state.counters["nodes"] = 400.0 * 400.0;
  state.counters["peak_MiB"] = bench::peakResidentMiB();
}

void BM_ImportInItsOwnSystem(benchmark::State& state) {
  import(state, std::nullopt);
}
BENCHMARK(BM_ImportInItsOwnSystem)->Unit(benchmark::kMillisecond);

void BM_ImportReprojectedToUtm(benchmark::State& state) {
  import(state, 32634);
}
BENCHMARK(BM_ImportReprojectedToUtm)->Unit(benchmark::kMillisecond);

void BM_ContoursToGeoPackage(benchmark::State& state) {
  const std::string path = grid();
  dtmconvert::NoProgress quiet;
  for (auto _ : state) {
    const dtmconvert::GridRaster raster(path, quiet);
    const dtmconvert::ContourResult result =
        dtmconvert::writeContours(raster, (folder() / "contours.gpkg").string(), 10, quiet);
    state.counters["lines"] = static_cast<double>(result.lines);
  }
  state.counters["peak_MiB"] = bench::peakResidentMiB();
}
BENCHMARK(BM_ContoursToGeoPackage)->Unit(benchmark::kMillisecond);

void BM_GeoTiffExport(benchmark::State& state) {
  const std::string path = grid();
  dtmconvert::NoProgress quiet;
  for (auto _ : state) {
    const dtmconvert::GridRaster raster(path, quiet);
    dtmconvert::writeGeoTiff(raster, (folder() / "grid.tif").string(), quiet);
  }
  state.counters["peak_MiB"] = bench::peakResidentMiB();
}
BENCHMARK(BM_GeoTiffExport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
