#pragma once

#include <QString>
#include <array>
#include <string>

class QLineEdit;
class QWidget;

namespace suite {

/// The boxes of the simulation parameter frame that both stereo simulators show.
struct SimulationParameterBoxes {
  /// Text1(0) to Text1(6): Xo, Yo (mm), θ (degrees), k, σxy (mm), F (mm), S (the " S*Xo" box).
  std::array<QLineEdit*, 7> text1{};
  /// Text3: the replacement height of grid row 3, column 5; 0 keeps the height read.
  QLineEdit* text3 = nullptr;

  /// The texts of Text1(0) to Text1(6) as typed, UTF-8, in that order.
  std::array<std::string, 7> simulationTexts() const;
  /// The text of Text3 as typed, UTF-8.
  std::string replacementHeightText() const;
};

/// Adds the simulation parameter frame, Frame1, to a simulator's main window: `caption` at
/// left 120, top 240, width 4575, height 1455 twips, in the light 3-D colour, holding eight
/// label and box rows with their defaults — "  Xo" Text1(0) "0", "  Yo" Text1(1) "0", "  θ"
/// Text1(2) "0", "  k" Text1(3) "1" in the left column, "  σxy" Text1(4) "0.006", "  F"
/// Text1(5) "152", " H(3,5)" Text3 "0", " S*Xo" Text1(6) "1.237" in the right one. The captions
/// are Label1(5) and Label1(1) to Label1(8): Label1(0) is the window's input file name.
SimulationParameterBoxes addSimulationParametersFrame(QWidget* window, const QString& caption);

}  // namespace suite
