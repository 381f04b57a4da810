#!/usr/bin/env bash
# Installs the build into a temporary prefix as a user or the package would,
# and checks what lands there: the tree, the desktop entry and the AppStream
# data against their validators, the program started through its bin/ link,
# and the Debian package against lintian.
#   install_tree_test.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1 version=$2 id=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

step "installed tree"
expected=(bin/dorvane lib/dorvane/dorvane lib/dorvane/HAND-M.CUR
          lib/dorvane/translations/dorvane_de.qm lib/dorvane/translations/dorvane_es.qm
          lib/dorvane/translations/dorvane_fr.qm
          share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/man/man1/dorvane.1.gz
          share/doc/dorvane/copyright share/doc/dorvane/changelog.gz
          share/bash-completion/completions/dorvane)
sizes=(16 22 24 32 48 64 128 256 512)
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
(cd "$prefix" && find . ! -type d | sed 's#^\./##' | sort) >"$work/installed"
diff "$work/expected" "$work/installed" || fail "the installed files differ from the list above"
[[ $(readlink "$prefix/bin/dorvane") == ../lib/dorvane/dorvane ]] || fail "bin/dorvane is not the relative link"
for size in "${sizes[@]}"; do
  # Width and height stand big-endian at bytes 16 to 23 of a PNG.
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")
  [[ "$w $h" == "$size $size" ]] || fail "the ${size} px icon is ${w}x${h}"
done
grep -q "^Icon=$id\$" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo release is not $version"
for language in de fr es; do
  grep -q "^GenericName\[$language\]=" "$prefix/share/applications/$id.desktop" || fail "the desktop entry has no $language name"
  grep -q "<summary xml:lang=\"$language\">" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo has no $language summary"
done
# The installed program finds its translations in its own folder.
LC_ALL=de_DE.UTF-8 "$prefix/bin/dorvane" --import "$work/missing.ics" --pdf "$work/missing.pdf" 2>"$work/german.log" || true
grep -q "kann nicht importiert werden" "$work/german.log" || fail "the installed program does not speak German: $(cat "$work/german.log")"
zcat "$prefix/share/man/man1/dorvane.1.gz" | grep -q "^\.TH DORVANE 1 .* \"Dorvane $version\"" || fail "man page is not of $version"

step "validators"
report=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || true
[[ -z $report ]] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

step "program started through bin/dorvane"
mkdir -m 700 "$work/home" "$work/runtime"
as_user=(env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime")
run_offscreen "$work/plain.log" "${as_user[@]}" "$prefix/bin/dorvane"
expect_entry_window "$work/plain.log"
# A skin Qt cannot parse, in the folder the program was installed to, is
# reported when it starts: the report shows that the program found its own
# folder through the link.
mkdir "$prefix/lib/dorvane/x"
printf 'QWidget { color: ' >"$prefix/lib/dorvane/x/o.cjs"
run_offscreen "$work/skin.log" "${as_user[@]}" "$prefix/bin/dorvane"
expect_message_box "$work/skin.log"

step "Debian package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null
deb=$work/package/dorvane_${version}_amd64.deb
[[ -f $deb ]] || fail "no $deb"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's#^\./usr/##' | sort >"$work/packaged"
diff "$work/expected" "$work/packaged" || fail "the package holds other files than the installed tree"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins libcups2 libzip4 fonts-liberation fonts-dejavu-core; do
  [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
lintian --fail-on error,warning "$deb" || fail "lintian"
echo "install tree, validators, link, package: all as expected"
