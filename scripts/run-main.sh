#!/usr/bin/env bash
# Builds the library and runs the command-line host against it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
"$build/bin/jobpos" check
