#pragma once

#include <QApplication>
#include <QtTest>
#include <functional>
#include <initializer_list>

namespace suite::test {

/// Runs several Qt Test objects in one binary with one QApplication. Without a display the
/// binary is run headless: it picks the offscreen platform itself unless QT_QPA_PLATFORM is set.
/// Returns the number of failed test functions.
inline int runQtTests(int argc, char** argv,
                      std::initializer_list<std::function<int(int, char**)>> suites) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int failures = 0;
  for (const auto& run : suites) failures += run(argc, argv);
  return failures;
}

}  // namespace suite::test
