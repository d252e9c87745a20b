#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "canvas/twips.h"
#include "gui/program_window.h"

class QLabel;

namespace suite {

class Dialogs;

/// What differs between the main windows of the perspective and the contour programs.
struct MenuMainWindowDesign {
  QString caption;
  /// The client area below the menu bar, twips.
  int clientWidthTwips = 0;
  int clientHeightTwips = 0;
  /// The caption of the menu Mp, whose one item Mp1 "Σχεδίασε" draws.
  QString drawMenuCaption;
  /// Frame1, without caption, in the client area; the controls below are placed inside it.
  TwipsRect frame;
  TwipsRect scaleButton;  ///< Command1 "Κλίμακα"
  TwipsRect scaleLabel;   ///< Label7, the scale mode
  /// Command3, which asks for the window's number (the height above the ground, the contour
  /// interval) through an input box with `numberPrompt`.
  QString numberButtonCaption;
  TwipsRect numberButton;
  TwipsRect numberLabel;  ///< Label2, the number
  QString numberPrompt;
  /// The number at start, which Label2 shows as it is written ("100").
  float startNumber = 0;
  TwipsRect fileCaptionLabel;  ///< Label4 "Αρχείο DTM ASCII"
  TwipsRect fileNameLabel;     ///< Label1, the chosen file's name
};

/// What the main window holds for the drawing, handed to the program at every drawing.
struct MenuMainWindowSettings {
  std::optional<std::string> dtmPath;  ///< the DTM grid file, UTF-8; none until chosen
  /// The scale mode: false draws with one scale for X and Y, true with a scale for each.
  bool differentScales = false;
  /// The window's number (single precision, ground units): ΔZ or the contour interval.
  float number = 0;
  /// The screen's size in twips, read anew for every drawing: a screen changed between two
  /// drawings (a projector plugged in) gets the next one at its own size.
  int screenWidthTwips = 0;
  int screenHeightTwips = 0;
};

/// Where a window reads the screen's size, twips.
using ScreenSizeSource = std::function<TwipsSize()>;

/// The main window that the perspective and the contour programs share, Form1: a menu bar with
/// F1 "Αρχείο" (ff1 "Άνοιγμα aρχείου DTM Grid" — a Latin "a" — and ff4 "Έξοδος"), Mp with Mp1
/// "Σχεδίασε", and Pl0 with Pl11 "Πληροφορίες/άδεια/περιορισμοί"; below it Frame1 with the
/// "Κλίμακα" toggle and its label, the number button and its label, and the file name.
///
/// A program derives from it and supplies the drawing. Every action runs guarded: a failure
/// shows its message and the window keeps its state. "Έξοδος", or closing the window, ends the
/// program with every window.
class MenuMainWindow : public ProgramWindow {
  Q_OBJECT

 public:
  ~MenuMainWindow() override;

  /// The settings a drawing takes at this moment: the file, the scale mode and the number the
  /// window holds, and the screen's size read now from the screen-size source.
  MenuMainWindowSettings settings() const;

  /// Reads the screen's size from `source` from now on, instead of from the primary screen
  /// (screenSizeTwips); for a test that changes the screen between two drawings.
  void setScreenSizeSource(ScreenSizeSource source) { screenSize_ = std::move(source); }

 protected:
  MenuMainWindow(Dialogs& dialogs, const MenuMainWindowDesign& design, QWidget* parent);

  /// The drawing, for "Σχεδίασε" once a file has been chosen, with the window's settings of the
  /// moment (a DTM file among them). Throws UserError to refuse or abandon it; the message is
  /// shown.
  virtual void draw(const MenuMainWindowSettings& settings) = 0;

 private:
  void toggleScale();
  void askNumber();
  void chooseDtmFile();
  void startDrawing();

  MenuMainWindowDesign design_;
  /// What the window holds; the screen's size is read when a drawing asks (settings()).
  MenuMainWindowSettings settings_;
  ScreenSizeSource screenSize_;
  QLabel* scaleLabel_ = nullptr;
  QLabel* numberLabel_ = nullptr;
  QLabel* fileNameLabel_ = nullptr;
};

}  // namespace suite
