#!/usr/bin/env bash
# Configures and builds everything in ./build (BUILD_DIR overrides).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja >/dev/null
ninja -C "$build" -j2
