#pragma once

#include <QString>

#include "canvas/twips.h"
#include "gui/suite_window.h"

class QPushButton;

namespace suite {

class PictureBox;

/// A drawing window of the suite: a suite window whose client area holds picture boxes, and
/// either a return button or a menu bar, all placed and sized in twips. A program makes it for
/// its first drawing and keeps it; a hidden window keeps its drawing until the next one.
class DrawingWindow : public SuiteWindow {
  Q_OBJECT

 public:
  DrawingWindow(const QString& name, const QString& caption, QWidget* parent = nullptr);

  /// Adds a picture box named `name` (e.g. "Picture1") in the client area, in the
  /// highlight-text colour with the window-text colour for its drawing, as the suite's drawing
  /// pictures are; `accessibleName` says what it shows.
  PictureBox* addPicture(const QString& name, const QString& accessibleName);

  /// Adds Command1 "Επιστροφή" at `twips` in the client area; it hides the window, as does Esc
  /// anywhere in the window.
  QPushButton* addReturnButton(const TwipsRect& twips);

  /// Places `widget`, a child of the client area, at `twips` in it.
  static void placeInClientArea(QWidget& widget, const TwipsRect& twips);

  /// Places `picture`, a child of the client area, at `twips` in it, with every pixel its
  /// drawing addresses (pictureRectFromTwips): a node drawn on its right or bottom edge shows.
  static void placePicture(PictureBox& picture, const TwipsRect& twips);

  /// Gives the window's outer frame the place and size `frameTwips` on the screen and shows the
  /// window without blocking any other, in front.
  void showAt(const TwipsRect& frameTwips);
};

}  // namespace suite
