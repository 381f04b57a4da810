#!/usr/bin/env bash
# Installs the Debian 12 packages Dorvane needs that are not there yet.
#   install-deps.sh          what building and running need
#   install-deps.sh --tests  also what the tests need (independent document readers, X server,
#                            the desktop data validators, lintian and debootstrap for the package,
#                            the fonts other scripts are drawn in)
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libcups2-dev libzip-dev
          libical-dev libgtest-dev libgmock-dev libbenchmark-dev librsvg2-bin file fonts-liberation fonts-dejavu-core)
if [[ "${1:-}" == "--tests" ]]; then
  # mount and util-linux (unshare): the full-disk tests mount a small tmpfs
  # in a private mount namespace.
  packages+=(libreoffice-writer-nogui python3-docx xvfb xauth poppler-utils mount util-linux
             desktop-file-utils appstream lintian debootstrap xdotool x11-utils x11-xserver-utils imagemagick
             cups-daemon cups-client cups-filters
             fonts-noto-cjk fonts-lohit-deva)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
