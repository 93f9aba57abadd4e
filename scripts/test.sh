#!/usr/bin/env bash
# Sets up, builds and runs every test: the layout check, the normal build,
# then the unit tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer. The read-ahead and the export's worker thread
# run under ThreadSanitizer (only their two test programs are built). Then
# clang-tidy looks at the document engine, each fuzzer of the engine runs
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

scripts/format.sh --check
scripts/build.sh "${werror[@]}"
ctest --test-dir build --output-on-failure -j "$(nproc)"

if [[ "${HARVELUX_QUICK:-0}" != 1 ]]; then
  HARVELUX_PRESET=asan scripts/build.sh "${werror[@]}"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

  cmake --preset tsan "${werror[@]}" >/dev/null
  cmake --build --preset tsan -j "$(nproc)" --target extract_tests results_core_tests
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --test-dir build-tsan --output-on-failure -j "$(nproc)" -R '^(ReadAhead|ExtractionRun|ListViewWriters)\.'

  scripts/tidy.sh build src/wordproc

  scripts/fuzz.sh "${HARVELUX_FUZZ_SECONDS:-20}"
  cmake --build --preset fuzz -j "$(nproc)" --target harvelux-extract
fi
