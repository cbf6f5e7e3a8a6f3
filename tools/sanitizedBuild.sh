#!/usr/bin/env bash
# Sourced by tools/sanitize.sh and tools/fuzz.sh: configures build-san/, the
# one clang build with AddressSanitizer and UndefinedBehaviorSanitizer that
# serves both. Every library is also instrumented for the fuzzer's coverage
# (its counters cost the tests little), so the tests and the fuzz targets
# share one set of compiled sources. Sets $jobs and $san.
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# The compile cache is shared between checkouts in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
tools/deps.sh
jobs=${VARNEL_JOBS:-$(nproc 2>/dev/null || echo 2)}
san=build-san
cmake -S . -B "$san" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS=-O1" -DVARNEL_FUZZ=ON -DVARNEL_WERROR=ON -DVARNEL_BUILD_BENCH=OFF \
  -DVARNEL_LIGHT_DEBUG_INFO="${VARNEL_LIGHT_DEBUG_INFO:-OFF}" >/dev/null
export QT_QPA_PLATFORM=offscreen
# Network traffic from tests never leaves this machine.
export VARNELDMX_LOOPBACK_ONLY=1
