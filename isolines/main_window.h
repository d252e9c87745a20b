#pragma once

#include <memory>

#include "isolines/isolines_state.h"
#include "map_shell/menu_main_window.h"

namespace isolines {

class ContourMapWindow;

/// isolines' main window, Form1 "Ισοϋψείς Παρεμβολή - Σχεδίαση", on the shell it shares with
/// the perspective program: the "Κλίμακα" toggle, the contour interval ("Ισοδιάσταση", 10 at
/// start) and the DTM grid file, and the menu Mp "Σχεδίασε Ισοϋψείς" whose "Σχεδίασε" draws the
/// contour map. The window owns the program's state and the contour map window, which the
/// first drawing makes and later drawings reuse.
class MainWindow : public suite::MenuMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(suite::Dialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  const IsolinesState& state() const { return state_; }
  /// The contour map window; null until a drawing has succeeded.
  ContourMapWindow* contourMapWindow() const { return mapWindow_.get(); }

 protected:
  /// Draws the file's contour map with the window's choices of the moment. A drawing that
  /// fails throws suite::UserError before anything is painted: the map window, its map and the
  /// readout stay as they were.
  void draw() override;

 private:
  /// The window's choices into the program's state, at the start of a drawing.
  void takeSettings();

  IsolinesState state_;
  std::unique_ptr<ContourMapWindow> mapWindow_;
};

}  // namespace isolines
