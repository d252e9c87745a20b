// Reading speed of the DTM grid reader on a large generated grid, and its peak memory; and the
// time of a whole flightsim Simulate run over the same grid, which streams it the same way and
// should cost little more than the reading itself.
//
// Generates a 3000 x 5000 grid (about 120 MB of text: heights such as "123.45" separated by
// ", ", one grid row per line) once in a temporary folder, then reads it with GridReader and
// sums the heights. Reports bytes per second of file text and the peak resident memory of the
// process, which stays at a few MiB whatever the size of the file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/bench_grid.h"
#include "dtm/grid_reader.h"
#include "flightsim/flight_simulation.h"

namespace {

constexpr int kRows = 3000;
constexpr int kColumns = 5000;

std::filesystem::path gGridPath;
std::uintmax_t gGridBytes = 0;

// Heights between 100.00 and 999.99.
void writeGrid(const std::filesystem::path& path) {
  bench::writeGrid(path, kRows, kColumns, "632000,4132000,10,10",
                   [](int, int, std::uint64_t random) {
                     return 100.0 + static_cast<double>(random % 90000) / 100.0;
                   });
}

using bench::peakResidentMiB;

void BM_GridReaderSumsHeights(benchmark::State& state) {
  double sum = 0;
  for (auto _ : state) {
    suite::GridReader reader(gGridPath.string());
    suite::GridHeight height;
    sum = 0;
    while (reader.next(height)) sum += height.z;
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(gGridBytes));
  state.counters["file_MiB"] = static_cast<double>(gGridBytes) / (1024.0 * 1024.0);
  state.counters["peak_rss_MiB"] = peakResidentMiB();
  state.counters["height_sum"] = sum;
}
BENCHMARK(BM_GridReaderSumsHeights)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A Simulate run over the middle of the grid: a base of 100 m on the 10 m grid keeps a window
// of 21 x 11 nodes, writes the photo simulation and stereo DTM files, and reads every height.
void BM_SimulateRunOverTheSameGrid(benchmark::State& state) {
  flightsim::FlightFiles files;
  files.dtm = gGridPath.string();
  files.photoSim = (gGridPath.parent_path() / "photo.txt").string();
  files.stereoDtm = (gGridPath.parent_path() / "stereo.dtm").string();
  flightsim::FlightParameterTexts texts;
  texts.flight.leftX = "657000";
  texts.flight.leftY = "4117000";
  texts.flight.base = "100";
  suite::ErrorList errors;
  suite::ClockUniformSource source;
  std::size_t nodes = 0;
  for (auto _ : state) {
    const auto result =
        flightsim::runFlightSimulation(flightsim::RunMode::Simulate, texts, files, errors, source);
    nodes = result.points.size();
    benchmark::DoNotOptimize(result.projection.extremes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(gGridBytes));
  state.counters["window_nodes"] = static_cast<double>(nodes);
  state.counters["peak_rss_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_SimulateRunOverTheSameGrid)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("grid_reader_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  gGridPath = folder / "grid-3000x5000.dtm";
  writeGrid(gGridPath);
  gGridBytes = std::filesystem::file_size(gGridPath);
  std::cerr << "Peak memory before reading: " << peakResidentMiB() << " MiB\n";

  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return 0;
}
