#pragma once

// Whether the tests are built with AddressSanitizer, whose own memory (shadow, quarantine) is
// no part of what a test measures of the suite's.
#if defined(__SANITIZE_ADDRESS__)
#define SUITE_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SUITE_UNDER_ASAN 1
#endif
#endif

namespace hostile_testing {
#ifdef SUITE_UNDER_ASAN
inline constexpr bool kUnderSanitizer = true;
#else
inline constexpr bool kUnderSanitizer = false;
#endif
}  // namespace hostile_testing
