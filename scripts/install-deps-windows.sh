#!/usr/bin/env bash
# Installs the Debian 12 packages the Windows build and its checks under Wine
# need, besides those of install-deps.sh: the MinGW-w64 compilers (posix
# threads), Debian's zlib for MinGW, widl, NSIS for the installer, Wine, the
# host's Qt tools and translations, zip, and what draws the icon.
set -euo pipefail
packages=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev mingw-w64-tools nsis wine64 xvfb xauth zip
          qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n libgtest-dev
          librsvg2-bin imagemagick cmake ninja-build perl curl ca-certificates dpkg-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
