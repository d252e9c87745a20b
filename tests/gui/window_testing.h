#pragma once

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QtTest>
#include <fstream>
#include <iterator>
#include <string>

#include "gui/scripted_dialogs.h"

// What the tests of the programs' windows share.
namespace suite::test {

/// The child of `window` named `name`, its design name, as a T; the test ends when there is none.
template <typename T>
T* control(QObject& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  if (found == nullptr) qFatal("no control %s", qPrintable(name));
  return found;
}

/// Clicks the button of `window` named `name` with the left mouse button.
inline void click(QObject& window, const QString& name) {
  QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
}

/// Replaces the text of the box of `window` named `name` the way a user does: select all, then
/// type `typed`.
inline void type(QObject& window, const QString& name, const QString& typed) {
  QLineEdit* edit = control<QLineEdit>(window, name);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, typed);
}

/// Triggers the menu item of `window` named `name`, as choosing it does.
inline void trigger(QObject& window, const QString& name) {
  control<QAction>(window, name)->trigger();
}

/// Every message shown so far through `dialogs`, one per line.
inline QString shown(const ScriptedDialogs& dialogs) {
  QStringList all;
  for (const QString& message : dialogs.messages()) all << message;
  return all.join(QLatin1Char('\n'));
}

/// How many pixels of `image` have the colour `colour`.
inline int pixelsOf(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour) ++count;
  return count;
}

/// The bytes of the file at `path`, exactly as stored; empty when it cannot be read.
inline std::string fileBytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// Writes `bytes` exactly as given to the file at `path`.
inline void writeBytes(const QString& path, const std::string& bytes) {
  std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

}  // namespace suite::test
