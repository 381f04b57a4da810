#!/usr/bin/env bash
# Takes the AppStream screenshots from the real windows: starts the built
# program on a virtual X server, fills in the example week, shows Monday,
# photographs the entry window, presses Start and photographs the preview.
#   make-screenshots.sh [BUILD_DIR] [OUT_DIR]   (build, data/screenshots)
# Needs xvfb, xdotool and imagemagick (scripts/install-deps.sh --tests).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-data/screenshots}")
mkdir -p "$out"

work=$(mktemp -d)
cleanup() {
  [[ -n ${program:-} ]] && kill "$program" 2>/dev/null
  [[ -n ${server:-} ]] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
until [[ -s $work/display ]]; do sleep 0.2; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb
# A white desktop rather than X's grey weave behind the windows.
xsetroot -solid white 2>/dev/null || true

mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" "$build/bin/dorvane" &
program=$!

# Button and tab centres, in pixels within the entry window (its layout is
# fixed: see EntryWindow::createControls).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 1; }
entry=$(xdotool search --sync --onlyvisible --name '^Dorvane$' | head -n 1)
sleep 1
click "$entry" 408 55   # Load Sample/Example Data
click "$entry" 40 148   # the Monday tab
xdotool mousemove --window "$entry" 500 20  # pointer off the buttons
import -window "$entry" "$out/entry.png"

click "$entry" 272 21   # Start Creating Template
for _ in $(seq 60); do
  preview=$(xdotool search --onlyvisible --name '^Dorvane$' | grep -vx "$entry" | head -n 1 || true)
  [[ -n $preview ]] && break
  sleep 1
done
[[ -n $preview ]] || { echo "the preview window never came up" >&2; exit 1; }
sleep 2
import -window "$preview" "$out/preview.png"
echo "window class: $(xprop -id "$preview" WM_CLASS | cut -d= -f2)"
echo "icon sizes on the windows: $(xprop -id "$entry" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')"
identify "$out"/entry.png "$out"/preview.png
