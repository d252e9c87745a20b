#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "gui/scripted_dialogs.h"

// Each program of the suite driven through its real main window as a user drives it: choose a
// file in the open dialog, then draw or load. For the tests of hostile files.
namespace hostile_testing {

/// What a program's windows show of its last drawing or load, to tell whether a refusal left it.
struct Shown {
  bool any = false;  ///< a drawing is on show, or a grid is loaded
  QImage picture;    ///< the drawing, for the programs that draw
  QString text;      ///< the file and grid shown, for cellinterp

  bool operator==(const Shown& other) const {
    return any == other.any && picture == other.picture && text == other.text;
  }
};

struct ProgramDriver {
  QString name;
  /// Whether the program reads a stereo DTM file (pairsim) rather than a DTM grid file.
  bool readsStereo = false;
  /// A file the program draws or loads at once, from the samples.
  QString goodFile;
  std::function<std::unique_ptr<QWidget>(suite::ScriptedDialogs&)> make;
  /// Chooses `path` with the program's file command, answering its open dialog, then draws
  /// ("Σχεδίασε") or, for cellinterp, which loads on choosing, nothing more.
  std::function<void(QWidget&, suite::ScriptedDialogs&, const QString& path)> use;
  /// Draws again with the file already chosen; for cellinterp, chooses the same file again.
  std::function<void(QWidget&, suite::ScriptedDialogs&)> again;
  std::function<Shown(QWidget&)> shown;
};

/// flightsim, pairsim, vantage, cellinterp and isolines.
std::vector<ProgramDriver> programDrivers();

/// The driver of the program `name`; the test ends when there is none.
const ProgramDriver& programDriver(const QString& name);

}  // namespace hostile_testing
