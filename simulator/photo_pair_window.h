#pragma once

#include "gui/drawing_window.h"
#include "stereo/photo_pair_drawing.h"

namespace suite {

class PictureBox;

/// The drawing window of a simulated stereo pair, Form3, caption "Σχεδίασε στέρεο Α/Φ": the
/// picture box Picture1, in the highlight-text colour, that the pair is drawn in, and the button
/// Command1 "Επιστροφή" that hides the window. A program creates it for its first drawing and
/// keeps it; a hidden window keeps its drawing until the next one.
class PhotoPairWindow : public DrawingWindow {
  Q_OBJECT

 public:
  explicit PhotoPairWindow(QWidget* parent = nullptr);

  /// Draws a pair: sizes the window to the screen (`screenWidthTwips` × `screenHeightTwips`,
  /// from (1, 1)) and the picture within it (photoPairWindowLayout), clears the picture and
  /// draws `input` in `style` onto it (drawPhotoPair), then shows the window without blocking
  /// any other. Returns the measures the drawing used.
  ///
  /// Throws UserError when the pair cannot be drawn (no node, no room, every range zero): the
  /// picture is then left cleared and the window hidden, so no earlier pair is mistaken for the
  /// refused one.
  PhotoPairGeometry draw(int screenWidthTwips, int screenHeightTwips, const PhotoPairInput& input,
                         const PhotoPairStyle& style);

  PictureBox& picture() { return *picture_; }

 private:
  PictureBox* picture_ = nullptr;
};

}  // namespace suite
