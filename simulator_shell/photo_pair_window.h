#pragma once

#include <string>

#include "gui/drawing_window.h"
#include "stereo/photo_pair_drawing.h"

namespace suite {

class Dialogs;
class PictureBox;
class PictureSaving;

/// The drawing window of a simulated stereo pair, Form3, caption "Σχεδίασε στέρεο Α/Φ": the
/// picture box Picture1, in the highlight-text colour, that the pair is drawn in, and the button
/// Command1 "Επιστροφή" that hides the window. A program creates it for its first drawing and
/// keeps it; a hidden window keeps its drawing until the next one.
///
/// The pair on show is saved as a picture with "Αποθήκευση εικόνας…", the context menu of
/// Picture1, or Ctrl+S; the window has no menu and the mouse no other meaning on the picture.
class PhotoPairWindow : public DrawingWindow {
  Q_OBJECT

 public:
  /// Saving tells its failures through `dialogs`; `program` names saved pictures
  /// ("hills-30x30-flightsim.png").
  PhotoPairWindow(Dialogs& dialogs, const QString& program, QWidget* parent = nullptr);

  /// Draws a pair: sizes the window to the screen (`screenWidthTwips` × `screenHeightTwips`,
  /// from (1, 1)) and the picture within it (photoPairWindowLayout), clears the picture and
  /// draws `input` in `style` onto it (drawPhotoPair), then shows the window without blocking
  /// any other. Returns the measures the drawing used. The pair is kept for saving, as a drawing
  /// of the file `inputPath`; drawing it again is a replay, since its random errors are in
  /// `input` already.
  ///
  /// Throws UserError when the pair cannot be drawn (no node, no room, every range zero): the
  /// picture is then left cleared and the window hidden, so no earlier pair is mistaken for the
  /// refused one.
  PhotoPairGeometry draw(int screenWidthTwips, int screenHeightTwips, const PhotoPairInput& input,
                         const PhotoPairStyle& style, const std::string& inputPath);

  PictureBox& picture() { return *picture_; }
  PictureSaving& pictureSaving() { return *saving_; }

 private:
  PictureBox* picture_ = nullptr;
  PictureSaving* saving_ = nullptr;
};

}  // namespace suite
