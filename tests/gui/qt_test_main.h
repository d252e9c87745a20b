#pragma once

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <initializer_list>

#include "gui/application.h"

namespace suite::test {

/// Runs several Qt Test objects in one binary with one QApplication. Without a display the
/// binary is run headless: it picks the offscreen platform itself unless QT_QPA_PLATFORM is set.
/// With a `programName`, the application is first prepared as that program prepares it
/// (suite::prepareApplication: font, Greek for Qt's texts and the Greek default locale, icon,
/// name), so its windows are tested as they run. Qt's own settings (the file dialog keeps its
/// history, column widths and view mode in QtProject.conf) go to a fresh folder, so no run sees
/// what an earlier run or the user left there. Returns the number of failed test functions.
inline int runQtTests(int argc, char** argv,
                      std::initializer_list<std::function<int(int, char**)>> suites,
                      const QString& programName = {}) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  QApplication app(argc, argv);
  if (!programName.isEmpty()) prepareApplication(app, programName);
  int failures = 0;
  for (const auto& run : suites) failures += run(argc, argv);
  return failures;
}

}  // namespace suite::test
