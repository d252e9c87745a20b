#include "gui/guarded_action.h"

#include <QAbstractButton>
#include <QAction>
#include <QString>
#include <exception>

#include "gui/dialogs.h"
#include "text/user_error.h"

namespace suite {

namespace {

void tellUser(Dialogs& dialogs, QWidget* parent, const QString& text) noexcept {
  try {
    dialogs.message(parent, text);
  } catch (...) {
    // Nothing is left to tell the user with; the action is abandoned all the same.
  }
}

}  // namespace

void runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& action) noexcept {
  try {
    action();
  } catch (const UserError& error) {
    tellUser(dialogs, parent, QString::fromUtf8(error.what()));
  } catch (const std::exception& error) {
    tellUser(dialogs, parent,
             QStringLiteral("Απρόσμενο σφάλμα: %1").arg(QString::fromUtf8(error.what())));
  } catch (...) {
    tellUser(dialogs, parent, QStringLiteral("Απρόσμενο σφάλμα"));
  }
}

void connectGuarded(QAbstractButton* button, Dialogs& dialogs, QWidget* parent,
                    std::function<void()> action) {
  QObject::connect(
      button, &QAbstractButton::clicked, parent,
      [&dialogs, parent, action = std::move(action)] { runGuarded(dialogs, parent, action); });
}

void connectGuarded(QAction* item, Dialogs& dialogs, QWidget* parent,
                    std::function<void()> action) {
  QObject::connect(
      item, &QAction::triggered, parent,
      [&dialogs, parent, action = std::move(action)] { runGuarded(dialogs, parent, action); });
}

}  // namespace suite
