#!/usr/bin/env bash
# Builds the library and runs the main job: the bundled example jobs are
# arranged by the library through the command-line host (kind 1, minimum
# size with automatic rotation, on an unlimited 1600 mm roll with 5 mm gaps).
# Every job's text comes back with its arrangement into out/jobs/ (the
# older example raised to the current version), and out/layout.svg shows
# the layout. BUILD_DIR and OUT_DIR override build/ and out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
out=${OUT_DIR:-$root/out}
"$build/bin/jobpos" arrange --kind 1 --width 1600 --length -1 --gap 5,5 \
  --out "$out/jobs" --svg "$out/layout.svg" "$root"/examples/jobs/*.ini
echo "main job done: arranged job texts in $out/jobs/, picture in $out/layout.svg (open it in a browser)"
