#!/usr/bin/env bash
# Installs the Debian packages Harvelux needs to build and test, when missing.
# Usage: scripts/install-deps.sh [--test]   (--test adds what the tests need)
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
          libzip-dev libarchive-dev libdeflate-dev libisal-dev libgmime-3.0-dev libpugixml-dev libytnef0-dev libpst-dev zlib1g-dev libpoppler-cpp-dev libxml2-dev libbenchmark-dev
          libwpd-dev libwps-dev libmwaw-dev librevenge-dev libidn2-dev libunistring-dev
          libtesseract-dev libleptonica-dev tesseract-ocr-eng
          fonts-crosextra-carlito scdoc)
if [[ "${1:-}" == "--test" ]]; then
  # file: CPack's Debian generator looks at the programs with it to find their libraries.
  packages+=(clang libclang-rt-14-dev clang-format clang-tidy xvfb xauth unzip desktop-file-utils appstream dpkg-dev file parallel)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
