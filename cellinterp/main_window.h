#pragma once

#include <array>

#include "cellinterp/cell_state.h"
#include "gui/program_window.h"

class QLabel;
class QLineEdit;

namespace suite {
class Dialogs;
class PictureBox;
}  // namespace suite

namespace cellinterp {

/// cellinterp's window, Form1 "Υπολογισμός Ζ=f(Χ, Υ)": every control in the frame Frame1
/// "Χειρισμοί", placed in twips as designed and named with its design name as objectName
/// ("Text2(3)", "Picture1"). The window owns the program's state; row, column, u and v stay in
/// their boxes, which every action reads afresh. Every action runs guarded: a refusal or failure
/// shows its message and the window keeps its state. Closing the window, or "Τέλος", ends the
/// program with every window.
class MainWindow : public suite::ProgramWindow {
  Q_OBJECT

 public:
  explicit MainWindow(suite::Dialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  const CellState& state() const { return state_; }

 private:
  void buildCornerHeights(QWidget* frame);
  void buildCellPicture(QWidget* frame);
  void buildPointCoordinates(QWidget* frame);
  void buildCommands(QWidget* frame);

  void loadFile();
  void applyBoxes();
  void interpolateAtPicture(double xTwips, double yTwips);
  void interpolateTypedValues();
  void openHelp();
  /// Shows the accepted cell's corner heights, or empties the boxes when there is no cell.
  void showCorners();

  CellState state_;
  /// Text1(0) to Text1(3): the corner heights Z(i, j), Z(i, j+1), Z(i+1, j), Z(i+1, j+1).
  std::array<QLineEdit*, 4> cornerBoxes_{};
  QLineEdit* xBox_ = nullptr;                 ///< Text2(0)
  QLineEdit* yBox_ = nullptr;                 ///< Text2(1)
  QLineEdit* uBox_ = nullptr;                 ///< Text2(2)
  QLineEdit* vBox_ = nullptr;                 ///< Text2(3)
  QLineEdit* rowBox_ = nullptr;               ///< Text3
  QLineEdit* zBox_ = nullptr;                 ///< Text4
  QLineEdit* columnBox_ = nullptr;            ///< Text5
  QLabel* fileNameLabel_ = nullptr;           ///< Label1
  QLabel* gridSizeLabel_ = nullptr;           ///< Label13
  suite::PictureBox* cellPicture_ = nullptr;  ///< Picture1
};

}  // namespace cellinterp
