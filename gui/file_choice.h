#pragma once

#include <QString>
#include <string>

class QLabel;
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

/// A file button's action: asks for a file through the open-file dialog with `suiteFilter`.
/// When a name comes back it becomes `path` (UTF-8), `chosen` is set and `label` shows the name
/// (also as its tooltip, for names longer than the label). A cancelled dialog, or one that
/// returns no name, changes nothing: the earlier choice, or no choice at all, stays as it was,
/// so a run never meets an empty name that a flag calls chosen. Returns whether a file was chosen.
bool chooseFile(Dialogs& dialogs, QWidget* parent, const QString& suiteFilter, QLabel& label,
                std::string& path, bool& chosen);

}  // namespace suite
