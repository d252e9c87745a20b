#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QPushButton;

namespace suite {

class PictureBox;

/// The help window, Form2: a plain text surface in the tooltip colours with one button,
/// Command1 "Επιστροφή", that hides it. A program opens it with its own caption and lines; the
/// same window serves every program of the suite that has a printed help text.
///
/// The text is printed on a picture box that fills the window, so it survives being covered and
/// uncovered; the button stays above it. The text is in the suite's window font, one line below
/// the other from the top-left corner; what does not fit the window is cut off (the window has
/// no scroll bar).
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  /// Client area as designed, before the first opening sizes it to the screen.
  static constexpr int kDesignWidthTwips = 10200;
  static constexpr int kDesignHeightTwips = 5175;
  /// Where every opening places the window's outer frame.
  static constexpr int kLeftTwips = 5000;
  static constexpr int kTopTwips = 1;

  explicit HelpWindow(QWidget* parent = nullptr);

  /// Opens the help: makes the window as tall as the screen (`screenHeightTwips`), places it at
  /// left 5000, top 1 twip, sets `caption`, clears the surface (the print position goes back to
  /// the top-left corner), shows the window without blocking any other, and prints `lines`
  /// (UTF-8), each as one line of text. Opening again prints the text afresh, never twice.
  void open(const QString& caption, const std::vector<std::string>& lines, int screenHeightTwips);

  /// The lines printed on the surface since it was last cleared, in order.
  const std::vector<std::string>& printedLines() const { return printed_; }

  PictureBox& surface() { return *surface_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void clearSurface();
  void printLine(const std::string& line);
  void fitSurface();

  PictureBox* surface_ = nullptr;
  QPushButton* return_ = nullptr;
  std::vector<std::string> printed_;
};

}  // namespace suite
