#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace suite::test {

/// Answers the next modal dialog of type DialogType once it is open. A dialog still open after
/// `deadlineMs` (five seconds unless told) is rejected, so a failing test cannot hang; the guard
/// ends with the test.
class DialogAnswer {
 public:
  template <typename DialogType>
  static std::unique_ptr<DialogAnswer> when(std::function<void(DialogType*)> answer,
                                            int deadlineMs = 5000) {
    auto guard = std::make_unique<DialogAnswer>();
    QObject::connect(&guard->answer_, &QTimer::timeout, [answer] {
      if (auto* dialog = qobject_cast<DialogType*>(QApplication::activeModalWidget()))
        answer(dialog);
    });
    QObject::connect(&guard->deadline_, &QTimer::timeout, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
    });
    guard->answer_.setSingleShot(true);
    guard->deadline_.setSingleShot(true);
    guard->answer_.start(0);
    guard->deadline_.start(deadlineMs);
    return guard;
  }

 private:
  QTimer answer_;
  QTimer deadline_;
};

}  // namespace suite::test
