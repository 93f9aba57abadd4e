#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then the unit tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
# Then each fuzzer of the document engine runs briefly ($HARVELUX_FUZZ_SECONDS,
# default 20 s each). HARVELUX_QUICK=1 skips the sanitizer build and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen

scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"

if [[ "${HARVELUX_QUICK:-0}" != 1 ]]; then
  BUILD_DIR=build-asan scripts/build.sh -DHARVELUX_SANITIZE=ON -DHARVELUX_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
  scripts/fuzz.sh "${HARVELUX_FUZZ_SECONDS:-20}"
fi
