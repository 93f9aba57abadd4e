#!/usr/bin/env bash
# Lays out the C++ sources with clang-format (.clang-format); --check only
# lists the files whose layout differs and fails if there are any.
# Usage: scripts/format.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'bench/*.h' 'packaging/*.cpp')
if [[ "${1:-}" == "--check" ]]; then
  # clang-format fails on the first file it would change, so its status says
  # nothing here: the list of files it names does.
  differing=$(clang-format --dry-run "${files[@]}" 2>&1 | grep -o '^[^:]*:[0-9]*:[0-9]*: warning' | cut -d: -f1 | sort -u || true)
  if [[ -n "$differing" ]]; then
    sed 's/$/: not laid out as .clang-format says (scripts\/format.sh fixes it)/' <<<"$differing" >&2
    exit 1
  fi
  echo "all ${#files[@]} C++ files are laid out as .clang-format says"
else
  clang-format -i "${files[@]}"
fi
