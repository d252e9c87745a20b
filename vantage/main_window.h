#pragma once

#include <memory>

#include "map_shell/menu_main_window.h"
#include "vantage/vantage_state.h"

namespace suite {
class Dialogs;
}

namespace vantage {

class PerspectiveWindow;

/// vantage's main window, Form1 "Προοπτικό απο DTM", on the shell it shares with isolines: the
/// scale toggle, ΔZ ("Βάλε ΔΖ", 100 at start), the DTM grid file and the drawing menu
/// "Σχεδίασε προοπτικό". It owns the program's state and the perspective window (Form2), made
/// on the first drawing and kept, and carries out that window's commands and clicks with the
/// settings the main window shows at that moment.
class MainWindow : public suite::MenuMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(suite::Dialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  const VantageState& state() const { return state_; }
  /// Form2; null until the first drawing.
  PerspectiveWindow* perspectiveWindow() const { return perspectiveWindow_.get(); }

 protected:
  void draw(const suite::MenuMainWindowSettings& settings) override;

 private:
  /// The perspective drawing, from the main window's "Σχεδίασε" and Form2's "Σχεδίασε
  /// προοπτικό": lays Form2 out over the screen, computes the drawing and paints it. A failure
  /// leaves the last drawing on show; a first drawing that fails hides the window again.
  void drawPerspective(const suite::MenuMainWindowSettings& settings);
  void pickCentre(float deltaZ, double xTwips, double yTwips);

  VantageState state_;
  std::unique_ptr<PerspectiveWindow> perspectiveWindow_;
};

}  // namespace vantage
