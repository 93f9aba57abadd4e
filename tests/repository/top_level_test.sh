#!/bin/sh
# Fails when the top of the checkout holds a file or folder that is not one of
# the few that belong there (tracked or new, ignored files aside): programs
# run from the checkout have left pictures and other output there before.
# Usage: top_level_test.sh SOURCE_DIR
set -eu
cd "$1"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "not a git checkout: skipped"; exit 77; }

allowed=".ci .clang-format .clang-tidy .editorconfig .git-blame-ignore-revs .gitignore CMakeLists.txt CMakePresets.json "
allowed="$allowed README.md Samples bench cmake docs fuzz packaging scripts src tests"
status=0
for entry in $(git ls-files --cached --others --exclude-standard | cut -d/ -f1 | sort -u); do
  case " $allowed " in
    *" $entry "*) ;;
    *) echo "unexpected at the top of the checkout: $entry"; status=1 ;;
  esac
done
exit $status
