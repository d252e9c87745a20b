#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "gui/picture_file.h"

class QAction;
class QMenu;
class QWidget;

namespace suite {

class Canvas;
class Dialogs;
class PictureBox;

/// The command "Αποθήκευση εικόνας…" (Ctrl+S) of a drawing window: saves the drawing its
/// picture box shows as PNG, SVG or PDF. The window keeps its last drawing here as data
/// (setDrawing), so that saving only reads what was drawn and never runs a drawing again.
///
/// The command is an action of the window, so Ctrl+S works wherever the window has the focus;
/// the window may also offer it in a menu (addToMenu) or on the picture (offerOnPicture).
/// It runs guarded: a failure is told in Greek through the window's dialogs.
///
/// Saving asks for the file in the save dialog (Dialogs::saveFile, "Αποθήκευση εικόνας"),
/// offering "<input>-<program>.<ext>" (proposedPictureName) in the folder last saved to, at first
/// the input file's folder when new files can be written there, else the home folder, and in
/// the format last saved, at first PNG. The format follows the extension of the name; a name
/// with none of the three extensions gets that of the chosen filter. The file is rendered whole
/// (renderPicture) and written atomically (replaceFileAtomically): a failed save leaves an
/// existing file byte for byte as it was.
class PictureSaving : public QObject {
  Q_OBJECT

 public:
  /// Saves what `picture`, in `window`, shows; `program` names the program in proposed names
  /// and in the files' metadata. Adds the command to `window`'s actions.
  PictureSaving(QWidget& window, PictureBox& picture, Dialogs& dialogs, QString program);

  /// The command, named "SavePicture".
  QAction& action() const { return *action_; }

  /// Puts the command in `menu`, above `before` (at its end when null).
  void addToMenu(QMenu& menu, QAction* before);
  /// Offers the command as the context menu of the picture, for a picture on which the mouse
  /// has no other meaning.
  void offerOnPicture();

  /// What the picture shows from now on: a drawing of the file `inputPath` (UTF-8) that
  /// `paintAgain` paints again onto any canvas of the picture's size, with the same calls as on
  /// the screen. Keep in it everything it needs: it is called at every SVG or PDF save.
  void setDrawing(const std::string& inputPath, std::function<void(Canvas&)> paintAgain);
  /// The picture shows no drawing: saving says so.
  void forgetDrawing();
  bool hasDrawing() const { return static_cast<bool>(paintAgain_); }

  /// Where the save dialog opens and the name it offers.
  QString proposedPath() const;

  /// The command: asks for the file and writes it. Throws UserError (Greek message) when there
  /// is no drawing or the file cannot be made or written; a cancelled dialog writes nothing.
  void save();

 private:
  QWidget& window_;
  PictureBox& picture_;
  Dialogs& dialogs_;
  QString program_;
  QAction* action_ = nullptr;
  QString inputPath_;
  std::function<void(Canvas&)> paintAgain_;
  QString lastFolder_;
  PictureFormat lastFormat_ = PictureFormat::Png;
};

}  // namespace suite
