#!/usr/bin/env bash
# Builds the fuzz targets in build-san/ (tools/sanitizedBuild.sh: clang,
# the whole project instrumented, with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS (default 20)
# over its seeds. A crash, a sanitizer
# report or a broken property fails the run; the input that did it is kept
# in build-san/artifacts/.
# Arguments: the targets to run (default: every target).
set -euo pipefail
source "$(dirname "$0")/sanitizedBuild.sh"
seconds=${FUZZ_SECONDS:-20}
# Nothing to do when tools/sanitize.sh built everything already.
cmake --build "$san" -j "$jobs" --target fuzzers

export ASAN_OPTIONS=halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The targets write their inputs to files and saves sync to disk: a memory
# file system keeps that fast.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
seeds=$san/seeds
rm -rf "$seeds"
"$san"/fuzz/fuzzSeeds "$seeds"
mkdir -p "$seeds/profileFile" "$san"/artifacts
cp resources/Fixtures/Generic/*.fix "$seeds/profileFile/"

if [ $# -gt 0 ]; then targets=("$@"); else mapfile -t targets < "$san"/fuzz-targets.txt; fi
for t in "${targets[@]}"; do
  [ -n "$t" ] || continue
  corpus=$san/corpus/$t
  mkdir -p "$corpus" "$seeds/$t"
  dirs=("$corpus" "$seeds/$t")
  if [ -d "fuzz/corpus/$t" ]; then dirs+=("fuzz/corpus/$t"); fi
  echo "== fuzzing $t for ${seconds}s"
  "$san/fuzz/${t}Fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=8192 -print_final_stats=1 -artifact_prefix="$san/artifacts/$t-" \
    "${dirs[@]}" 2>"$san/$t.log" || { tail -60 "$san/$t.log"; echo "fuzz target $t failed"; exit 1; }
  grep -E "^stat::number_of_executed_units|^stat::new_units_added" "$san/$t.log" | tr '\n' ' '; echo
done
