// Whether the test program is built with a sanitizer (scripts/
// run-sanitized-tests.sh); tests that cannot run under one skip with the
// reason instead of failing.
#pragma once

#ifdef UNITCMN_SANITIZER
constexpr const char* kSanitizer = UNITCMN_SANITIZER;
#else
constexpr const char* kSanitizer = nullptr;
#endif
