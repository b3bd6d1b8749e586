#!/usr/bin/env bash
# Configures a clang sanitizer build and prints its folder:
#   address  build-asan/: AddressSanitizer + UndefinedBehaviorSanitizer and
#            the libFuzzer coverage, so one build serves both the sanitized
#            test suite and the fuzz targets
#   thread   build-tsan/: ThreadSanitizer
# ASAN_BUILD_DIR / TSAN_BUILD_DIR override the folders. ccache is used when
# installed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-address}
case "$kind" in
  address) build=${ASAN_BUILD_DIR:-$root/build-asan}; extra=(-DUNITCMN_FUZZ=ON) ;;
  thread)  build=${TSAN_BUILD_DIR:-$root/build-tsan}; extra=() ;;
  *) echo "usage: $0 [address|thread]" >&2; exit 2 ;;
esac
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# -O1 and line tables only: sanitizer reports keep file and line, and the
# build takes a good deal less time than the normal one's -O2 -g.
flags="-O1 -gline-tables-only -DNDEBUG"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" \
  -DUNITCMN_SANITIZE="$kind" -DUNITCMN_BUILD_BENCH=OFF "${extra[@]}" "${launcher[@]}" >/dev/null
echo "$build"
