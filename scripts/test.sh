#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then the unit tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
# The read-ahead and the export's worker thread run under ThreadSanitizer
# (only their two test programs are built). Then each fuzzer of the document
# engine runs briefly ($HARVELUX_FUZZ_SECONDS, default 20 s each), and
# harvelux-extract is built in the fuzz build, whose configuration has neither
# the desktop program nor the tests (no Qt, GoogleTest or scdoc).
# HARVELUX_QUICK=1 skips all but the normal build.
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

  tsan=(-DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
        -DCMAKE_MODULE_LINKER_FLAGS=-fsanitize=thread)
  cmake -S . -B build-tsan -DHARVELUX_GUI=OFF -DHARVELUX_BENCH=OFF "${tsan[@]}" >/dev/null
  cmake --build build-tsan -j "$(nproc)" --target extract_tests results_core_tests
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --test-dir build-tsan --output-on-failure -j "$(nproc)" -R '^(ReadAhead|ExtractionRun|ListViewWriters)\.'

  scripts/fuzz.sh "${HARVELUX_FUZZ_SECONDS:-20}"
  cmake --build build-fuzz -j "$(nproc)" --target harvelux-extract
fi
