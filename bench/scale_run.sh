#!/usr/bin/env bash
# harvelux-extract over the scale corpus (every document of MANIFEST.tsv):
# -j 1, 2 and 8, best of ROUNDS runs taken in turns; seconds, documents/s,
# CPU seconds and peak memory. Then: are the three outputs byte-identical,
# was every planted address found, and how peak memory grows with the
# number of documents (the first 1,000 against all 10,000) and with the
# largest documents (the ten largest alone). The programs run in a
# temporary folder.
# Usage: bench/scale_run.sh [SCALE_DIR] [BUILD_DIR] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scale=$(realpath -m "${1:-/tmp/harvelux-scale}")
build=${2:-build}
rounds=${3:-5}
extract="$(realpath "$build")/src/cli/harvelux-extract"
best_of="$PWD/bench/best_of.py"
[[ -x "$extract" ]] || { echo "build $extract first" >&2; exit 1; }
[[ -f "$scale/MANIFEST.tsv" ]] || python3 bench/make_scale_corpus.py "$scale" 10000 100
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$out"

cut -f1 "$scale/MANIFEST.tsv" > "$out/all.txt"
head -n 1000 "$out/all.txt" > "$out/first1000.txt"
xargs -d '\n' stat -c '%s %n' < "$out/all.txt" | sort -rn | sed -n '1,10p' | cut -d' ' -f2- > "$out/largest10.txt"
count=$(wc -l < "$out/all.txt")

# Figures of the runs: label, seconds, CPU seconds, peak MB.
python3 "$best_of" "$rounds" \
  "j1=$extract -j 1 -f --format text @$out/all.txt >$out/out.1" \
  "j2=$extract -j 2 -f --format text @$out/all.txt >$out/out.2" \
  "j8=$extract -j 8 -f --format text @$out/all.txt >$out/out.8" > "$out/figures"
printf '| run | seconds | documents/s | CPU seconds | peak memory |\n|---|---:|---:|---:|---:|\n'
while read -r label secs cpu mb; do
  printf '| harvelux-extract -j %s | %.3f | %.0f | %.3f | %.0f MB |\n' "${label#j}" "$secs" \
    "$(echo "$count / $secs" | bc -l)" "$cpu" "$mb"
done < "$out/figures"
j1=$(awk '$1 == "j1" {print $2}' "$out/figures")
j2=$(awk '$1 == "j2" {print $2}' "$out/figures")
printf '\n-j 2 reads %.2f times as fast as -j 1\n' "$(echo "$j1 / $j2" | bc -l)"

if cmp -s "$out/out.1" "$out/out.2" && cmp -s "$out/out.1" "$out/out.8"; then
  echo "outputs: byte-identical for -j 1, 2, 8 ($(wc -l < "$out/out.1") lines)"
else
  echo "outputs: DIFFERENT"
fi

# Planted addresses: each one must be in the output, unless its document
# could not be read at all.
mapfile -t documents < "$out/all.txt"
"$extract" -j 2 --stats "${documents[@]}" 2> "$out/stats" > /dev/null || true
grep -E '^documents|^addresses' "$out/stats"
sed -n 's/^  \(.*\): .*/\1/p' "$out/stats" > "$out/unread"
planted=0 missing=0 unread=0
while IFS=$'\t' read -r path address; do
  [[ -z "$address" ]] && continue
  planted=$((planted + 1))
  if grep -qxF "$path" "$out/unread"; then unread=$((unread + 1)); continue; fi
  grep -qF "$address" "$out/out.1" || missing=$((missing + 1))
done < "$scale/MANIFEST.tsv"
echo "planted addresses: $planted; in documents that could not be read: $unread; not found otherwise: $missing"

echo
python3 "$best_of" "$rounds" \
  "first1000=$extract -j 2 -f --format text @$out/first1000.txt" \
  "all=$extract -j 2 -f --format text @$out/all.txt" \
  "largest10=$extract -j 2 -f --format text @$out/largest10.txt" > "$out/memory"
printf '| harvelux-extract -j 2 over | documents | seconds | peak memory |\n|---|---:|---:|---:|\n'
while read -r label secs cpu mb; do
  case $label in
    first1000) what="the first 1,000 documents"; n=1000 ;;
    all) what="all $count documents"; n=$count ;;
    largest10) what="the ten largest documents ($(xargs -d '\n' du -ch < "$out/largest10.txt" | tail -n 1 | cut -f1))"; n=10 ;;
  esac
  printf '| %s | %d | %.3f | %.0f MB |\n' "$what" "$n" "$secs" "$mb"
done < "$out/memory"
