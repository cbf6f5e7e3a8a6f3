#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, in build-san/, shared with tools/fuzz.sh) and runs them; the first
# report fails the run. Extra arguments go to ctest (for example -L platform).
set -euo pipefail
source "$(dirname "$0")/sanitizedBuild.sh"
cmake --build "$san" -j "$jobs"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$san" --output-on-failure -j "$jobs" "$@"
