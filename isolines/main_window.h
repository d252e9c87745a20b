#pragma once

#include <memory>

#include "isolines/contour_run.h"
#include "map_shell/menu_main_window.h"

namespace isolines {

class ContourMapWindow;

/// isolines' main window, Form1 "Ισοϋψείς Παρεμβολή - Σχεδίαση", on the shell it shares with
/// the perspective program: the "Κλίμακα" toggle, the contour interval ("Ισοδιάσταση", 10 at
/// start) and the DTM grid file, and the menu Mp "Σχεδίασε Ισοϋψείς" whose "Σχεδίασε" draws the
/// contour map. The program keeps nothing of its own between drawings but the contour map
/// window, which the first drawing makes and later drawings reuse, and which keeps where its
/// map lies for the clicks on it.
class MainWindow : public suite::MenuMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(suite::Dialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  /// The contour map window; null until a drawing has succeeded.
  ContourMapWindow* contourMapWindow() const { return mapWindow_.get(); }

 protected:
  /// Draws the file's contour map with the window's settings of the moment. A drawing that
  /// fails throws suite::UserError before anything is painted: the map window, its map and the
  /// readout stay as they were.
  void draw(const suite::MenuMainWindowSettings& settings) override;

 private:
  std::unique_ptr<ContourMapWindow> mapWindow_;
};

/// What a drawing reads of the main window's settings: the chosen file, its number as the
/// contour interval, the scale mode and the screen.
ContourRunInput contourRunInput(const suite::MenuMainWindowSettings& settings);

}  // namespace isolines
