#!/usr/bin/env bash
# Configures and builds one of the builds of CMakePresets.json (default:
# "default", into build/), with any extra CMake arguments given.
# Usage: [HARVELUX_PRESET=asan] scripts/build.sh [-DOPTION=VALUE...]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${HARVELUX_PRESET:-default}
cmake --preset "$preset" "$@"
cmake --build --preset "$preset" -j "$(nproc)"
