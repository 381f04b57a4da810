#!/usr/bin/env bash
# Runs a Windows test program under Wine: ctest's emulator for the Windows
# build (CMAKE_CROSSCOMPILING_EMULATOR). The prefix, the X server and the
# time zone are run-wine-tests.sh's; started without them, it says so.
set -euo pipefail
if [[ -z ${WINEPREFIX:-} || -z ${DISPLAY:-} ]]; then
  echo "wine-run.sh: run the Windows tests through tests/windows/run-wine-tests.sh" >&2
  exit 1
fi
# A test run beside the others has a prefix of its own (DORVANE_WINE_PREFIX_CHOICE=second).
if [[ ${DORVANE_WINE_PREFIX_CHOICE:-} == second ]]; then
  if [[ -z ${DORVANE_SECOND_WINEPREFIX:-} ]]; then
    echo "wine-run.sh: no second prefix; run the Windows tests through tests/windows/run-wine-tests.sh" >&2
    exit 1
  fi
  export WINEPREFIX=$DORVANE_SECOND_WINEPREFIX
fi
exec /usr/lib/wine/wine64 "$@"
