#!/usr/bin/env bash
# Lays out the C++ sources with clang-format (.clang-format); --check only
# lists the files whose layout differs and fails if there are any.
# Usage: scripts/format.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'bench/*.h' 'packaging/*.cpp')
if [[ "${1:-}" == "--check" ]]; then
  clang-format --dry-run -Werror "${files[@]}" 2>&1 | grep -o '^[^:]*:' | sort -u | sed 's/:$/: not laid out as .clang-format says (scripts\/format.sh fixes it)/' >&2 && exit 1
  echo "all ${#files[@]} C++ files are laid out as .clang-format says"
else
  clang-format -i "${files[@]}"
fi
