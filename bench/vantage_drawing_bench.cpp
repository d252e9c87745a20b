// Time and memory of vantage's first perspective drawing of a 1000 x 1000 grid on a
// 1920 x 1080 screen, split into its parts: the first reading (model frame and highest
// height), the projection and scaling (which reads the file again), the painting of the wire
// frame and panel into real picture boxes (and, for the painting's own share, onto a canvas
// that only counts), and the whole first drawing.
//
//   vantage_drawing_bench [--grid=N] [benchmark options]
//       the benchmarks, over an N x N grid (1000 unless given)
//   vantage_drawing_bench [--grid=N] --once
//       instead: one whole first drawing, each part timed once, with the memory it took (run
//       as its own process, the peak is the drawing's own): --grid=5000 --once for the large
//       figure
//
// The grid (heights such as "123.45" separated by ", ", one grid row per line) is generated
// once into a temporary folder and removed at the end.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "bench/bench_grid.h"
#include "gui/picture_box.h"
#include "gui/twips.h"
#include "vantage/vantage_actions.h"

namespace {

std::filesystem::path gGridPath;
const suite::DrawingWindowLayout kLayout = suite::drawingWindowLayout(1920 * 15, 1080 * 15);

// Rolling terrain of 10 m cells, 100 … 400 m high, with a centimetre-sized ripple.
void writeGrid(const std::filesystem::path& path, int size) {
  bench::writeGrid(
      path, size, size, "632000,4132000,10,10", [](int i, int j, std::uint64_t random) {
        return 250 + 100 * std::sin(i / 60.0) * std::cos(j / 85.0) +
               50 * std::sin((i + j) / 200.0) + static_cast<double>(random % 100) / 100.0;
      });
}

using bench::peakResidentMiB;

double residentMiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGE_SIZE)) /
         (1024.0 * 1024.0);
}

vantage::PerspectiveInput gridInput() {
  vantage::PerspectiveInput input;
  input.dtmPath = gGridPath.string();
  return input;
}

// Picture1 and Picture2 of the perspective window, sized as the layout sets them.
struct PictureBoxes {
  suite::PictureBox picture;
  suite::PictureBox panel;
  PictureBoxes() {
    picture.resize(suite::twipsToPixels(kLayout.pictureWidth),
                   suite::twipsToPixels(kLayout.pictureHeight));
    panel.resize(suite::twipsToPixels(kLayout.panelWidth),
                 suite::twipsToPixels(kLayout.pictureHeight));
  }
  void paint(const vantage::PerspectiveDrawing& drawing) {
    vantage::paintPerspective(drawing, picture, panel);
    // Ends the painter, so every line is in the image.
    benchmark::DoNotOptimize(picture.image().constBits());
    benchmark::DoNotOptimize(panel.image().constBits());
  }
};

vantage::PerspectiveView firstView() {
  const vantage::ModelFrame frame = vantage::readModelFrame(gGridPath.string());
  vantage::PerspectiveView view;
  view.centre = vantage::defaultProjectionCentre(frame);
  view.centre.z = 100 + frame.heightMax;
  view.pictureWidthTwips = kLayout.pictureWidth;
  view.pictureHeightTwips = kLayout.pictureHeight;
  return view;
}

void BM_FirstReading(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(vantage::readModelFrame(gGridPath.string()).heightMax);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(gGridPath)));
}
BENCHMARK(BM_FirstReading)->Unit(benchmark::kMillisecond);

// Reading the file again is part of it: compare with BM_FirstReading for the projection alone.
void BM_ProjectionAndScaling(benchmark::State& state) {
  const vantage::PerspectiveView view = firstView();
  for (auto _ : state) {
    const vantage::PerspectiveDrawing drawing =
        vantage::projectPerspective(gGridPath.string(), view);
    benchmark::DoNotOptimize(drawing.nodes.data());
  }
}
BENCHMARK(BM_ProjectionAndScaling)->Unit(benchmark::kMillisecond);

void BM_PaintingIntoPictureBoxes(benchmark::State& state) {
  const vantage::PerspectiveDrawing drawing =
      vantage::projectPerspective(gGridPath.string(), firstView());
  PictureBoxes boxes;
  for (auto _ : state) boxes.paint(drawing);
  state.counters["lines"] =
      static_cast<double>(2 * drawing.nodes.size() - drawing.rows - drawing.columns);
}
BENCHMARK(BM_PaintingIntoPictureBoxes)->Unit(benchmark::kMillisecond);

// A canvas that only counts what it is given: the painting's own cost, without the picture box.
class CountingCanvas : public suite::Canvas {
 public:
  void clear() override {}
  void setLineWidth(int) override {}
  void setPoint(double, double, std::optional<suite::Rgb>) override { ++points; }
  void lineTo(double, double, std::optional<suite::Rgb>) override { ++lines; }
  void polyline(const suite::TwipsPoint* p, std::size_t count, std::optional<suite::Rgb>) override {
    benchmark::DoNotOptimize(p[count - 1].x);
    ++points;
    lines += count - 1;
  }
  void printLine(std::string_view) override {}
  double widthTwips() const override { return kLayout.pictureWidth; }
  double heightTwips() const override { return kLayout.pictureHeight; }
  std::size_t points = 0;
  std::size_t lines = 0;
};

void BM_PaintingOntoACountingCanvas(benchmark::State& state) {
  const vantage::PerspectiveDrawing drawing =
      vantage::projectPerspective(gGridPath.string(), firstView());
  CountingCanvas picture;
  CountingCanvas panel;
  for (auto _ : state) vantage::paintPerspective(drawing, picture, panel);
}
BENCHMARK(BM_PaintingOntoACountingCanvas)->Unit(benchmark::kMillisecond);

// The memory a drawing takes is measured by --once, in a process of its own.
void BM_WholeFirstDrawing(benchmark::State& state) {
  PictureBoxes boxes;
  for (auto _ : state) {
    vantage::VantageState vantageState;
    boxes.paint(vantage::runPerspectiveDrawing(vantageState, gridInput(), kLayout));
  }
  state.counters["peak_rss_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_WholeFirstDrawing)->Unit(benchmark::kMillisecond);

// One whole first drawing, its parts timed one by one.
int timeOneDrawing(int size) {
  using Clock = std::chrono::steady_clock;
  const auto ms = [](Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
  };
  PictureBoxes boxes;
  boxes.paint(vantage::PerspectiveDrawing{});  // the images exist before the drawing
  const double peakBefore = peakResidentMiB();
  const double residentBefore = residentMiB();

  vantage::VantageState state;
  const Clock::time_point t0 = Clock::now();
  state.frame = vantage::readModelFrame(gGridPath.string());
  state.centre = vantage::defaultProjectionCentre(state.frame);
  state.viewSetUp = true;
  const Clock::time_point t1 = Clock::now();
  const vantage::PerspectiveDrawing& drawing =
      vantage::runPerspectiveDrawing(state, gridInput(), kLayout);
  const Clock::time_point t2 = Clock::now();
  boxes.paint(drawing);
  const Clock::time_point t3 = Clock::now();

  const double storeMiB =
      static_cast<double>(drawing.nodes.capacity() * sizeof(vantage::PictureNode)) /
      (1024.0 * 1024.0);
  std::printf("grid %d x %d, file %.1f MiB\n", size, size,
              static_cast<double>(std::filesystem::file_size(gGridPath)) / (1024.0 * 1024.0));
  std::printf("first reading          %8.1f ms\n", ms(t1 - t0));
  std::printf("reading again, projecting and scaling %8.1f ms\n", ms(t2 - t1));
  std::printf("painting               %8.1f ms\n", ms(t3 - t2));
  std::printf("whole first drawing    %8.1f ms\n", ms(t3 - t0));
  std::printf("point store            %8.1f MiB\n", storeMiB);
  std::printf("resident growth        %8.1f MiB\n", residentMiB() - residentBefore);
  std::printf("peak resident growth   %8.1f MiB (peak %.1f MiB)\n", peakResidentMiB() - peakBefore,
              peakResidentMiB());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int size = 1000;
  bool once = false;
  int kept = 1;
  for (int k = 1; k < argc; ++k) {
    if (std::strncmp(argv[k], "--grid=", 7) == 0) {
      size = std::max(1, std::atoi(argv[k] + 7));
    } else if (std::strcmp(argv[k], "--once") == 0) {
      once = true;
    } else {
      argv[kept++] = argv[k];
    }
  }
  argc = kept;
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);

  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("vantage_drawing_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  gGridPath = folder / ("grid-" + std::to_string(size) + ".dtm");
  writeGrid(gGridPath, size);

  int status = 0;
  if (once) {
    status = timeOneDrawing(size);
  } else if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    status = 1;
  } else {
    benchmark::RunSpecifiedBenchmarks();
  }
  benchmark::Shutdown();

  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return status;
}
