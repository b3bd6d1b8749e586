#!/usr/bin/env bash
# Builds with clang and a sanitizer and runs tests:
#   address (default)  AddressSanitizer + UndefinedBehaviorSanitizer (any
#                      undefined behaviour halts the test) in build-asan/,
#                      then the whole test suite; tests that cannot run
#                      under a sanitizer are reported as skipped, with the
#                      reason
#   thread             ThreadSanitizer in build-tsan/, then the test of
#                      instances arranging on four threads at once
#                      (ctest label "threads")
# The address build is the one scripts/run-fuzz.sh uses as well.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-address}
"$root/scripts/install-deps.sh"
build=$("$root/scripts/configure-sanitized.sh" "$kind")
case "$kind" in
  address)
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
    ninja -C "$build" -j2
    ctest --test-dir "$build" --output-on-failure -j2
    ;;
  thread)
    export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}
    ninja -C "$build" -j2 test_library_threads
    ctest --test-dir "$build" --output-on-failure -L threads
    ;;
esac
