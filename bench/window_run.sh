#!/usr/bin/env bash
# The window's run against harvelux-extract -j 2 over the same documents:
# ROUNDS rounds, each running both once (in turns, so a busy spell on the
# machine hurts both), best of each. The window's time is that of "Start
# Extracting" in the real windows offscreen (build/bench/window_run); the
# command line's is the whole process. Then checks that both give the same
# rows, with and without the file-name option. The programs run in a
# temporary folder.
# Usage: bench/window_run.sh LIST-FILE [BUILD_DIR] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${2:-build}")
rounds=${3:-5}
extract="$build/src/cli/harvelux-extract"
window="$build/bench/window_run"
best_of="$PWD/bench/best_of.py"
for program in "$extract" "$window"; do [[ -x "$program" ]] || { echo "build $program first" >&2; exit 1; }; done
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# The list with every path made absolute, for the programs in $out.
grep . "$1" | xargs -d '\n' realpath -ms > "$out/list"
list="$out/list"
cd "$out"
count=$(grep -c . "$list")

for ((r = 0; r < rounds; r++)); do
  python3 "$best_of" 1 "cli=$extract -j 2 --format lines @$list" >> "$out/cli"
  "$window" --jobs 2 "$list" 2> /dev/null > "$out/window.$r"
done
cli=$(sort -k2 -n "$out/cli" | head -n 1)
read -r _ cli_s _ cli_mb <<< "$cli"
best=$(for f in "$out"/window.*; do echo "$(awk '$1 == "run_s" {print $2}' "$f") $f"; done | sort -n | head -n 1 | cut -d' ' -f2)
value() { awk -v k="$1" '$1 == k {print $2}' "$best"; }
win_s=$(value run_s)

printf '| run over %s documents | seconds | documents/s | peak memory |\n|---|---:|---:|---:|\n' "$count"
printf '| harvelux-extract -j 2 (whole process) | %.3f | %.0f | %.0f MB |\n' "$cli_s" "$(echo "$count / $cli_s" | bc -l)" "$cli_mb"
printf '| window, "Start Extracting", 2 reading threads | %.3f | %.0f | %.0f MB |\n' "$win_s" \
  "$(echo "$count / $win_s" | bc -l)" "$(echo "$(value peak_kb) / 1024" | bc -l)"
printf '\nwindow / command line: %.2f\n' "$(echo "$win_s / $cli_s" | bc -l)"
printf 'window thread busy: %.3f s of the run; longest time without answering: %.0f ms\n' \
  "$(value window_thread_cpu_s)" "$(value longest_unanswered_ms)"
printf 'message pumps: %.0f; progress bar repaints: %.0f; rows: %.0f\n' \
  "$(value pumps)" "$(value progress_paints)" "$(value rows)"

for option in "" "-f"; do
  "$extract" -j 2 $option --format lines $(cat "$list") > "$out/cli.rows" 2> /dev/null || true
  "$window" --jobs 2 ${option:+--with-filename} --rows-out "$out/window.rows" "$list" > /dev/null 2>&1
  if cmp -s "$out/cli.rows" "$out/window.rows"; then
    echo "rows${option:+ with file names}: the same ($(wc -l < "$out/cli.rows") lines)"
  else
    echo "rows${option:+ with file names}: DIFFERENT"
  fi
done
