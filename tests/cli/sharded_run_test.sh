#!/bin/sh
# A list of the shared corpus split into 4 parts run through GNU parallel, each
# part writing JSON Lines with its list positions; --merge of the parts must
# give byte for byte what one run over the whole list gives, in every format,
# with and without -f. Skipped (77) without GNU parallel or the corpus.
set -eu
extract=$1
corpus=$2
command -v parallel >/dev/null 2>&1 || { echo "GNU parallel is not installed"; exit 77; }
[ -d "$corpus" ] || { echo "no corpus at $corpus"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Splits the list in $work/list into 4 parts run through GNU parallel, then
# compares the merge of the parts with one run, in every format; $1 is
# handed to every run (the containers' inner documents are read whole).
check() {
    stories=$1
    total=$(wc -l < "$work/list")
    per=$(( (total + 3) / 4 ))
    export extract per stories
    rm -f "$work"/part*.jsonl
    parallel --pipe -N "$per" -j 4 --will-cite \
        '"$extract" -q -j1 --all-files $stories --files-from - --format jsonl --first-position $(( ({#} - 1) * per + 1 )) > '"$work"'/part{#}.jsonl' \
        < "$work/list" || true
    for args in "" "-f" "--format text" "-f --format comma" "--format csv" "--format jsonl" "-f --crlf"; do
        # shellcheck disable=SC2086
        "$extract" -q --all-files $stories --files-from "$work/list" $args > "$work/one" || true
        # shellcheck disable=SC2086
        "$extract" --merge $args "$work"/part*.jsonl > "$work/merged"
        if ! cmp -s "$work/one" "$work/merged"; then
            echo "merged output differs from one run with: $stories $args"
            diff "$work/one" "$work/merged" | head -20
            exit 1
        fi
    done
    [ -s "$work/one" ] || { echo "the run found no address"; exit 1; }
    echo "4 parts of $total documents merged byte for byte ${stories:+($stories)}"
}
find "$corpus" "$corpus/../formats" -type f ! -name '*.md' ! -name '*.tsv' | LC_ALL=C sort > "$work/list"
check ""
# Containers: their inner documents take their container's position.
if [ -d "$corpus/../containers" ]; then
    find "$corpus/../containers" -type f ! -name '*.md' ! -name '*.tsv' | LC_ALL=C sort > "$work/list"
    check --all-stories
fi
