#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs them; the first report fails the run.
# Extra arguments go to ctest (for example -L platform).
set -euo pipefail
cd "$(dirname "$0")/.."
# The compile cache is shared between checkouts in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
tools/deps.sh
jobs=${VARNEL_JOBS:-$(nproc 2>/dev/null || echo 2)}
flags="-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNEL_WERROR=ON \
  -DVARNEL_BUILD_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=$flags" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export VARNELDMX_LOOPBACK_ONLY=1
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j "$jobs" "$@"
