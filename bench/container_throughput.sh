#!/usr/bin/env bash
# Reads the shared corpus loose, zipped, tar-gzipped and attached to one
# e-mail with harvelux-extract -j JOBS, in turns, ROUNDS rounds, and prints
# the best wall and CPU seconds of each and its rate against the loose
# documents' (1.00: as fast as loose; the goal is 0.80 or more).
# Usage: bench/container_throughput.sh [BUILD_DIR] [ROUNDS] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-7}
jobs=${3:-2}
corpus=$(realpath "${HARVELUX_CORPUS:-../shared/corpus}")
extract="$(realpath "$build")/src/cli/harvelux-extract"
[[ -x "$extract" ]] || { echo "build $extract first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bench/make_container_inputs.py "$corpus" "$work"
# The loose documents in the members' order (sorted paths), named one by one.
find "$work/loose" -type f | LC_ALL=C sort > "$work/loose.list"
# Every input gives the same addresses in the same order (the e-mail also
# its own sender and recipient, at example.net).
for input in "--files-from $work/loose.list" "$work/corpus.zip" "$work/corpus.tar.gz" "$work/corpus.eml"; do
  # shellcheck disable=SC2086
  { "$extract" -j "$jobs" $input 2>/dev/null || true; } | grep -v '@example\.net$' | md5sum
done | sort -u | awk 'END { if (NR != 1) { print "the inputs give different addresses" > "/dev/stderr"; exit 1 } }'
bench/best_of.py "$rounds" \
  "loose=$extract -j $jobs -f --files-from $work/loose.list" \
  "zip=$extract -j $jobs -f $work/corpus.zip" \
  "tar.gz=$extract -j $jobs -f $work/corpus.tar.gz" \
  "eml=$extract -j $jobs -f $work/corpus.eml" |
  awk '{ if ($1 == "loose") base = $2; printf "%-8s %7.3f s wall %7.3f s CPU %6.1f MB  rate %.2f of loose\n", $1, $2, $3, $4, base / $2 }'
