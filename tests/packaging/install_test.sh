#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result: the
# installed harvelux-extract reads the installed samples and finds exactly
# the addresses their README lists, and the desktop files validate.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null

for f in bin/harvelux-extract bin/harvelux lib/harvelux/harvelux share/man/man1/harvelux-extract.1 \
         share/applications/com.quenbrook.Harvelux.desktop share/metainfo/com.quenbrook.Harvelux.metainfo.xml \
         share/icons/hicolor/scalable/apps/com.quenbrook.Harvelux.svg \
         share/icons/hicolor/48x48/apps/com.quenbrook.Harvelux.png; do
  [[ -e "$prefix/$f" ]] || { echo "missing after install: $f"; exit 1; }
done
[[ "$(readlink -f "$prefix/bin/harvelux")" == "$(readlink -f "$prefix/lib/harvelux/harvelux")" ]] \
  || { echo "bin/harvelux does not lead to the program folder"; exit 1; }

# The addresses the README says a run over the samples finds, as a sorted set
# ("Load Samples Files" takes every file of the folder, as --all-files does).
expected=$(awk '/^Addresses that are in the documents but are NOT/ {exit} /^    [^ ]+@/ {print $1}' \
             "$source/Samples/README" | sort)
found=$("$prefix/bin/harvelux-extract" --all-files "$prefix/lib/harvelux/Samples" | tr -d '\r' | sort)
if [[ "$found" != "$expected" ]]; then
  echo "installed samples: addresses differ from Samples/README"
  diff <(echo "$expected") <(echo "$found") || true
  exit 1
fi
[[ -n "$expected" ]] || { echo "Samples/README lists no addresses"; exit 1; }

# HTML and PDF are read by a module loaded on first use: the installed
# programs must find it in the program folder.
[[ -e "$prefix/lib/harvelux/harvelux-pdf-html.so" ]] || { echo "missing after install: the reader module"; exit 1; }
printf '<html><body><p>Write to reader.module@example.org today</p></body></html>' > "$prefix/page.html"
found=$("$prefix/bin/harvelux-extract" "$prefix/page.html" | tr -d '\r')
[[ "$found" == "reader.module@example.org" ]] || { echo "installed harvelux-extract cannot read HTML: '$found'"; exit 1; }
# WordPerfect and Works through the second module.
[[ -e "$prefix/lib/harvelux/harvelux-legacy.so" ]] || { echo "missing after install: the legacy reader module"; exit 1; }
"$prefix/bin/harvelux-extract" --dump-text "$source/tests/wordproc/data/legacy/wordperfect6.wpd" \
    "$source/tests/wordproc/data/legacy/works2000.wps" > "$prefix/legacy.txt" \
  || { echo "installed harvelux-extract cannot read WordPerfect or Works"; exit 1; }
grep -q 'AND FURTHER' "$prefix/legacy.txt" && grep -q 'made with Microsoft Works' "$prefix/legacy.txt" \
  || { echo "installed harvelux-extract read WordPerfect or Works wrongly"; cat "$prefix/legacy.txt"; exit 1; }
# Mail stores through the reader program installed beside the modules.
for reader in harvelux-pst-reader harvelux-tnef-reader; do
  [[ -x "$prefix/lib/harvelux/$reader" ]] || { echo "missing after install: $reader"; exit 1; }
done
store="$source/../shared/containers/testPST_variousBodyTypes.pst"
if [[ -e "$store" ]]; then
  "$prefix/bin/harvelux-extract" -f "$store" | grep -q 'testPST_variousBodyTypes.pst::Inbox/tmp/message 2' \
    || { echo "installed harvelux-extract cannot read a mail store"; exit 1; }
fi
# A program without the module beside it reads the other formats and says
# why HTML is unreadable.
mkdir -p "$prefix/a/b"
cp "$prefix/bin/harvelux-extract" "$prefix/a/b/"
printf 'Write to plain.text@example.org today\r\n' > "$prefix/page.txt"
if "$prefix/a/b/harvelux-extract" --stats "$prefix/page.html" "$prefix/page.txt" > "$prefix/out" 2> "$prefix/err"; then
  echo "without the module, an HTML document was counted as read"; exit 1
fi
grep -q 'the reader for HTML files is not installed' "$prefix/err" \
  || { echo "without the module: unexpected report"; cat "$prefix/err"; exit 1; }
[[ "$(tr -d '\r' < "$prefix/out")" == "plain.text@example.org" ]] || { echo "without the module, text was not read"; exit 1; }

"$prefix/bin/harvelux-extract" --help | grep -q -- '--with-filename'
"$prefix/bin/harvelux-extract" --version | head -n 1 | grep -q '^harvelux-extract (Harvelux) '
if command -v desktop-file-validate > /dev/null; then
  out=$(desktop-file-validate "$prefix/share/applications/com.quenbrook.Harvelux.desktop")
  [[ -z "$out" ]] || { echo "$out"; exit 1; }
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/com.quenbrook.Harvelux.metainfo.xml"
fi
if command -v man > /dev/null; then
  MANWIDTH=80 man -l "$prefix/share/man/man1/harvelux-extract.1" 2> /dev/null | grep -q 'EXIT STATUS'
fi
echo "install: ok ($(echo "$expected" | wc -l) addresses from the installed samples)"
