#pragma once

#include <memory>
#include <optional>

#include "pairsim/pair_simulation.h"
#include "simulator_shell/simulator_window.h"

namespace pairsim {

/// pairsim's main window, Form1, on the simulators' shared design (suite::SimulatorWindow):
/// the simulation parameters (Frame1, captioned in English "Simulation parameters") and the
/// simulation data (Frame2, "Δεδομένα προσομοίωσης"): the input stereo DTM file, the output
/// photo simulation file and the commands. There is no orientation frame: both exterior
/// orientations come from the input file. The window owns the program's state; the parameters
/// stay in the boxes, which each run reads afresh.
class MainWindow : public suite::SimulatorWindow {
  Q_OBJECT

 public:
  /// `source` gives the random numbers of every run (see suite::SimulatorState).
  explicit MainWindow(suite::Dialogs& dialogs,
                      std::unique_ptr<suite::UniformSource> source = nullptr,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  const PairState& state() const { return state_; }

  /// The measures of the latest drawing, nothing before the first one.
  const std::optional<suite::PhotoPairGeometry>& lastDrawing() const { return lastDrawing_; }

 protected:
  void run(RunMode mode) override;

 private:
  PairState state_;
  std::optional<suite::PhotoPairGeometry> lastDrawing_;
};

}  // namespace pairsim
