#!/usr/bin/env bash
# Builds the Debian package with CPack and inspects its file list and its
# run-time dependencies (installing it needs root and a clean system).
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" > cpack.log 2>&1) \
  || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/harvelux_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/harvelux ./usr/bin/harvelux-extract ./usr/lib/harvelux/harvelux ./usr/lib/harvelux/harvelux-pdf-html.so \
         ./usr/lib/harvelux/harvelux-legacy.so \
         ./usr/share/applications/com.quenbrook.Harvelux.desktop ./usr/share/man/man1/harvelux-extract.1 \
         ./usr/share/metainfo/com.quenbrook.Harvelux.metainfo.xml \
         ./usr/share/icons/hicolor/256x256/apps/com.quenbrook.Harvelux.png; do
  grep -qxF "$f" <<< "$files" || { echo "package lacks $f"; exit 1; }
done
grep -q '^./usr/lib/harvelux/Samples/.' <<< "$files" || { echo "package lacks the samples"; exit 1; }
if grep -q 'README$' <<< "$files"; then echo "package carries a README it should not"; exit 1; fi

depends=$(dpkg-deb -f "$deb" Depends)
# The reader module brings poppler and libxml2, which the programs load with it.
for d in libqt6widgets6 libqt6core6 libzip4 libpugixml1v5 libpoppler-cpp libxml2 qt6-qpa-plugins; do
  grep -q "$d" <<< "$depends" || { echo "Depends lacks $d: $depends"; exit 1; }
done
# Every dependency must be a package the distribution has.
if command -v apt-cache > /dev/null; then
  for d in $(tr ',|' '\n\n' <<< "$depends" | sed 's/(.*//; s/ //g' | sort -u); do
    apt-cache show "$d" > /dev/null 2>&1 || { echo "Depends names $d, which no repository provides"; exit 1; }
  done
fi
[[ "$(dpkg-deb -f "$deb" Package)" == harvelux ]]
echo "package: ok ($(basename "$deb"); Depends: $depends)"
