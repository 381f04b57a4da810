#!/usr/bin/env bash
# Cross-builds 64-bit Windows Dorvane on Debian 12 with MinGW-w64 and makes:
#   build-windows/bin/dorvane.exe                  and everything it needs beside it
#   build-windows/dorvane-<version>-windows.zip    the same files, to unpack and run
#   build-windows/dorvane-<version>-setup.exe      the installer (NSIS)
# The libraries Debian ships no MinGW build of are built once from Debian's
# sources into a cache outside the work tree (scripts/windows-deps.sh); the
# first run takes about half an hour on two cores, later ones minutes.
#
#   build-windows.sh            the program, the zip and the installer
#   build-windows.sh --tests    also the test programs, for tests/windows/run-wine-tests.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
build=${DORVANE_WINDOWS_BUILD:-$top/build-windows}
tests=OFF
[[ "${1:-}" == "--tests" ]] && tests=ON

scripts/install-deps.sh --windows
declare -A prefix
while IFS='=' read -r name path; do
  prefix[$name]=$path
done < <(scripts/windows-deps.sh)
for name in qtbase libzip libical pugixml; do
  [[ -n "${prefix[$name]:-}" ]] || { echo "build-windows: no $name for Windows" >&2; exit 1; }
done

# Qt's own toolchain file (qt-cmake) chains ours, which finds the other
# libraries in their prefixes.
"${prefix[qtbase]}/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$top/cmake/windows/dorvane-toolchain.cmake" \
  -DDORVANE_WINDOWS_PREFIXES="${prefix[libzip]};${prefix[libical]};${prefix[pugixml]}" \
  -DDORVANE_WINDOWS_TESTS=$tests -DCMAKE_CROSSCOMPILING_EMULATOR="$top/tests/windows/wine-run.sh"
cmake --build "$build" --parallel "$(nproc)"

version=$(sed -n 's/^project(Dorvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$build/stage
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null

# The zip: the program's folder as it is installed.
zip_file=$build/dorvane-$version-windows.zip
rm -f "$zip_file"
(cd "$stage" && zip -qr9X "$zip_file" .)

# The installer's lists of files: installed one by one, removed one by one,
# so that uninstalling leaves whatever else is in the folder.
lists=$build/installer
mkdir -p "$lists"
(
  cd "$stage"
  find . -type d ! -name . | sort | sed 's|^\./||' | while read -r folder; do
    printf 'CreateDirectory "$INSTDIR\\%s"\n' "${folder//\//\\}"
  done
  find . -type f | sort | sed 's|^\./||' | while read -r file; do
    folder=$(dirname "$file")
    if [[ $folder == . ]]; then out='$INSTDIR'; else out="\$INSTDIR\\${folder//\//\\}"; fi
    printf 'SetOutPath "%s"\nFile "%s/%s"\n' "$out" "$stage" "$file"
  done
  printf 'SetOutPath "$INSTDIR"\n'
) >"$lists/files.nsh"
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||' | while read -r file; do
    printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}"
  done
  find . -depth -type d ! -name . | sed 's|^\./||' | while read -r folder; do
    printf 'RMDir "$INSTDIR\\%s"\n' "${folder//\//\\}"
  done
) >"$lists/unfiles.nsh"

setup=$build/dorvane-$version-setup.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DLISTS="$lists" -DICON="$build/windows-icon/dorvane.ico" \
  -DOUTFILE="$setup" cmake/windows/dorvane.nsi

echo "build-windows: $build/bin/dorvane.exe"
echo "build-windows: $zip_file"
echo "build-windows: $setup"
