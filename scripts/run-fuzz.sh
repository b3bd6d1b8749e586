#!/usr/bin/env bash
# Builds the libFuzzer targets (clang with AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-asan/) and runs each for SECONDS
# (default 60), one after the other, with its seeds and dictionary
# (scripts/fuzz-seeds.sh). Fails on any crash, sanitizer report, leak,
# failed round-trip check, input slower than 2 s or process above 2 GB.
# New inputs collect in build-asan/fuzz-corpus/<target>/ and make the next
# run start further; a failing input is kept in build-asan/fuzz-artifacts/
# and can be replayed with `build-asan/fuzz/<target> FILE`.
# FUZZ_TIMEOUT changes the 2 s an input may take: under the sanitizers the
# C-interface target's heavier inputs take over 1 s on an idle machine, so
# a heavily loaded one can push them past 2 s (see the README).
# Usage: scripts/run-fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_ini fuzz_csv fuzz_DeviceFunctionParam fuzz_JigParam
           fuzz_VariableDataPrintingParam fuzz_OptiScoutCutConditionParam fuzz_c_interface)
fi
"$root/scripts/install-deps.sh"
build=$("$root/scripts/configure-sanitized.sh" address)
ninja -C "$build" -j2 "${targets[@]}"
seeds=$("$root/scripts/fuzz-seeds.sh" "$build/fuzz-seeds")
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-logs"

# The library's own processor-fault handlers stay in charge of faults in
# its calls (the C-interface target catches those through the log).
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allow_user_segv_handler=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for target in "${targets[@]}"; do
  mkdir -p "$build/fuzz-corpus/$target"
  echo "fuzzing $target for ${seconds}s"
  if ! "$build/fuzz/$target" "$build/fuzz-corpus/$target" "$seeds/seeds/$target" \
      -dict="$seeds/$target.dict" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-2}" \
      -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="$build/fuzz-artifacts/$target-" \
      >"$build/fuzz-logs/$target.log" 2>&1; then
    failed+=("$target")
    tail -n 60 "$build/fuzz-logs/$target.log"
  fi
  grep -E '^stat::number_of_executed_units|^Done|^#[0-9]+.*DONE' "$build/fuzz-logs/$target.log" | tail -n 2 || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing failed in: ${failed[*]} (logs in $build/fuzz-logs/, failing inputs in $build/fuzz-artifacts/)" >&2
  exit 1
fi
echo "fuzzing clean: ${targets[*]}"
