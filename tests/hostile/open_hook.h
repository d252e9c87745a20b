#pragma once

#include <functional>
#include <string>

// A hook on the opening of files by the suite's libraries, for tests that change a file between
// two reads of one action (a drawing that reads its file twice). The test binary is linked with
// -Wl,--wrap=open, so the libraries' calls to open() come here first; Qt's own calls, from its
// shared libraries, do not. (A library that called open64() instead would pass the hook by, and
// the test that arms it would see it never ran.)
namespace hostile_testing {

/// Runs `change` just before the `nth` opening (1-based) of the file at `path` from now on,
/// once; the opening then goes ahead on whatever the change left. One hook at a time.
void beforeOpening(const std::string& path, int nth, std::function<void()> change);

/// Whether the armed hook has run (and is spent).
bool hookRan();

}  // namespace hostile_testing
