#pragma once

#include <memory>
#include <string>

#include "flightsim/flight_simulation.h"
#include "simulator_shell/simulator_window.h"

class QLineEdit;

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
  /// `source` gives the random numbers of every run (see suite::SimulatorState).
  explicit MainWindow(suite::Dialogs& dialogs,
                      std::unique_ptr<suite::UniformSource> source = nullptr,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  const FlightState& state() const { return state_; }

  /// The flight plan box that fills `field` of the texts a run reads, e.g. Text2(6) for
  /// overlapPercent.
  QLineEdit* flightPlanBox(std::string FlightPlanTexts::*field) const {
    return flightPlan_.box(field);
  }

 protected:
  void run(RunMode mode) override;

 private:
  FlightState state_;
  suite::BoundBoxes<FlightPlanTexts> flightPlan_;
};

}  // namespace flightsim
