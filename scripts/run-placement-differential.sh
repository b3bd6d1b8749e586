#!/usr/bin/env bash
# The corner-point placement against its plain reference on SEEDS seeded
# random inputs (default 10000; the test suite runs 400). Builds the test
# program first.
#   scripts/run-placement-differential.sh [SEEDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh" >/dev/null
UNITCMN_PLACEMENT_SEEDS=${1:-10000} "$build/bin/test_unitCmnAlignmentJobPosition" \
  --gtest_filter='CornerPointDifferential.*'
