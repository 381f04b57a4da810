#!/usr/bin/env bash
# Builds the Windows program with its test programs and runs the Windows
# checks under Wine (tests/windows/run-wine-tests.sh). Compares with the
# Linux build in build/, so run scripts/build.sh (or test.sh) first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests --windows
[[ -x build/bin/dorvane ]] || scripts/build.sh
scripts/build-windows.sh --tests
tests/windows/run-wine-tests.sh build-windows build
