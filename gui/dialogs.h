#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace suite {

/// The dialogs a program asks the user through: open file, message and input. Windows take a
/// Dialogs& so tests can answer in their place (ScriptedDialogs).
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  /// Asks for a file name. `suiteFilter` is the suite's filter string, pairs of description and
  /// pattern separated by "|", e.g. "All Files|*.*|" or
  /// "All Files|*.*|Text Files|*.txt|DTM Files|*.dtm". Also chooses files that are about to be
  /// written, so a name that does not exist yet is accepted. Returns nothing when cancelled.
  virtual std::optional<QString> openFile(QWidget* parent, const QString& suiteFilter) = 0;

  /// Shows a modal message with only an OK button.
  virtual void message(QWidget* parent, const QString& text) = 0;

  /// Asks for one line of text, the dialog's top-left corner at (left, top) twips on the screen.
  /// Returns the text typed, or an empty text when cancelled.
  virtual QString input(QWidget* parent, const QString& prompt, const QString& defaultText,
                        int leftTwips, int topTwips) = 0;
};

/// The suite's "description|pattern|..." filter in Qt's form, "description (patterns);;...".
/// Patterns separated by ";" become blank-separated and "*.*" (any file, with or without an
/// extension) becomes "*". A description without a pattern gets "*". An empty filter gives "".
QString qtFileFilter(const QString& suiteFilter);

/// The folder the first open-file dialog starts in: the first "samples" folder found beside the
/// executable's folder or one of its ancestors, else `fallback` when that folder exists, else
/// the empty text (the dialog's own choice).
QString findSamplesFolder(const QString& executableFolder, const QString& fallback);

/// The dialogs as Qt shows them. The file dialog is always Qt's own (never the platform's), so it
/// looks and behaves the same everywhere. It starts in the suite's samples folder and afterwards
/// in the folder of the last file chosen through this object. It tells its entries' icons and
/// types from their names alone and never opens a file while the user browses, so a folder of
/// named pipes, devices or kernel files (/proc, /sys) cannot make it wait.
class QtDialogs : public Dialogs {
 public:
  /// `startFolder` is where the first file dialog opens; empty means the samples folder.
  explicit QtDialogs(QString startFolder = {});

  std::optional<QString> openFile(QWidget* parent, const QString& suiteFilter) override;
  void message(QWidget* parent, const QString& text) override;
  QString input(QWidget* parent, const QString& prompt, const QString& defaultText, int leftTwips,
                int topTwips) override;

  /// The folder the next file dialog opens in.
  QString nextFolder() const { return folder_; }

 private:
  QString folder_;
};

}  // namespace suite
