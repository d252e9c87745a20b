#include "tests/hostile/open_hook.h"

#include <fcntl.h>

#include <cstdarg>
#include <utility>

extern "C" int __real_open(const char* path, int flags, ...);

namespace hostile_testing {
namespace {

struct Hook {
  std::string path;
  int openingsLeft = 0;  // 0: not armed
  std::function<void()> change;
  bool ran = false;
};

Hook& hook() {
  static Hook theHook;
  return theHook;
}

void beforeOpen(const char* path) {
  Hook& h = hook();
  if (h.openingsLeft == 0 || path == nullptr || h.path != path) return;
  if (--h.openingsLeft != 0) return;
  h.ran = true;
  std::function<void()> change = std::move(h.change);
  h.change = nullptr;
  change();
}

mode_t modeOf(int flags, va_list arguments) {
  return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

}  // namespace

void beforeOpening(const std::string& path, int nth, std::function<void()> change) {
  hook() = Hook{path, nth, std::move(change), false};
}

bool hookRan() {
  return hook().ran;
}

}  // namespace hostile_testing

extern "C" int __wrap_open(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = hostile_testing::modeOf(flags, arguments);
  va_end(arguments);
  hostile_testing::beforeOpen(path);
  return __real_open(path, flags, mode);
}
