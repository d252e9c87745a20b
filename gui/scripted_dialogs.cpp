#include "gui/scripted_dialogs.h"

namespace suite {

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const QString& suiteFilter) {
  openFilters_.push_back(suiteFilter);
  if (openAnswers_.empty()) return std::nullopt;
  const bool cancelled = !openAnswers_.front().has_value();
  QString path = cancelled ? QString() : *openAnswers_.front();
  openAnswers_.pop_front();
  if (cancelled) return std::nullopt;
  return path;
}

std::optional<SaveFileAnswer> ScriptedDialogs::saveFile(QWidget*, const QString& title,
                                                        const QString& suggestedPath,
                                                        const QString& suiteFilter) {
  saveCalls_.push_back(SaveFileCall{title, suggestedPath, suiteFilter});
  if (saveAnswers_.empty()) return std::nullopt;
  const bool cancelled = !saveAnswers_.front().has_value();
  SaveFileAnswer answer = cancelled ? SaveFileAnswer{} : *saveAnswers_.front();
  saveAnswers_.pop_front();
  if (cancelled) return std::nullopt;
  return answer;
}

void ScriptedDialogs::message(QWidget*, const QString& text) {
  messages_.push_back(text);
}

bool ScriptedDialogs::question(QWidget*, const QString& text) {
  questions_.push_back(text);
  if (questionAnswers_.empty()) return false;
  const bool yes = questionAnswers_.front();
  questionAnswers_.pop_front();
  return yes;
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& defaultText,
                               int leftTwips, int topTwips) {
  inputCalls_.push_back(InputCall{prompt, defaultText, leftTwips, topTwips});
  if (inputAnswers_.empty()) return {};
  QString answer = std::move(inputAnswers_.front());
  inputAnswers_.pop_front();
  return answer;
}

void ScriptedDialogs::clearRecord() {
  messages_.clear();
  questions_.clear();
  openFilters_.clear();
  inputCalls_.clear();
  saveCalls_.clear();
}

}  // namespace suite
