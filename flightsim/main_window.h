#pragma once

#include <array>
#include <memory>

#include "flightsim/flight_simulation.h"
#include "flightsim/flight_state.h"
#include "simulator_shell/simulator_window.h"

class QLineEdit;

namespace suite {
class Dialogs;
class UniformSource;
}  // namespace suite

namespace flightsim {

/// flightsim's main window, Form1, on the simulators' shared design (suite::SimulatorWindow):
/// the simulation parameters (Frame1, "Παράμετροι προσομοίωσης"), the projection centre of the
/// left photo (Frame3), and the three file choices with the commands (Frame2). Controls are
/// placed in twips as designed and carry their design names as objectName ("Text2(3)",
/// "Command1"). The window owns the program's state; the parameters stay in the boxes, which
/// each run reads afresh.
class MainWindow : public suite::SimulatorWindow {
  Q_OBJECT

 public:
  /// `source` gives the random numbers of every run; null means the program's clock source.
  explicit MainWindow(suite::Dialogs& dialogs,
                      std::unique_ptr<suite::UniformSource> source = nullptr,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  const FlightState& state() const { return state_; }

  /// The projection-centre boxes Text2(0) to Text2(7): X-L, Y-L, mean ground height, base,
  /// σ of the centre, σ of the angles, overlap %, frame side in mm.
  const std::array<QLineEdit*, 8>& centreBoxes() const { return text2_; }

 protected:
  void run(RunMode mode) override;
  void openHelp() override;

 private:
  void buildCentreFrame();
  void buildFilesFrame();
  FlightParameterTexts parameterTexts() const;
  void drawPair(const FlightResult& result);

  FlightState state_;
  std::array<QLineEdit*, 8> text2_{};
};

}  // namespace flightsim
