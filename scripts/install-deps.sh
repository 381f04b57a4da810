#!/usr/bin/env bash
# Installs the Debian 12 packages Dorvane needs that are not there yet.
#   install-deps.sh          what building and running need
#   install-deps.sh --tests  also what the tests need (independent document readers, X server,
#                            the desktop data validators, lintian and debootstrap for the package,
#                            Radicale and gnome-keyring for the calendar address tests,
#                            the fonts other scripts are drawn in,
#                            the accessibility bus and pyatspi to walk the program's accessible tree)
#   install-deps.sh --windows  also what the Windows build and its checks under Wine need: the
#                            MinGW-w64 compilers (posix threads), Debian's zlib for MinGW, NSIS for the
#                            installer, Wine, zip, what draws the icon and fetches Debian's sources
#   (the options combine)
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libcups2-dev libzip-dev libpugixml-dev libxcb1-dev libfontconfig-dev
          libical-dev qtkeychain-qt6-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev librsvg2-bin file fonts-liberation fonts-dejavu-core
          python3-fonttools)
tests=0
windows=0
for option in "$@"; do
  case $option in
    --tests) tests=1 ;;
    --windows) windows=1 ;;
    *) echo "install-deps.sh: unknown option $option" >&2; exit 1 ;;
  esac
done
if ((windows)); then
  packages+=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev mingw-w64-tools nsis wine64 xvfb xauth zip
             imagemagick perl curl ca-certificates)
fi
if ((tests)); then
  # mount and util-linux (unshare): the full-disk tests mount a small tmpfs
  # in a private mount namespace. python3-icalendar and
  # python3-recurring-ical-events: the calendar tests compare the import with
  # their reading of the same calendars.
  packages+=(libreoffice-writer-nogui python3-docx python3-icalendar python3-recurring-ical-events xvfb xauth poppler-utils mount util-linux
             desktop-file-utils appstream lintian debootstrap xdotool x11-utils x11-xserver-utils imagemagick
             cups-daemon cups-client cups-filters cups
             # The calendar address tests: a CalDAV server, a keyring in a private
             # D-Bus session, the web servers and the test certificate authority.
             radicale gnome-keyring dbus dbus-daemon python3 openssl
             # The count of stat calls on the zone file in a year of weeks.
             strace
             fonts-noto-cjk fonts-lohit-deva
             # The accessible-tree walk: the accessibility bus and a client of it.
             at-spi2-core python3-pyatspi)
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
