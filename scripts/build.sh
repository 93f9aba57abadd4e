#!/usr/bin/env bash
# Configures and builds Harvelux into build/ (or $BUILD_DIR), with any extra
# CMake arguments given.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" "$@"
cmake --build "$build_dir" -j "$(nproc)"
