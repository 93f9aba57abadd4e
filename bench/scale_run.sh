#!/usr/bin/env bash
# Runs harvelux-extract over the scale corpus with -j 1, 2 and 8: prints
# seconds, documents/s and peak memory per run, checks that the three outputs
# are byte-identical and that every planted address was found.
# Usage: bench/scale_run.sh [SCALE_DIR] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scale=${1:-/tmp/harvelux-scale}
build=${2:-build}
extract="$build/src/cli/harvelux-extract"
[[ -f "$scale/MANIFEST.tsv" ]] || python3 bench/make_scale_corpus.py "$scale" 10000 100
count=$(wc -l < "$scale/MANIFEST.tsv")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

printf '%-26s %9s %12s %14s\n' "run" "seconds" "documents/s" "peak RSS (MB)"
for j in 1 2 8; do
  /usr/bin/time -f '%e %M' -o "$out/time.$j" "$extract" -j "$j" -f --format text "$scale" > "$out/out.$j" 2> /dev/null || true
  read -r secs kb < <(tail -n 1 "$out/time.$j")
  printf '%-26s %9.2f %12.0f %14.1f\n' "harvelux-extract -j $j" "$secs" "$(echo "$count / $secs" | bc -l)" "$(echo "$kb / 1024" | bc -l)"
done
cmp -s "$out/out.1" "$out/out.2" && cmp -s "$out/out.1" "$out/out.8" && echo "outputs: identical for -j 1, 2, 8" || echo "outputs: DIFFERENT"
missing=0
while IFS=$'\t' read -r path address; do
  [[ -z "$address" ]] && continue
  grep -qF "$address" "$out/out.1" || missing=$((missing + 1))
done < "$scale/MANIFEST.tsv"
echo "planted addresses not found: $missing"
