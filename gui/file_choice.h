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

}  // namespace suite
