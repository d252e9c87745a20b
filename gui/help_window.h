#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "canvas/twips.h"

class QPushButton;

namespace suite {

class PictureBox;

/// How a program's help window looks and where it opens.
struct HelpWindowDesign {
  QString caption;
  /// The client area as designed, twips.
  int clientWidthTwips = 0;
  int clientHeightTwips = 0;
  /// The colour of the text surface; none means the tooltip colours of the palette.
  std::optional<QColor> background;
  /// Command1 "Επιστροφή", twips inside the client area.
  TwipsRect returnButton;
  /// Where every opening puts the window's outer frame, twips on the screen; none leaves the
  /// place to the window system the first time and to the user afterwards.
  std::optional<QPoint> frameTopLeftTwips;
  /// When set, every opening makes the outer frame this tall (twips) and keeps the client width.
  std::optional<int> frameHeightTwips;
  /// Without a place of its own: the first opening stands beside the main window when the
  /// screen has room (ProgramWindow::openHelpWindow).
  bool firstBesideMainWindow = false;
};

/// The help window, Form2: a plain text surface with one button, Command1 "Επιστροφή", that
/// hides it, as Esc does. Every program of the suite with a printed help text opens one with its
/// own design and lines.
///
/// The text is printed on a picture box that fills the window, so it survives being covered and
/// uncovered; the button stays above it. The text is in the suite's window font, one line below
/// the other from the top-left corner; what does not fit the window is cut off (the window has
/// no scroll bar).
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(HelpWindowDesign design, QWidget* parent = nullptr);

  /// Opens the help: places the window as its design says, clears the surface (the print
  /// position goes back to the top-left corner), shows the window without blocking any other,
  /// and prints `lines` (UTF-8), each as one line of text. Opening again prints the text afresh
  /// in place, never twice.
  void open(const std::vector<std::string>& lines);

  /// The lines printed on the surface since it was last cleared, in order.
  const std::vector<std::string>& printedLines() const { return printed_; }

  PictureBox& surface() { return *surface_; }
  const HelpWindowDesign& design() const { return design_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void place();
  void clearSurface();
  void printLine(const std::string& line);
  void fitSurface();

  HelpWindowDesign design_;
  PictureBox* surface_ = nullptr;
  QPushButton* return_ = nullptr;
  std::vector<std::string> printed_;
};

}  // namespace suite
