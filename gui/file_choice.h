#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace suite {

class Dialogs;

/// The filter of the simulators' file buttons: one entry, all files.
inline const QString& allFilesFilter() {
  static const QString filter = QStringLiteral("All Files|*.*|");
  return filter;
}

/// The filter of the DTM grid file choice of vantage, cellinterp and isolines: three entries, the
/// first one (all files) selected.
inline const QString& dtmFilesFilter() {
  static const QString filter = QStringLiteral("All Files|*.*|Text Files|*.txt|DTM Files|*.dtm");
  return filter;
}

/// A file button's action: asks for a file through the open-file dialog with `suiteFilter`, and
/// returns the name chosen (UTF-8). Nothing comes back when the dialog is cancelled or returns
/// no name, so the earlier choice, or no choice at all, stays as it was and a run never meets
/// an empty name.
std::optional<std::string> chooseFile(Dialogs& dialogs, QWidget* parent,
                                      const QString& suiteFilter);

/// The question Qt's own file dialog asks before it takes a file that exists already, for the
/// file at `path`, in the language of Qt's texts (Greek in the suite's programs: "Το
/// hills.dtm υπάρχει ήδη.\nΝα αντικατασταθεί;").
QString replaceQuestion(const QString& path);

/// The action of a button that chooses a file a run will write: a file as chooseFile chooses
/// it, but one that exists already is taken only once the user has said Yes to
/// replaceQuestion, since a run replaces it without asking again. A No, like a cancelled
/// dialog, returns nothing: the earlier choice, or none, stays.
std::optional<std::string> chooseOutputFile(Dialogs& dialogs, QWidget* parent,
                                            const QString& suiteFilter);

}  // namespace suite
