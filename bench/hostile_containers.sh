#!/usr/bin/env bash
# The whole program over each hostile container of make_hostile_containers:
# wall time, peak memory (maximum resident set) and what the unread report
# says. Usage: bench/hostile_containers.sh [BUILD_DIR] [OPTIONS...]
# (options such as --all-stories go to harvelux-extract).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
extract="$build/src/cli/harvelux-extract"
make="$build/bench/make_hostile_containers"
[[ -x "$extract" && -x "$make" ]] || { echo "build harvelux-extract and make_hostile_containers first" >&2; exit 1; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$make" "$folder"
printf '%-22s %8s %10s  %s\n' file seconds "peak MB" "unread report (first lines)"
for file in "$folder"/*; do
  report=$( { /usr/bin/time -f '%e %M' "$extract" -j 1 --all-files "$@" "$file" > /dev/null; } 2>&1 || true)
  read -r seconds kb <<<"$(tail -1 <<<"$report")"
  printf '%-22s %8s %10d  %s\n' "$(basename "$file")" "$seconds" $((kb / 1024)) \
    "$(head -n -1 <<<"$report" | head -2 | sed "s|$folder/||g" | tr '\n' ' ')"
done
