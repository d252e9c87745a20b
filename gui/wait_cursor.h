#pragma once

namespace suite {

/// Shows the wait cursor over every window of the program while it lives: made at the start of
/// a long action, it restores the cursor when the action ends, whether it ends normally or by
/// an exception.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

/// Puts the screen's mouse pointer back to the default, undoing every wait cursor still shown.
void restoreDefaultPointer();

}  // namespace suite
