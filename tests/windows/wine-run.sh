#!/usr/bin/env bash
# Runs a Windows test program under Wine: ctest's emulator for the Windows
# build (CMAKE_CROSSCOMPILING_EMULATOR). The prefix, the X server and the
# time zone are run-wine-tests.sh's; started without them, it says so.
set -euo pipefail
if [[ -z ${WINEPREFIX:-} || -z ${DISPLAY:-} ]]; then
  echo "wine-run.sh: run the Windows tests through tests/windows/run-wine-tests.sh" >&2
  exit 1
fi
exec /usr/lib/wine/wine64 "$@"
