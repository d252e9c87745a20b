#pragma once

#include <functional>

class QWidget;

namespace suite {

class Dialogs;

/// Runs a window action so that no exception leaves it: a UserError shows its message, any other
/// failure a Greek message naming it, each through `dialogs`; the action is abandoned and the
/// window keeps its state. Every slot that starts an action goes through here.
void runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& action) noexcept;

}  // namespace suite
