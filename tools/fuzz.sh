#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ (the whole project
# instrumented, with AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for FUZZ_SECONDS (default 20) over its seeds. A crash, a sanitizer
# report or a broken property fails the run; the input that did it is kept
# in build-fuzz/artifacts/.
# Arguments: the targets to run (default: every target).
set -euo pipefail
cd "$(dirname "$0")/.."
# The compile cache is shared between checkouts in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
tools/deps.sh
jobs=${VARNEL_JOBS:-$(nproc 2>/dev/null || echo 2)}
seconds=${FUZZ_SECONDS:-20}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS=-O1" -DVARNEL_FUZZ=ON -DVARNEL_WERROR=ON -DVARNEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzzers

export QT_QPA_PLATFORM=offscreen
export VARNELDMX_LOOPBACK_ONLY=1
export ASAN_OPTIONS=halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The targets write their inputs to files and saves sync to disk: a memory
# file system keeps that fast.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
seeds=build-fuzz/seeds
rm -rf "$seeds"
build-fuzz/fuzz/fuzzSeeds "$seeds"
mkdir -p "$seeds/profileFile" build-fuzz/artifacts
cp resources/Fixtures/Generic/*.fix "$seeds/profileFile/"

if [ $# -gt 0 ]; then targets=("$@"); else mapfile -t targets < build-fuzz/fuzz-targets.txt; fi
for t in "${targets[@]}"; do
  [ -n "$t" ] || continue
  corpus=build-fuzz/corpus/$t
  mkdir -p "$corpus" "$seeds/$t"
  dirs=("$corpus" "$seeds/$t")
  if [ -d "fuzz/corpus/$t" ]; then dirs+=("fuzz/corpus/$t"); fi
  echo "== fuzzing $t for ${seconds}s"
  build-fuzz/fuzz/${t}Fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=8192 -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$t-" \
    "${dirs[@]}" 2>"build-fuzz/$t.log" || { tail -60 "build-fuzz/$t.log"; echo "fuzz target $t failed"; exit 1; }
  grep -E "^stat::number_of_executed_units|^stat::new_units_added" "build-fuzz/$t.log" | tr '\n' ' '; echo
done
