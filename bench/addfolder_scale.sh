#!/usr/bin/env bash
# Times "Add Folder" in the real main window on a tree of 10,000 documents in
# 1,000 folders (built in the temporary folder), three rounds, offscreen.
# With DISPLAY set (e.g. under xvfb-run) the window is drawn on that display.
# Usage: bench/addfolder_scale.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DHARVELUX_BENCH=ON >/dev/null
cmake --build "$build_dir" --target bench_addfolder -j "$(nproc)" >/dev/null
if [[ -z "${DISPLAY:-}" ]]; then export QT_QPA_PLATFORM=offscreen; fi
exec "$build_dir/bench/bench_addfolder" "$@"
