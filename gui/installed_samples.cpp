#include "gui/installed_samples.h"

#include <QDir>
#include <QFileInfo>

namespace suite {

QString installedSamplesFolder(const QString& executableFolder) {
  if (executableFolder.isEmpty()) return {};
  // The install layout's relative path from the programs' folder, e.g.
  // "../share/photogrammetry-suite/samples".
  const QFileInfo samples(
      QDir(executableFolder).filePath(QStringLiteral(SUITE_SAMPLES_FROM_BINDIR)));
  if (!samples.isDir()) return {};
  return QDir::cleanPath(samples.absoluteFilePath());
}

}  // namespace suite
