#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace suite {

/// What a save-file dialog answers: the file's path and the entry of the filter chosen (0 for
/// the first).
struct SaveFileAnswer {
  QString path;
  int filterIndex = 0;
};

/// The dialogs a program asks the user through: open file, save file, message and input. Windows
/// take a Dialogs& so tests can answer in their place (ScriptedDialogs).
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  /// Asks for a file name. `suiteFilter` is the suite's filter string, pairs of description and
  /// pattern separated by "|", e.g. "All Files|*.*|" or
  /// "All Files|*.*|Text Files|*.txt|DTM Files|*.dtm". Also chooses files that are about to be
  /// written, so a name that does not exist yet is accepted. Returns nothing when cancelled.
  virtual std::optional<QString> openFile(QWidget* parent, const QString& suiteFilter) = 0;

  /// Asks for the name of a file to write, in a dialog titled `title` that offers the folder
  /// and name of `suggestedPath` and the entries of `suiteFilter` (as for openFile), the entry
  /// whose pattern the suggested name matches chosen at first. A name that ends in none of the
  /// entries' extensions gets the chosen entry's (withFilterExtension) before the dialog asks
  /// whether to replace an existing file of that name. Returns nothing when cancelled.
  virtual std::optional<SaveFileAnswer> saveFile(QWidget* parent, const QString& title,
                                                 const QString& suggestedPath,
                                                 const QString& suiteFilter) = 0;

  /// Shows a modal message with only an OK button.
  virtual void message(QWidget* parent, const QString& text) = 0;

  /// Asks a modal question with a Yes and a No button, No the default and the answer of Esc or
  /// of closing the box. Returns true for Yes.
  virtual bool question(QWidget* parent, const QString& text) = 0;

  /// Asks for one line of text, the dialog's top-left corner at (left, top) twips on the screen.
  /// Returns the text typed, or an empty text when cancelled.
  virtual QString input(QWidget* parent, const QString& prompt, const QString& defaultText,
                        int leftTwips, int topTwips) = 0;
};

/// The suite's "description|pattern|..." filter in Qt's form, "description (patterns);;...".
/// Patterns separated by ";" become blank-separated and "*.*" (any file, with or without an
/// extension) becomes "*". A description without a pattern gets "*". An empty filter gives "".
QString qtFileFilter(const QString& suiteFilter);

/// `path` as a save dialog hands it on: unchanged when its name ends in the extension of one of
/// the entries of `suiteFilter` ("*.png": ".png", without regard to case) or when entry
/// `filterIndex` has no extension of its own ("*", or no such entry); otherwise with that
/// entry's first extension appended ("map" or "map.v2" with "*.svg" chosen: "map.svg",
/// "map.v2.svg").
QString withFilterExtension(const QString& path, const QString& suiteFilter, int filterIndex);

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
  /// Qt's own save dialog, like openFile's in every other way. It asks before an existing file
  /// is replaced. It does not change the folder the next open-file dialog starts in.
  std::optional<SaveFileAnswer> saveFile(QWidget* parent, const QString& title,
                                         const QString& suggestedPath,
                                         const QString& suiteFilter) override;
  void message(QWidget* parent, const QString& text) override;
  /// Qt's warning box, as Qt's own file dialog asks before a file is replaced.
  bool question(QWidget* parent, const QString& text) override;
  QString input(QWidget* parent, const QString& prompt, const QString& defaultText, int leftTwips,
                int topTwips) override;

  /// The folder the next file dialog opens in.
  QString nextFolder() const { return folder_; }

 private:
  QString folder_;
};

}  // namespace suite
