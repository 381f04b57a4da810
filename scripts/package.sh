#!/usr/bin/env bash
# Installs what is missing, builds Dorvane in build/ and makes its Debian
# package, dorvane_<version>_amd64.deb, in the folder given (build/ when none is).
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build}")"
scripts/install-deps.sh
scripts/build.sh
mkdir -p "$out"
cpack --config build/CPackConfig.cmake -G DEB -B "$out/_cpack"
mv "$out"/_cpack/dorvane_*.deb "$out"/
rm -rf "$out/_cpack"
ls "$out"/dorvane_*.deb
