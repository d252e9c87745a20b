#pragma once

#include <functional>

class QAbstractButton;
class QAction;
class QWidget;

namespace suite {

class Dialogs;

/// Runs a window action so that no exception leaves it: a UserError shows its message, any other
/// failure a Greek message naming it, each through `dialogs`; the action is abandoned and the
/// window keeps its state. Every slot that starts an action goes through here.
void runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& action) noexcept;

/// Runs `action` guarded (runGuarded, messages parented to `parent`) on every click of `button`.
void connectGuarded(QAbstractButton* button, Dialogs& dialogs, QWidget* parent,
                    std::function<void()> action);

/// Runs `action` guarded on every choice of the menu item `item`.
void connectGuarded(QAction* item, Dialogs& dialogs, QWidget* parent, std::function<void()> action);

}  // namespace suite
