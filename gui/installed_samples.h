#pragma once

#include <QString>

namespace suite {

/// The sample terrain models of an installed suite: `<prefix>/share/photogrammetry-suite/samples`
/// (the suite's data folder) seen from the programs' folder `<prefix>/bin`, whatever the prefix.
/// Returns the folder's absolute path, or the empty text when `executableFolder` has none beside
/// it (a program run from its build folder).
QString installedSamplesFolder(const QString& executableFolder);

}  // namespace suite
