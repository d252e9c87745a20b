#include "gui/picture_saving.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <optional>
#include <ostream>

#include "gui/dialogs.h"
#include "gui/guarded_action.h"
#include "gui/picture_box.h"
#include "gui/wait_cursor.h"
#include "text/text_file_writer.h"
#include "text/user_error.h"

namespace suite {

namespace {

/// A folder the save dialog may offer: one that exists and takes new files.
bool canTakeNewFiles(const QString& folder) {
  const QFileInfo info(folder);
  return !folder.isEmpty() && info.isDir() && info.isWritable();
}

}  // namespace

PictureSaving::PictureSaving(QWidget& window, PictureBox& picture, Dialogs& dialogs,
                             QString program)
    : QObject(&window),
      window_(window),
      picture_(picture),
      dialogs_(dialogs),
      program_(std::move(program)) {
  action_ = new QAction(QStringLiteral("Αποθήκευση εικόνας…"), &window);
  action_->setObjectName(QStringLiteral("SavePicture"));
  action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  action_->setShortcutContext(Qt::WindowShortcut);
  window.addAction(action_);
  connectGuarded(action_, dialogs_, &window_, [this] { save(); });
}

void PictureSaving::addToMenu(QMenu& menu, QAction* before) {
  menu.insertAction(before, action_);
}

void PictureSaving::offerOnPicture() {
  picture_.addAction(action_);
  picture_.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PictureSaving::setDrawing(const std::string& inputPath,
                               std::function<void(Canvas&)> paintAgain) {
  inputPath_ = QString::fromStdString(inputPath);
  paintAgain_ = std::move(paintAgain);
}

void PictureSaving::forgetDrawing() {
  inputPath_.clear();
  paintAgain_ = nullptr;
}

QString PictureSaving::proposedPath() const {
  QString folder = lastFolder_;
  if (folder.isEmpty()) {
    const QString inputFolder =
        inputPath_.isEmpty() ? QString() : QFileInfo(inputPath_).absolutePath();
    folder = canTakeNewFiles(inputFolder) ? inputFolder : QDir::homePath();
  }
  return QDir(folder).filePath(proposedPictureName(inputPath_, program_, lastFormat_));
}

void PictureSaving::save() {
  if (!hasDrawing()) {
    throw UserError("Δεν υπάρχει ακόμη σχέδιο για αποθήκευση: σχεδίασε πρώτα.");
  }
  // The drawing as it stands when the command is given.
  PictureContent content;
  content.image = picture_.image();
  content.font = picture_.font();
  content.foreground = picture_.foregroundColour();
  content.background = picture_.backgroundColour();
  content.paint = paintAgain_;
  content.title = picture_.accessibleName();
  content.creator = program_;

  const std::optional<SaveFileAnswer> answer = dialogs_.saveFile(
      &window_, QStringLiteral("Αποθήκευση εικόνας"), proposedPath(), pictureFilter());
  if (!answer || answer->path.isEmpty()) return;
  const QString path = withFilterExtension(answer->path, pictureFilter(), answer->filterIndex);
  // Without an extension of its own (a chosen entry out of range) a picture is a PNG.
  const PictureFormat format = pictureFormatOf(path).value_or(PictureFormat::Png);
  const QString named = pictureFormatOf(path) ? path : path + pictureExtension(format);

  {
    const WaitCursor wait;
    const QByteArray bytes = renderPicture(content, format);
    replaceFileAtomically(named.toStdString(), [&bytes](std::ostream& out) {
      out.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
    });
  }
  lastFolder_ = QFileInfo(named).absolutePath();
  lastFormat_ = format;
}

}  // namespace suite
