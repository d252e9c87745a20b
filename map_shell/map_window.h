#pragma once

#include <QString>

#include "canvas/twips.h"
#include "gui/drawing_window.h"
#include "map_shell/drawing_layout.h"

class QLabel;
class QMenu;

namespace suite {

class Dialogs;
class PictureBox;
class PictureSaving;

/// The full-screen drawing window that the perspective and the contour programs share, Form2:
/// Picture1, the drawing; Picture2, a side panel; Label1, a readout line at the window's top
/// that assistive tools read as it shows (a data label);
/// and the menu Map1 "Χάρτης" with "Αποθήκευση εικόνας…" (Ctrl+S), which saves the drawing of
/// Picture1 as a picture (the panel is not part of it), above Map2 "Έξοδος", which hides the
/// window and puts the mouse pointer back to the default. A program adds its own menus after
/// Map1, and gives pictureSaving() each drawing it paints into Picture1.
class MapWindow : public DrawingWindow {
  Q_OBJECT

 public:
  /// `caption` is the window's title; `readoutTwips` places Label1 in the client area;
  /// `pictureName` and `panelName` say for assistive tools what the two pictures show.
  /// Saving tells its failures through `dialogs`; `program` names saved pictures.
  MapWindow(Dialogs& dialogs, const QString& program, const QString& caption,
            const TwipsRect& readoutTwips, const QString& pictureName, const QString& panelName,
            QWidget* parent = nullptr);

  PictureBox& picture() { return *picture_; }
  PictureBox& panel() { return *panel_; }
  QLabel& readout() { return *readout_; }
  /// Map1 "Χάρτης".
  QMenu& mapMenu() { return *mapMenu_; }
  /// Saving Picture1's drawing.
  PictureSaving& pictureSaving() { return *saving_; }

  /// Lays the window out over a screen of the given size (drawingWindowLayout): the window
  /// from the screen's top-left corner, as wide and high as the screen, Picture1 and Picture2
  /// at their places below the menu bar, each with every pixel its drawing addresses
  /// (placePicture); then shows it in front. Returns the layout. The pictures keep what they
  /// show; a drawing clears them itself.
  DrawingWindowLayout coverScreen(int screenWidthTwips, int screenHeightTwips);

 private:
  PictureBox* picture_ = nullptr;
  PictureBox* panel_ = nullptr;
  QLabel* readout_ = nullptr;
  QMenu* mapMenu_ = nullptr;
  PictureSaving* saving_ = nullptr;
};

}  // namespace suite
