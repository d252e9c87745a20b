// Whole contour drawings at the 1920 × 1080 layout, painted into a real picture box sized to
// the contour map window's Picture1 (1279 × 829 pixels):
// - samples/maunga-whau.dtm at contour interval 1: 61 × 87 nodes, 13 pixels a cell, a map of
//   1118 × 780 pixels with the hundred levels from 95 to 194;
// - a 500 × 700 grid of random heights at interval 1: one pixel a cell, a map of 699 × 499
//   pixels with a pixel set in nearly every position, the most a map of that size can paint.
// Each is timed whole (reading, computing, clearing and painting the picture) and in parts:
// reading the file alone, computing the map (which includes the reading), painting a computed
// map.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "dtm/grid_reader.h"
#include "gui/picture_box.h"
#include "gui/twips.h"
#include "isolines/contour_run.h"

namespace {

constexpr int kScreenWidthTwips = 1920 * 15;
constexpr int kScreenHeightTwips = 1080 * 15;

// Heights 100.00 … 999.99 from a fixed linear congruential sequence, one grid row per line.
void writeRandomGrid(const std::filesystem::path& path, int rows, int columns) {
  std::ofstream out(path, std::ios::binary);
  out << rows << ',' << columns << ",0,0,10,10\n";
  std::uint64_t state = 2024;
  char number[32];
  for (int i = 0; i < rows; ++i) {
    std::string line;
    for (int j = 0; j < columns; ++j) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      const double height = 100.0 + static_cast<double>((state >> 33) % 90000) / 100.0;
      const auto end =
          std::to_chars(number, number + sizeof number, height, std::chars_format::fixed, 2).ptr;
      line.append(number, end).push_back(j + 1 < columns ? ',' : '\n');
    }
    out << line;
  }
}

isolines::ContourRunInput inputFor(const std::string& path) {
  return {path, 1.0f, suite::ScaleMode::Uniform, kScreenWidthTwips, kScreenHeightTwips};
}

// The map window's Picture1 at the 1920 × 1080 layout.
class MapPicture {
 public:
  MapPicture() {
    const suite::DrawingWindowLayout layout =
        suite::drawingWindowLayout(kScreenWidthTwips, kScreenHeightTwips);
    box_.resize(suite::sizeFromTwips(layout.pictureWidth, layout.pictureHeight));
  }
  // Clears the picture, paints the map and reads the image back, which ends the painting.
  void show(const isolines::ContourMap& map) {
    box_.clear();
    map.paint(box_);
    benchmark::DoNotOptimize(box_.image().constBits());
  }

 private:
  suite::PictureBox box_;
};

void addCounters(benchmark::State& state, const isolines::ContourMap& map) {
  state.counters["map_pixels"] = static_cast<double>(map.raster.width()) * map.raster.height();
  state.counters["set_pixels"] = static_cast<double>(map.raster.setCount());
}

void BM_Read(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    suite::GridReader reader(path);
    suite::GridHeight height;
    double sum = 0;
    while (reader.next(height)) sum += height.z;
    benchmark::DoNotOptimize(sum);
  }
}

void BM_Compute(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    const isolines::ContourMap map = isolines::computeContourMap(inputFor(path));
    benchmark::DoNotOptimize(map.raster.width());
  }
  addCounters(state, isolines::computeContourMap(inputFor(path)));
}

void BM_Paint(benchmark::State& state, const std::string& path) {
  const isolines::ContourMap map = isolines::computeContourMap(inputFor(path));
  MapPicture picture;
  for (auto _ : state) picture.show(map);
  addCounters(state, map);
}

void BM_Whole(benchmark::State& state, const std::string& path) {
  MapPicture picture;
  for (auto _ : state) picture.show(isolines::computeContourMap(inputFor(path)));
}

void registerDrawings(const std::string& name, const std::string& path) {
  for (const auto& [part, function] : {std::pair{"Read", &BM_Read},
                                       {"Compute", &BM_Compute},
                                       {"Paint", &BM_Paint},
                                       {"Whole", &BM_Whole}}) {
    benchmark::RegisterBenchmark(("BM_" + name + "/" + part).c_str(), function, path)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("isolines_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path randomGrid = folder / "random-500x700.dtm";
  writeRandomGrid(randomGrid, 500, 700);

  registerDrawings("MaungaWhauInterval1", SUITE_SAMPLES "/maunga-whau.dtm");
  registerDrawings("Random500x700Interval1", randomGrid.string());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return 0;
}
