#!/usr/bin/env bash
# Whole documents (--all-stories) against the main story alone over the
# shared corpus, one document at a time (-j 1), best of N runs each, and the
# ratio. With a reference harvelux-extract (a build of the program before a
# change), also checks that the results without --all-stories are byte for
# byte the reference's: the -f text file and every text --dump-text shows.
# Usage: bench/all_stories.sh [BUILD_DIR] [RUNS] [REFERENCE_EXTRACTOR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
reference=${3:-}
corpus=${HARVELUX_CORPUS:-../shared/corpus}
extract="$build/src/cli/harvelux-extract"
[[ -x "$extract" ]] || { echo "build $extract first" >&2; exit 1; }

mapfile -d '' files < <(find "$corpus" -type f ! -name '*.tsv' ! -name '*.md' -print0 | sort -z)

best_of() {
  local best="" start end t
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s.%N)
    "$extract" -j 1 --all-files "$@" "${files[@]}" > /dev/null 2>&1 || true
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc -l)
    if [[ -z "$best" ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
  done
  echo "$best"
}

off=$(best_of)
on=$(best_of --all-stories)
printf '%-24s %10s %10s\n' "run (-j 1)" "documents" "seconds"
printf '%-24s %10d %10.3f\n' "main story" "${#files[@]}" "$off" "whole documents" "${#files[@]}" "$on"
printf 'whole / main: %.2f\n' "$(echo "$on / $off" | bc -l)"
printf 'addresses: main story %d, whole documents %d\n' \
  "$("$extract" -j 1 --all-files "${files[@]}" 2>/dev/null | wc -l)" \
  "$("$extract" -j 1 --all-files --all-stories "${files[@]}" 2>/dev/null | wc -l)"

if [[ -n "$reference" ]]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  status=0
  for mode in "-f --format text" "--dump-text"; do
    # shellcheck disable=SC2086
    "$reference" -j 1 --all-files $mode "${files[@]}" > "$work/reference" 2>/dev/null || true
    # shellcheck disable=SC2086
    "$extract" -j 1 --all-files $mode "${files[@]}" > "$work/ours" 2>/dev/null || true
    if cmp -s "$work/reference" "$work/ours"; then
      echo "without --all-stories, $mode: identical to the reference ($(wc -c < "$work/ours") bytes)"
    else
      echo "without --all-stories, $mode: DIFFERS from the reference" >&2
      status=1
    fi
  done
  exit $status
fi
