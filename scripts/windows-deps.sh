#!/usr/bin/env bash
# Builds the libraries Windows Dorvane needs that Debian ships no MinGW build
# of (qtbase, libzip, libical, pugixml), from the sources Debian's own mirror serves,
# each once into a cache outside the work tree:
#
#   $DORVANE_WINDOWS_CACHE/<name>-<version>-<key>/    (default /var/cache/dorvane-windows)
#
# <key> is a hash of the version, the build options, the toolchain file and the
# compiler, so a change to any of them builds afresh and the old build is left
# for an older checkout. A prefix appears only once its build installed
# completely; a failed or interrupted build leaves nothing that looks usable.
#
# Prints the prefixes, one per line, on standard output as its last
# output (name=prefix); progress goes to standard error.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${DORVANE_WINDOWS_CACHE:-/var/cache/dorvane-windows}
toolchain=$top/cmake/windows/mingw-w64-x86_64.cmake
jobs=${DORVANE_JOBS:-$(nproc)}
mkdir -p "$cache/sources" "$cache/work"

log() { printf 'windows-deps: %s\n' "$*" >&2; }

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"

# Source lists: Debian's deb-src entries for the release this machine runs,
# switched on once. Nothing else of apt's configuration is changed.
enable_sources() {
  local list=/etc/apt/sources.list.d/dorvane-deb-src.sources
  if [[ ! -f $list ]]; then
    log "switching on Debian's source lists ($list)"
    $sudo tee "$list" >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    $sudo apt-get update -qq
  fi
}

# Fetches the upstream ("orig") tarball of a Debian source package into the
# cache, checked against the SHA256 apt knows, and prints its path. Only the
# upstream tarball: Debian's patches are for Linux builds (and libical3's are
# not served here).
orig_tarball() {
  local package=$1 line uri name sum
  # In an empty folder: apt leaves out what it finds already downloaded.
  local empty
  empty=$(mktemp -d)
  line=$(cd "$empty" && apt-get source --print-uris "$package" 2>/dev/null | grep "^'.*\.orig\.tar\." | head -n 1)
  rmdir "$empty"
  [[ -n $line ]] || { log "apt knows no source of $package"; return 1; }
  uri=$(awk '{print $1}' <<<"$line" | tr -d "'")
  name=$(awk '{print $2}' <<<"$line")
  sum=$(awk '{print $4}' <<<"$line" | sed 's/^SHA256://')
  if [[ ! -f $cache/sources/$name ]] || ! sha256sum --status -c <<<"$sum  $cache/sources/$name"; then
    log "downloading $name"
    curl -fsSL --retry 3 -o "$cache/sources/$name.part" "$uri"
    sha256sum --status -c <<<"$sum  $cache/sources/$name.part" || { log "$name: checksum mismatch"; rm -f "$cache/sources/$name.part"; return 1; }
    mv "$cache/sources/$name.part" "$cache/sources/$name"
  fi
  printf '%s\n' "$cache/sources/$name"
}

compiler_id() { x86_64-w64-mingw32-g++-posix --version | head -n 1; }

# key OPTIONS...: a short hash of everything that changes the build.
key() {
  { printf '%s\n' "$@"; cat "$toolchain"; compiler_id; } | sha256sum | cut -c1-12
}

# build NAME TARBALL KEY CONFIGURE-FUNCTION: unpacks, configures with
# the function (given the source and build folders and the prefix), builds and
# installs into a temporary prefix that is renamed into place when complete.
build() {
  local name=$1 tarball=$2 k=$3 configure=$4 version
  version=$(basename "$tarball" | sed 's/^[^_]*_//; s/\.orig\.tar\..*//; s/+dfsg.*//')
  local prefix=$cache/$name-$version-$k
  if [[ -f $prefix/.complete ]]; then
    log "$name $version: cached in $prefix"
    printf '%s=%s\n' "$name" "$prefix" >>"$result"
    return
  fi
  local work=$cache/work/$name-$k
  rm -rf "$work" "$prefix.part"
  mkdir -p "$work/src" "$work/build"
  log "$name $version: unpacking"
  tar -xf "$tarball" -C "$work/src" --strip-components=1
  log "$name $version: building into $prefix (this is done once)"
  local started=$SECONDS
  {
    "$configure" "$work/src" "$work/build" "$prefix.part"
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build"
  } >&2
  touch "$prefix.part/.complete"
  mv "$prefix.part" "$prefix"
  rm -rf "$work"
  log "$name $version: built in $((SECONDS - started)) s"
  printf '%s=%s\n' "$name" "$prefix" >>"$result"
}

common_cmake=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain")

zip_options=(-DBUILD_SHARED_LIBS=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF
             -DENABLE_OPENSSL=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF
             -DENABLE_WINDOWS_CRYPTO=ON -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF
             -DBUILD_DOC=OFF)
configure_libzip() {
  cmake -S "$1" -B "$2" "${common_cmake[@]}" -DCMAKE_INSTALL_PREFIX="$3" "${zip_options[@]}"
}

pugixml_options=(-DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF)
configure_pugixml() {
  cmake -S "$1" -B "$2" "${common_cmake[@]}" -DCMAKE_INSTALL_PREFIX="$3" "${pugixml_options[@]}"
}

# Built-in zone data: Windows has no zoneinfo folder, so the zones travel with
# the program (installed beside it as zoneinfo/).
ical_options=(-DSTATIC_ONLY=ON -DICAL_GLIB=OFF -DICAL_BUILD_DOCS=OFF -DGOBJECT_INTROSPECTION=OFF
              -DLIBICAL_BUILD_TESTING=OFF -DWITH_CXX_BINDINGS=OFF -DUSE_BUILTIN_TZDATA=ON
              -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON -DCMAKE_DISABLE_FIND_PACKAGE_BerkeleyDB=ON)
configure_libical() {
  cmake -S "$1" -B "$2" "${common_cmake[@]}" -DCMAKE_INSTALL_PREFIX="$3" "${ical_options[@]}"
}

# Static qtbase with what Dorvane uses: Core, Gui, Widgets, PrintSupport,
# Network over Windows' own TLS (Schannel) and Test. Everything else is left
# out to keep the build short. Debian's dfsg source lacks a Windows tablet
# header, hence no tabletevent. Text is drawn through GDI: Qt 6.4 compiles
# its DirectWrite font engine only together with Direct2D, which MinGW's
# headers cannot build, while its print engine and the platform plugin ask
# for the engine whenever DirectWrite is on, so that every static program
# with printing fails to link. zlib is Debian's MinGW build.
qt_options=(-release -static -static-runtime -nomake examples -nomake tests -qt-host-path /usr
            -no-opengl -no-dbus -no-icu -no-zstd -system-zlib -qt-pcre -qt-libpng -no-libjpeg -no-gif
            -qt-harfbuzz -no-freetype -schannel -no-openssl
            -no-feature-sql -no-feature-xml -no-feature-concurrent -no-feature-tabletevent
            -no-feature-androiddeployqt -no-feature-printpreviewdialog -no-feature-vulkan
            -no-feature-direct2d -no-feature-directwrite -no-feature-directwrite3)
configure_qtbase() {
  (cd "$2" && "$1/configure" -prefix "$3" "${qt_options[@]}" -- -G Ninja \
     -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
     -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF) >&2
}

result=$(mktemp)
trap 'rm -f "$result"' EXIT
enable_sources

zip_tar=$(orig_tarball libzip)
build libzip "$zip_tar" "$(key libzip "$zip_tar" "${zip_options[@]}")" configure_libzip

pugixml_tar=$(orig_tarball pugixml)
build pugixml "$pugixml_tar" "$(key pugixml "$pugixml_tar" "${pugixml_options[@]}")" configure_pugixml

ical_tar=$(orig_tarball libical3)
build libical "$ical_tar" "$(key libical "$ical_tar" "${ical_options[@]}")" configure_libical

qt_tar=$(orig_tarball qt6-base)
build qtbase "$qt_tar" "$(key qtbase "$qt_tar" "${qt_options[@]}")" configure_qtbase

cat "$result"
