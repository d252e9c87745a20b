#pragma once

#include <QApplication>
#include <QIcon>
#include <QString>

#include "gui/dialogs.h"

namespace suite {

/// Where the Greek catalogue of Qt's own dialog texts is embedded (gui/translations/qt_el.ts,
/// compiled at build time).
inline constexpr const char* kQtGreekCatalogue = ":/suite/translations/qt_el.qm";

/// The desktop identity of a program of the suite, e.g. "org.photogrammetry_suite.flightsim": the
/// name of its desktop entry (without ".desktop"), of its icon in the icon theme and of its
/// AppStream component.
QString desktopId(const QString& programName);

/// The program's icon as embedded in its executable at every size drawn for it (16 to 256
/// pixels), or a null icon when the executable embeds none.
QIcon programIcon(const QString& programName);

/// Prepares the application for a program of the suite; every main() calls it right after
/// constructing the QApplication, before any window exists:
/// - the window font of the suite (windowFont());
/// - Greek for the texts Qt draws itself (file dialog, message and input boxes), from the
///   embedded catalogue, and Greek as the default locale, so the file dialog's dates, sizes and
///   file types are Greek too. The suite's own numbers are unaffected: they are formatted and
///   read without QLocale, always with ".";
/// - the program's window icon and desktop entry name;
/// - `programName` as the application name, so message and input boxes are titled with it.
/// Should the embedded catalogue not load, it warns and the program runs with Qt's English texts.
void prepareApplication(QApplication& app, const QString& programName);

/// What every program's main() does: makes the application, prepares it for `programName`
/// (prepareApplication), shows the program's main window on the dialogs as Qt shows them, and
/// runs until the program ends. Returns the exit code.
template <typename MainWindow>
int runProgram(int& argc, char* argv[], const QString& programName) {
  QApplication app(argc, argv);
  prepareApplication(app, programName);
  QtDialogs dialogs;
  MainWindow window(dialogs);
  window.show();
  return QApplication::exec();
}

}  // namespace suite
