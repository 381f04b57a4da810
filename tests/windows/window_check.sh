#!/usr/bin/env bash
# The windows of dorvane.exe under Wine, driven as a user would: Load Sample,
# Start, the preview (photographed, and compared with the Linux build's
# preview of the same week), Save, Back, and closing. Afterwards no
# temporary file of Dorvane's may be left in the temporary folder.
#   window_check.sh DORVANE_EXE LINUX_BUILD OUT_DIR TEMP_DIR
# Runs inside run-wine-tests.sh (DISPLAY, WINEPREFIX and TEMP set).
set -euo pipefail
exe=$1
linux=$2
out=$3
temp=$4
wine=/usr/lib/wine/wine64
mkdir -p "$out"

fail() { echo "window check: $*" >&2; exit 1; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 1; }
# The id of a shown window called Dorvane other than those given.
find_window() {
  local found
  for _ in $(seq 60); do
    found=$(xdotool search --onlyvisible --name '^Dorvane$' 2>/dev/null | grep -vxF -e "${1:-none}" -e "${2:-none}" | head -n 1 || true)
    [[ -n $found ]] && { echo "$found"; return 0; }
    sleep 1
  done
  return 1
}

# The same steps on Linux, for the picture to compare with.
photograph_linux_preview() {
  local runtime=$out/linux-runtime
  mkdir -m 700 -p "$runtime"
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$linux/bin/dorvane" &
  local program=$! entry preview
  entry=$(find_window) || fail "the Linux entry window never came up"
  sleep 1
  click "$entry" 408 55   # Load Sample/Example Data
  click "$entry" 272 21   # Start Creating Template
  preview=$(find_window "$entry") || fail "the Linux preview never came up"
  sleep 2
  import -window "$preview" "$out/linux-preview.png"
  kill "$program"
  wait "$program" 2>/dev/null || true
}
photograph_linux_preview

"$wine" "$exe" &
program=$!
entry=$(find_window) || fail "the entry window never came up"
sleep 2
import -window "$entry" "$out/entry.png"
click "$entry" 408 55   # Load Sample/Example Data
click "$entry" 272 21   # Start Creating Template
preview=$(find_window "$entry") || fail "the preview window never came up"
sleep 3
import -window "$preview" "$out/preview.png"

# The planner's picture as on Linux: both photographs cut to the part they
# share, compared pixel by pixel (the buttons' own font differs between the
# two systems; the planner is drawn from the same outlines).
read -r width height < <(identify -format '%w %h\n' "$out/linux-preview.png")
read -r wwidth wheight < <(identify -format '%w %h\n' "$out/preview.png")
w=$((width < wwidth ? width : wwidth))
h=$((height < wheight ? height : wheight))
difference=$(compare -metric RMSE <(convert "$out/linux-preview.png" -crop "${w}x$((h - 60))+0+60" +repage png:-) \
                                  <(convert "$out/preview.png" -crop "${w}x$((h - 60))+0+60" +repage png:-) null: 2>&1 |
             sed -n 's/.*(\([0-9.e-]*\)).*/\1/p')
echo "preview against Linux: normalised RMSE $difference"
awk -v d="$difference" 'BEGIN { exit !(d < 0.12) }' || fail "the preview differs from Linux's (RMSE $difference)"

# Save: Ctrl+S opens the system's save dialog; a name and Return save.
xdotool key --window "$preview" ctrl+s
sleep 3
xdotool type --delay 50 "Z:${out//\//\\}\\saved.doc"
xdotool key Return
sleep 3
for _ in $(seq 20); do [[ -s $out/saved.doc ]] && break; sleep 1; done
[[ -s $out/saved.doc ]] || fail "Save wrote no document"
# "Done." is answered with Return.
xdotool key Return
sleep 1

# < Back returns to the entry window; closing it ends the program.
click "$preview" 60 21
xdotool search --onlyvisible --name '^Dorvane$' | grep -qxF "$entry" || fail "Back did not bring the entry window back"
xdotool windowclose "$entry" 2>/dev/null || xdotool key --window "$entry" alt+F4
for _ in $(seq 30); do kill -0 "$program" 2>/dev/null || break; sleep 1; done
kill -0 "$program" 2>/dev/null && fail "closing the entry window did not end the program"
left=$(find "$temp" -maxdepth 1 \( -name 'kelvas*.doc' -o -name 'temp*.pic' -o -name '.~dorvane.*' \) | head)
[[ -z $left ]] || fail "temporary files left: $left"
echo "window check: entry $out/entry.png, preview $out/preview.png"
