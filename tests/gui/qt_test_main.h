#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QtTest>
#include <functional>
#include <initializer_list>

namespace suite::test {

/// Runs several Qt Test objects in one binary with one QApplication. Without a display the
/// binary is run headless: it picks the offscreen platform itself unless QT_QPA_PLATFORM is set.
/// Settings are kept apart from the user's (QStandardPaths test mode).
/// Returns the number of failed test functions.
inline int runQtTests(int argc, char** argv,
                      std::initializer_list<std::function<int(int, char**)>> suites) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's settings, the file dialog's history of folders among them, go to a test location and
  // never to the developer's own: a folder that a test opens must not come back in the dialogs
  // of the programs or of other test runs.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  int failures = 0;
  for (const auto& run : suites) failures += run(argc, argv);
  return failures;
}

}  // namespace suite::test
