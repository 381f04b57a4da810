#!/usr/bin/env bash
# The windows of dorvane.exe under Wine, driven as a user would: Load Sample,
# Start, the preview (photographed, and compared with the Linux build's
# preview of the same week), Save through the Windows save dialog, Back, and
# closing. Afterwards the program has ended and no temporary file of
# Dorvane's is left in the temporary folder.
#   window_check.sh DORVANE_EXE LINUX_BUILD OUT_DIR TEMP_DIR
# Runs inside run-wine-tests.sh (DISPLAY and WINEPREFIX set). There is no
# window manager: windows are found by name and size, and keys go where the
# pointer clicked last.
set -euo pipefail
exe=$1
linux=$2
out=$3
temp=$4
wine=/usr/lib/wine/wine64
mkdir -p "$out"

fail() { echo "window check: $*" >&2; exit 1; }
click() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; sleep 1; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
# Waits up to ten seconds for window $1 to be shown (1) or hidden (0).
becomes() {
  for _ in $(seq 20); do
    if mapped "$1"; then [[ $2 == 1 ]] && return 0; else [[ $2 == 0 ]] && return 0; fi
    sleep 0.5
  done
  return 1
}
# The id of a shown window named $1 whose id is none of the others given.
find_window() {
  local name=$1 found
  shift
  for _ in $(seq 60); do
    for candidate in $(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null); do
      [[ " $* " == *" $candidate "* ]] && continue
      mapped "$candidate" && { echo "$candidate"; return 0; }
    done
    sleep 1
  done
  return 1
}
size_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

# Button and tab centres within the windows, in pixels: their layout is
# fixed (EntryWindow::createControls, PreviewWindow), the same on both systems.
load_sample() { click "$1" 408 55; }
start() { click "$1" 272 21; }

# The Linux build's preview of the same week, on the same X server.
runtime=$out/linux-runtime
mkdir -m 700 -p "$runtime"
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$linux/bin/dorvane" &
linux_program=$!
entry=$(find_window Dorvane) || fail "the Linux entry window never came up"
sleep 1
load_sample "$entry"
start "$entry"
preview=$(find_window Dorvane "$entry") || fail "the Linux preview never came up"
sleep 2
import -window "$preview" "$out/linux-preview.png"
kill "$linux_program"
wait "$linux_program" 2>/dev/null || true

# Windows: started in OUT_DIR, where the save dialog then opens. A check
# that fails leaves no program behind.
(cd "$out" && exec "$wine" "$exe") &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT
entry=$(find_window Dorvane) || fail "the entry window never came up"
sleep 2
import -window "$entry" "$out/entry.png"
load_sample "$entry"
start "$entry"
preview=$(find_window Dorvane "$entry") || fail "the preview window never came up"
sleep 3
import -window "$preview" "$out/preview.png"
[[ $(size_of "$preview") == $(identify -format '%wx%h' "$out/linux-preview.png") ]] ||
  fail "the preview is $(size_of "$preview"), on Linux $(identify -format '%wx%h' "$out/linux-preview.png")"

# The planner's picture as on Linux: the area of the picture (without the
# buttons, whose font is the system's), both at a quarter of their size, so
# that the systems' own smoothing of the letters evens out while a cell, a
# line or a word out of place by a few pixels does not (0.015 against
# Linux's, 0.05 with some cells blank, 0.075 moved by 3 pixels).
quarter() { convert "$1[590x460+8+8]" +repage -resize 25% "$2"; }
quarter "$out/linux-preview.png" "$out/linux-quarter.png"
quarter "$out/preview.png" "$out/quarter.png"
# compare's status is 1 whenever the pictures differ at all.
difference=$({ compare -metric RMSE "$out/linux-quarter.png" "$out/quarter.png" null: 2>&1 || true; } |
             sed -n 's/.*(\([0-9.e-]*\)).*/\1/p')
echo "window check: the preview's picture against Linux's: normalised RMSE $difference"
awk -v d="$difference" 'BEGIN { exit !(d != "" && d < 0.03) }' || fail "the preview differs from Linux's (RMSE $difference)"

# Save: Ctrl+S opens Windows' save dialog, in the folder the program was
# started in, with the file name box empty and holding the keys.
click "$preview" 300 300
xdotool key ctrl+s
dialog=$(find_window "Save File") || fail "Ctrl+S opened no save dialog"
sleep 1
xdotool type --window "$dialog" --delay 40 saved.doc
xdotool key --window "$dialog" Return
for _ in $(seq 20); do [[ -s $out/saved.doc ]] && break; sleep 1; done
[[ -s $out/saved.doc ]] || fail "Save wrote no document"
done_box=$(find_window Dorvane "$entry" "$preview") || fail "Save said nothing"
xdotool key --window "$done_box" Return   # OK
sleep 1

# < Back: the entry window comes back, the preview goes, and so does its document.
read -r width height < <(size_of "$preview" | tr 'x' ' ')
click "$preview" $((width / 4)) $((height - 23))
becomes "$preview" 0 || fail "Back left the preview window up"
becomes "$entry" 1 || fail "Back did not bring the entry window back"

# Closing the entry window ends the program.
click "$entry" 300 470
xdotool key alt+F4
for _ in $(seq 30); do kill -0 "$program" 2>/dev/null || break; sleep 1; done
kill -0 "$program" 2>/dev/null && fail "closing the entry window did not end the program"
left=$(find "$temp" -maxdepth 1 -type f ! -name '.kelvas-*.lock' | head)
[[ -z $left ]] || fail "files left in the temporary folder: $left"
echo "window check: entry $out/entry.png, preview $out/preview.png, saved $out/saved.doc"
