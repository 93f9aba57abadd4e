#!/usr/bin/env bash
# Times "Add Folder" in the real main window on a tree of 10,000 documents in
# 1,000 folders (built in the temporary folder), three rounds, offscreen.
# With DISPLAY set (e.g. under xvfb-run) the window is drawn on that display.
# The benchmark runs in a temporary folder.
# Usage: bench/addfolder_scale.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DHARVELUX_BENCH=ON >/dev/null
cmake --build "$build_dir" --target bench_addfolder -j "$(nproc)" >/dev/null
if [[ -z "${DISPLAY:-}" ]]; then export QT_QPA_PLATFORM=offscreen; fi
program="$(realpath "$build_dir")/bench/bench_addfolder"
folder=()
if [[ $# -gt 0 ]]; then folder=("$(realpath -m "$1")"); fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$program" "${folder[@]}"
