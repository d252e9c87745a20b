#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "gui/dialogs.h"

namespace suite {

/// Dialogs answered from a script, for tests: each openFile takes the next queued answer
/// (nullopt = cancelled), each input the next queued text; with the queue empty they answer as
/// a cancelled dialog does. Every call is recorded.
class ScriptedDialogs : public Dialogs {
 public:
  struct InputCall {
    QString prompt;
    QString defaultText;
    int leftTwips = 0;
    int topTwips = 0;
  };

  std::optional<QString> openFile(QWidget* parent, const QString& suiteFilter) override;
  void message(QWidget* parent, const QString& text) override;
  QString input(QWidget* parent, const QString& prompt, const QString& defaultText, int leftTwips,
                int topTwips) override;

  /// Queues the answer of the next openFile; nullopt stands for Cancel.
  void answerOpenFile(std::optional<QString> path) { openAnswers_.push_back(std::move(path)); }
  void answerInput(QString text) { inputAnswers_.push_back(std::move(text)); }

  /// Messages shown, oldest first.
  const std::vector<QString>& messages() const { return messages_; }
  /// The filter of every openFile call, oldest first.
  const std::vector<QString>& openFileFilters() const { return openFilters_; }
  const std::vector<InputCall>& inputCalls() const { return inputCalls_; }
  void clearRecord();

 private:
  std::deque<std::optional<QString>> openAnswers_;
  std::deque<QString> inputAnswers_;
  std::vector<QString> messages_;
  std::vector<QString> openFilters_;
  std::vector<InputCall> inputCalls_;
};

}  // namespace suite
