#!/usr/bin/env bash
# Builds the library and runs the main job: the bundled example jobs go
# through the library (via the command-line host) and every job's text
# comes back into out/jobs/ (the older example raised to the current
# version).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
out=${OUT_DIR:-$root/out}
"$build/bin/jobpos" read --out "$out/jobs" "$root"/examples/jobs/*.ini
echo "job texts written to $out/jobs"
