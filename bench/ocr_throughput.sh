#!/usr/bin/env bash
# Optical character recognition over the scanned pages of ../shared/ocr:
# harvelux-extract --ocr -j N against the way users script it, one
# `tesseract PAGE stdout | grep` process per page (PDF pages rendered with
# pdftoppm -r 300 first), N processes at a time. Prints pages per second and
# the addresses each finds against the README's list: found, missed and
# invented (found but not shown on the page). Then the corpus read with and
# without --ocr (best of RUNS each).
# Usage: bench/ocr_throughput.sh [BUILD_DIR] [JOBS] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${2:-2}
runs=${3:-3}
ocr=$(realpath "${HARVELUX_OCR_PAGES:-../shared/ocr}")
corpus=$(realpath "${HARVELUX_CORPUS:-../shared/corpus}")
extract="$(realpath "$build")/src/cli/harvelux-extract"
[[ -x "$extract" ]] || { echo "build $extract first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export OMP_THREAD_LIMIT=1  # one core per tesseract process, as the workers have

pattern='[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)*\.[A-Za-z]{2,}'
mapfile -t files < <(find "$ocr" -type f ! -name '*.md' | sort)
# The truth: "`file` | ... | `a@b`, `c@d` |" rows of the README, as "file<TAB>address".
sed -n 's/^| `\([^`]*\)` |.*| \(`[^|]*\) |$/\1\t\2/p' "$ocr/README.md" |
  while IFS=$'\t' read -r file list; do
    grep -oE "$pattern" <<<"$list" | sed "s|^|$file\t|"
  done | tr 'A-Z' 'a-z' | sort -u > "$work/truth"
pages=0
for f in "${files[@]}"; do
  case "$f" in
    *.pdf) pages=$((pages + $(pdfinfo "$f" | sed -n 's/^Pages: *//p'))) ;;
    *.tif) pages=$((pages + $(identify "$f" 2>/dev/null | wc -l))) ;;
    *) pages=$((pages + 1)) ;;
  esac
done

# Scores "file<TAB>address" lines against the truth.
score() {
  { grep -v '^[[:space:]]*$' || true; } | tr 'A-Z' 'a-z' | sort -u > "$work/found"
  local found missed invented
  found=$(comm -12 "$work/truth" "$work/found" | wc -l)
  missed=$(comm -23 "$work/truth" "$work/found" | wc -l)
  invented=$(comm -13 "$work/truth" "$work/found" | wc -l)
  echo "$found $missed $invented"
}

# The baseline: one process per page.
baseline_page() {
  local file=$1 name
  name=$(basename "$file")
  if [[ "$file" == *.pdf ]]; then
    local dir
    dir=$(mktemp -d -p "$WORK")
    pdftoppm -r 300 -png "$file" "$dir/page"
    for page in "$dir"/page*.png; do tesseract "$page" stdout 2>/dev/null; done
  else
    tesseract "$file" stdout 2>/dev/null
  fi | { grep -oE "$PATTERN" || true; } | sed "s|^|$name\t|"
}
export -f baseline_page
export WORK=$work PATTERN=$pattern

start=$(date +%s.%N)
printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P "$jobs" bash -c 'baseline_page "$0"' > "$work/baseline"
baseline_s=$(echo "$(date +%s.%N) - $start" | bc -l)
read -r b_found b_missed b_invented < <(score < "$work/baseline")

start=$(date +%s.%N)
"$extract" --ocr -j "$jobs" -f --format=comma "${files[@]}" 2> /dev/null | tr -d '\r' | tail -n +2 |
  sed 's|^.*/\([^/]*\), \(.*\)$|\1\t\2|' > "$work/harvelux" || true
harvelux_s=$(echo "$(date +%s.%N) - $start" | bc -l)
read -r h_found h_missed h_invented < <(score < "$work/harvelux")

printf '%-44s %6s %8s %8s %6s %7s %9s\n' "tool ($pages pages, $jobs processes)" pages seconds pages/s found missed invented
printf '%-44s %6d %8.1f %8.2f %6d %7d %9d\n' "tesseract PAGE stdout | grep, -P $jobs" "$pages" "$baseline_s" \
  "$(echo "$pages / $baseline_s" | bc -l)" "$b_found" "$b_missed" "$b_invented"
printf '%-44s %6d %8.1f %8.2f %6d %7d %9d\n' "harvelux-extract --ocr -j $jobs" "$pages" "$harvelux_s" \
  "$(echo "$pages / $harvelux_s" | bc -l)" "$h_found" "$h_missed" "$h_invented"

# The corpus with and without --ocr: no page with text is recognised.
mapfile -d '' documents < <(find "$corpus" -type f ! -name '*.tsv' ! -name '*.md' -print0 | sort -z)
best_of() {
  local best="" t start
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s.%N)
    "$extract" -j "$jobs" --all-files "$@" "${documents[@]}" > "$work/corpus$#" 2> /dev/null || true
    t=$(echo "$(date +%s.%N) - $start" | bc -l)
    if [[ -z "$best" ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
  done
  echo "$best"
}
without=$(best_of)
with=$(best_of --ocr)
printf '\ncorpus (%d documents, -j %d, best of %d): without --ocr %.2f s, with --ocr %.2f s (%+.1f %%)\n' \
  "${#documents[@]}" "$jobs" "$runs" "$without" "$with" "$(echo "($with - $without) * 100 / $without" | bc -l)"
cmp -s "$work/corpus0" "$work/corpus1" && echo "the corpus's addresses are the same with and without --ocr" ||
  echo "the corpus's addresses DIFFER with --ocr"
