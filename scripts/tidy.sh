#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the sources below the given folders
# (default: src), with the compile commands of a configured build.
# Usage: scripts/tidy.sh BUILD_DIR [FOLDER...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:?usage: scripts/tidy.sh BUILD_DIR [FOLDER...]}
shift
folders=("${@:-src}")
[[ -f "$build_dir/compile_commands.json" ]] || { echo "no $build_dir/compile_commands.json: configure first" >&2; exit 2; }
mapfile -t files < <(git ls-files -- "${folders[@]/%//*.cpp}")
echo "clang-tidy over ${#files[@]} files of ${folders[*]}"
run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" "${files[@]/#/$PWD/}" >"$build_dir/tidy.log" 2>&1 || {
  grep -E 'warning:|error:' "$build_dir/tidy.log" | sort -u >&2
  echo "clang-tidy found the problems above (whole output: $build_dir/tidy.log)" >&2
  exit 1
}
echo "clang-tidy: no findings"
