#!/usr/bin/env bash
# Sets up, builds and runs every test: the layout check, the normal build,
# then the unit tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer (all but the packaging tests, which would only
# package the sanitizer's build again). The read-ahead and the export's worker thread
# run under ThreadSanitizer (only their two test programs are built). Then
# clang-tidy looks at the document engine ($HARVELUX_TIDY_FOLDERS, default
# src/wordproc), each fuzzer of the engine runs
# briefly ($HARVELUX_FUZZ_SECONDS, default 20 s each), and harvelux-extract
# is built in the fuzz build, whose configuration has neither the desktop
# program nor the tests (no Qt, GoogleTest or scdoc). The builds are those
# of CMakePresets.json; HARVELUX_WERROR=ON makes every warning an error.
# HARVELUX_QUICK=1 skips all but the layout check and the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen
werror=(-DHARVELUX_WERROR="${HARVELUX_WERROR:-OFF}")
# Each step's time goes to standard error, so that CI's log shows where its
# minutes go.
step_start=$SECONDS
step_done() { echo "== $1: $((SECONDS - step_start)) s (total $SECONDS s)" >&2; step_start=$SECONDS; }

scripts/format.sh --check
step_done "layout check"
scripts/build.sh "${werror[@]}"
step_done "build"
ctest --test-dir build --output-on-failure -j "$(nproc)"
step_done "tests"

if [[ "${HARVELUX_QUICK:-0}" != 1 ]]; then
  HARVELUX_PRESET=asan scripts/build.sh "${werror[@]}"
  step_done "sanitizer build"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -E '^packaging\.'
  step_done "sanitizer tests"

  cmake --preset tsan "${werror[@]}" >/dev/null
  cmake --build --preset tsan -j "$(nproc)" --target extract_tests results_core_tests
  step_done "thread sanitizer build"
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --test-dir build-tsan --output-on-failure -j "$(nproc)" -R '^(ReadAhead|ExtractionRun|ListViewWriters)\.'
  step_done "thread sanitizer tests"

  # shellcheck disable=SC2086
  scripts/tidy.sh build ${HARVELUX_TIDY_FOLDERS:-src/wordproc}
  step_done "clang-tidy"

  scripts/fuzz.sh "${HARVELUX_FUZZ_SECONDS:-20}"
  step_done "fuzzers"
  cmake --build --preset fuzz -j "$(nproc)" --target harvelux-extract
  step_done "harvelux-extract without Qt"
fi
