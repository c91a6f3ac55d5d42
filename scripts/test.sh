#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test.
# TRAVIK_BUILD_DIR, TRAVIK_WERROR, TRAVIK_SANITIZE and CXX choose the build (see .ci/run).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=${TRAVIK_BUILD_DIR:-build}
sanitize=${TRAVIK_SANITIZE:-OFF}
build_type=RelWithDebInfo
bench=ON
if [ "$sanitize" = ON ]; then
  build_type=Debug
  bench=OFF
fi

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE="$build_type" \
  -DBUILD_TESTING=ON \
  -DTRAVIK_WERROR="${TRAVIK_WERROR:-OFF}" \
  -DTRAVIK_SANITIZE="$sanitize" \
  -DTRAVIK_BENCH="$bench"
cmake --build "$build"

# Qt keeps its allocations until the process ends, and the leak checker's own tracer can crash under load:
# the sanitizer run checks memory errors and undefined behaviour, not leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# A build folder without tests is a failure, not a pass.
ctest --test-dir "$build" --output-on-failure --no-tests=error --timeout 1200 -j "$(nproc)"
