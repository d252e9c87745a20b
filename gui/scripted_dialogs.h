#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "gui/dialogs.h"

namespace suite {

/// Dialogs answered from a script, for tests: each openFile and saveFile takes the next answer
/// queued for it (nullopt = cancelled), each input the next queued text and each question the
/// next queued yes or no; with the queue empty they answer as a cancelled dialog does (a
/// question with No). Every call is recorded. A save answer comes back as
/// queued: the path is not given an extension, as QtDialogs gives it.
class ScriptedDialogs : public Dialogs {
 public:
  struct InputCall {
    QString prompt;
    QString defaultText;
    int leftTwips = 0;
    int topTwips = 0;
  };

  struct SaveFileCall {
    QString title;
    QString suggestedPath;
    QString suiteFilter;
  };

  std::optional<QString> openFile(QWidget* parent, const QString& suiteFilter) override;
  std::optional<SaveFileAnswer> saveFile(QWidget* parent, const QString& title,
                                         const QString& suggestedPath,
                                         const QString& suiteFilter) override;
  void message(QWidget* parent, const QString& text) override;
  bool question(QWidget* parent, const QString& text) override;
  QString input(QWidget* parent, const QString& prompt, const QString& defaultText, int leftTwips,
                int topTwips) override;

  /// Queues the answer of the next openFile; nullopt stands for Cancel.
  void answerOpenFile(std::optional<QString> path) { openAnswers_.push_back(std::move(path)); }
  void answerInput(QString text) { inputAnswers_.push_back(std::move(text)); }
  /// Queues the answer of the next saveFile; nullopt stands for Cancel.
  void answerSaveFile(std::optional<SaveFileAnswer> answer) {
    saveAnswers_.push_back(std::move(answer));
  }

  /// Queues the answer of the next question: true for Yes.
  void answerQuestion(bool yes) { questionAnswers_.push_back(yes); }

  /// Messages shown, oldest first.
  const std::vector<QString>& messages() const { return messages_; }
  /// The filter of every openFile call, oldest first.
  const std::vector<QString>& openFileFilters() const { return openFilters_; }
  /// Questions asked, oldest first.
  const std::vector<QString>& questions() const { return questions_; }
  const std::vector<InputCall>& inputCalls() const { return inputCalls_; }
  const std::vector<SaveFileCall>& saveFileCalls() const { return saveCalls_; }
  void clearRecord();

 private:
  std::deque<std::optional<QString>> openAnswers_;
  std::deque<QString> inputAnswers_;
  std::deque<std::optional<SaveFileAnswer>> saveAnswers_;
  std::deque<bool> questionAnswers_;
  std::vector<QString> messages_;
  std::vector<QString> questions_;
  std::vector<QString> openFilters_;
  std::vector<InputCall> inputCalls_;
  std::vector<SaveFileCall> saveCalls_;
};

}  // namespace suite
