#!/usr/bin/env bash
# Installs the Debian package the way a user of a fresh Debian 12 would, in a
# new root made with debootstrap: apt fetches the dependencies, the installed
# dorvane must come up with its entry window, and removing the package must
# leave nothing behind. Needs root and the Debian mirror this machine's apt
# uses; keeps nothing between runs.
#   debian_root_test.sh BUILD_DIR VERSION
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1 version=$2

if [[ $(id -u) -ne 0 ]]; then
  echo "debootstrap needs root: skipped"
  exit 77
fi

# The first bookworm "main" source of this machine's apt, one-line or deb822.
debian_mirror() {
  { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } | awk '
    function found(uri) { sub(/\/$/, "", uri); print uri; exit }
    /^deb[ \t]/ { sub(/\[[^]]*\]/, ""); if ($3 == "bookworm" && / main( |$)/) found($2) }
    /^[ \t]*$/ { types = uris = suites = comps = "" }
    /^Types:/ { types = $0 } /^URIs:/ { uris = $2 } /^Suites:/ { suites = $0 } /^Components:/ { comps = $0 }
    types ~ /[ \t]deb([ \t]|$)/ && uris && suites ~ /[ \t]bookworm([ \t]|$)/ && comps ~ /[ \t]main([ \t]|$)/ { found(uris) }'
}
mirror=${DORVANE_DEBIAN_MIRROR:-$(debian_mirror)}
[[ -n $mirror ]] || fail "no bookworm mirror in /etc/apt/sources.list*; set DORVANE_DEBIAN_MIRROR"

work=$(mktemp -d "${TMPDIR:-/var/tmp}/dorvane-root.XXXXXX")
root=$work/root
cleanup() {
  umount "$root/proc" 2>/dev/null || true
  # Never delete through a mount point that is still there.
  if findmnt -rn -o TARGET | grep -q "^$work"; then
    echo "left $work in place: something is still mounted there" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

step "package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null
deb=dorvane_${version}_amd64.deb
[[ -f $work/package/$deb ]] || fail "no $deb"

step "fresh Debian 12 root from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -n 20 "$work/debootstrap.log" >&2; fail "debootstrap"; }
mount -t proc proc "$root/proc"  # Qt finds the program's folder through /proc/self/exe
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"  # start no services in there
chmod +x "$root/usr/sbin/policy-rc.d"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
cp "$work/package/$deb" "$root/tmp/"

step "apt-get install ./$deb"
in_root apt-get update -qq
in_root sh -c "cd /tmp && apt-get install -y -q ./$deb" >"$work/apt.log" 2>&1 ||
  { tail -n 30 "$work/apt.log" >&2; fail "apt-get install"; }
echo "apt set up $(grep -c '^Setting up' "$work/apt.log") packages"

step "the installed dorvane, run by a user"
in_root useradd --create-home planner
in_root install -d -o planner -g planner -m 700 /tmp/runtime-planner
run_offscreen "$work/run.log" chroot --userspec=planner:planner "$root" \
  env HOME=/home/planner XDG_RUNTIME_DIR=/tmp/runtime-planner dorvane
expect_entry_window "$work/run.log"
echo "entry window up: $(grep -c 'EntryWindow(' "$work/run.log") repaint lines of EntryWindow, none of a message box"

step "removal"
in_root dpkg -L dorvane >"$work/owned"
in_root apt-get purge -y -q dorvane >>"$work/apt.log" 2>&1 || fail "apt-get purge"
while read -r path; do
  [[ $path == /. ]] && continue
  [[ -e $root$path || -L $root$path ]] || continue
  # Folders that other packages share stay, everything of ours goes.
  [[ -d $root$path ]] && in_root dpkg -S "$path" >/dev/null 2>&1 && continue
  fail "left behind: $path"
done <"$work/owned"
echo "$(grep -c . "$work/owned") paths of the package gone or shared"

# Install and remove once more, and compare the whole file system before and
# after: caches made by triggers would show here.
listing() {
  (cd "$root" && find . -xdev \( -path ./proc -o -path ./tmp -o -path ./dev -o -path ./run \) -prune -o -print | sort)
}
listing >"$work/before"
in_root dpkg -i "/tmp/$deb" >>"$work/apt.log" 2>&1 || fail "dpkg -i"
in_root dpkg --purge dorvane >>"$work/apt.log" 2>&1 || fail "dpkg --purge"
listing >"$work/after"
diff "$work/before" "$work/after" || fail "installing and removing the package changed the file system"
echo "install and purge again: file system as before"
