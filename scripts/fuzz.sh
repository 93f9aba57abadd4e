#!/usr/bin/env bash
# Builds the libFuzzer targets of the document engine with clang (the
# preset "fuzz") into build-fuzz/ (or $FUZZ_BUILD_DIR) and runs each for SECONDS (default 30),
# seeded from the shared corpus of real documents, our test documents,
# fuzz/seeds and fuzz/regressions. Seeds are copied into a temporary folder;
# the corpus is never written to. A crash leaves its input in build-fuzz/artifacts and makes the
# script fail.
# Usage: scripts/fuzz.sh [SECONDS] [FUZZER...]   (default: every fuzz/fuzz_*.cpp)
# A fuzzer is seeded with the documents of the formats the engine's table of
# formats gives it, by their usual names; the fuzzers of the whole engine and
# of compound files, and any fuzzer the table names for no format, with every
# document.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
[[ $# -gt 0 ]] && shift
fuzzers=("$@")
if [[ ${#fuzzers[@]} -eq 0 ]]; then  # every fuzz/fuzz_*.cpp
  for source in fuzz/fuzz_*.cpp; do fuzzers+=("$(basename "$source" .cpp)"); done
fi
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
corpus=${HARVELUX_CORPUS_DIR:-../shared/corpus}
formats=${HARVELUX_FORMATS_DIR:-../shared/formats}  # documents in older formats

cmake --preset fuzz -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target seed_patterns "${fuzzers[@]}" -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artifacts="$build_dir/artifacts"
mkdir -p "$artifacts"

# copy_seeds DIR PATTERN...: files of the corpus and of our test data whose
# names match one of the patterns, up to 1 MiB each, under unique names.
# With $HARVELUX_FUZZ_MAX_SEEDS set, at most that many, evenly spread over the
# sorted list, plus every regression input: libFuzzer runs each seed once
# before its time starts to count, so a short run needs a short seed list.
copy_seeds() {
  local dir=$1 n=0 args=() file files=() step=1 max=${HARVELUX_FUZZ_MAX_SEEDS:-0}
  shift
  for pattern in "$@"; do args+=(-o -iname "$pattern"); done
  mkdir -p "$dir"
  mapfile -d '' files < <(find "$corpus" "$formats" tests/wordproc/data fuzz/seeds -type f -size -1025k \( -false "${args[@]}" \) -print0 2>/dev/null | sort -z)
  if ((max > 0 && ${#files[@]} > max)); then step=$(((${#files[@]} + max - 1) / max)); fi
  for ((i = 0; i < ${#files[@]}; i += step)); do
    cp "${files[i]}" "$dir/$n-$(basename "${files[i]}")"
    n=$((n + 1))
  done
  while IFS= read -r -d '' file; do
    cp "$file" "$dir/$n-$(basename "$file")"
    n=$((n + 1))
  done < <(find fuzz/regressions -type f \( -false "${args[@]}" \) -print0 2>/dev/null)
}

# extract_part DIR PART EXTENSION: the XML part PART of every package with
# that extension, so that fuzz_odt and fuzz_ooxml can mutate it directly (the
# archive's checksums would reject most mutations).
extract_part() {
  local dir=$1 part=$2 n=0 file
  command -v unzip >/dev/null || return 0
  while IFS= read -r -d '' file; do
    unzip -p "$file" "$part" >"$dir/part-$n.xml" 2>/dev/null || rm -f "$dir/part-$n.xml"
    n=$((n + 1))
  done < <(find "$corpus" tests/wordproc/data -type f -iname "*.$3" -size -1025k -print0 2>/dev/null)
}

status=0
for fuzzer in "${fuzzers[@]}"; do
  seeds="$work/$fuzzer-seeds"
  dict=()
  mapfile -t patterns < <("$build_dir/fuzz/seed_patterns" "$fuzzer")
  case $fuzzer in
    fuzz_dispatch | fuzz_word_binary) patterns=('*') ;;
    fuzz_odt) patterns+=('*.xml') ;;  # content.xml on its own
    fuzz_legacy) patterns+=('wordperfect*') ;;
    fuzz_outlook_pst) patterns+=('*.pst-records') ;;  # the reader process's output, for its parser
  esac
  [[ ${#patterns[@]} -gt 0 ]] || patterns=('*')
  copy_seeds "$seeds" "${patterns[@]}"
  case $fuzzer in
    fuzz_rtf) dict=(-dict=fuzz/rtf.dict) ;;
    fuzz_odt) extract_part "$seeds" content.xml odt; dict=(-dict=fuzz/odf.dict) ;;
    fuzz_ooxml) extract_part "$seeds" word/document.xml docx ;;
    fuzz_html | fuzz_web_archive) dict=(-dict=fuzz/html.dict) ;;
  esac
  mkdir -p "$work/$fuzzer-corpus"
  echo "== $fuzzer: $(find "$seeds" -type f | wc -l) seeds, $seconds s"
  if ! LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" "$build_dir/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$fuzzer-" "${dict[@]}" "$work/$fuzzer-corpus" "$seeds" \
      >"$work/$fuzzer.log" 2>&1; then
    status=1
    tail -n 60 "$work/$fuzzer.log"
    echo "$fuzzer failed; the input is in $artifacts" >&2
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+ +DONE' "$work/$fuzzer.log" || true
  fi
done
exit $status
