#!/bin/sh
# Walks the accessible tree of the running program with pyatspi, under Xvfb
# with a private D-Bus session (and so an accessibility bus of its own), and
# a fresh HOME so that nothing of the machine's settings takes part.
#   accessible_tree_test.sh DORVANE CALENDAR_FILE
set -u
here=$(dirname "$0")
for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is missing, so no accessibility bus can be started (scripts/install-deps.sh --tests)"
    exit 77
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/.config" "$work/run"
chmod 700 "$work/run"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run" \
       QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  dbus-run-session -- /usr/bin/python3 "$here/accessible_tree.py" "$@"
