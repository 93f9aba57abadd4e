#!/usr/bin/env bash
# Runs harvelux-extract over the shared test corpus and prints documents per
# second and MB per second (bytes of the document files), best of N runs,
# in a temporary folder.
# Usage: bench/corpus_throughput.sh [BUILD_DIR] [RUNS] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
jobs=${3:-1}
corpus=$(realpath "${HARVELUX_CORPUS:-../shared/corpus}")
extract="$(realpath "$build")/src/cli/harvelux-extract"
[[ -x "$extract" ]] || { echo "build $extract first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

mapfile -d '' files < <(find "$corpus" -type f ! -name '*.tsv' ! -name '*.md' -print0 | sort -z)
bytes=$(cat "${files[@]}" | wc -c)
best=""
for ((i = 0; i < runs; i++)); do
  start=$(date +%s.%N)
  "$extract" -j "$jobs" --all-files "${files[@]}" > /dev/null 2>&1 || true
  end=$(date +%s.%N)
  t=$(echo "$end - $start" | bc -l)
  if [[ -z "$best" ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
done
printf '%-28s %10s %10s %12s %10s\n' "tool" "documents" "MB" "documents/s" "MB/s"
printf '%-28s %10d %10.1f %12.0f %10.1f\n' "harvelux-extract -j $jobs" "${#files[@]}" \
  "$(echo "$bytes / 1048576" | bc -l)" "$(echo "${#files[@]} / $best" | bc -l)" \
  "$(echo "$bytes / 1048576 / $best" | bc -l)"
