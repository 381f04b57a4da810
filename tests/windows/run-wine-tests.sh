#!/usr/bin/env bash
# The Windows build's checks, run under Wine (Debian's wine64) on a virtual X
# server, in a fresh Wine prefix of their own:
#   1. the Windows test programs (week, calendar, Word objects, file helpers), through ctest;
#   2. the command line: a planner saved and exported by dorvane.exe is the
#      Linux build's, cell for cell (python-docx), and every word of its PDF
#      lies within 2 pt of the Linux PDF's (pdftotext), for one week and for three;
#   3. the windows: Load Sample, Start, the preview (photographed and compared
#      with the Linux preview), Save, Back and closing, with no temporary file left;
#   4. the installer: a silent install, dorvane.exe --version from the
#      installed folder, and a silent uninstall that leaves nothing of ours.
#
#   run-wine-tests.sh [WINDOWS_BUILD] [LINUX_BUILD] [PICTURES]   (build-windows, build)
# PICTURES, when given, keeps the photographs of the windows there.
# Needs scripts/build-windows.sh --tests and scripts/build.sh first.
set -euo pipefail

# Berlin's time, as the Linux calendar suite has it. Wine takes the system's
# zone from the host's local time, but TZ cannot carry it: Wine hands TZ on
# to the Windows C library, which reads a zone name there as UTC and a POSIX
# rule with the United States' change dates. So the run goes into a mount
# namespace of its own in which /etc/localtime is Berlin's.
if [[ -z ${DORVANE_WINE_NAMESPACE:-} ]]; then
  export DORVANE_WINE_NAMESPACE=1
  if [[ $(id -u) -eq 0 ]]; then
    exec unshare --mount --propagation private "$0" "$@"
  fi
  exec unshare --map-root-user --mount --propagation private "$0" "$@"
fi
mount --bind /usr/share/zoneinfo/Europe/Berlin /etc/localtime
unset TZ

top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$top/build-windows}")
linux=$(realpath "${2:-$top/build}")
pictures=${3:-}
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
version=$(sed -n 's/^project(Dorvane VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")

work=$(mktemp -d /tmp/dorvane-wine.XXXXXX)
cleanup() {
  WINEPREFIX=$work/prefix "$wineserver" -k 2>/dev/null || true
  WINEPREFIX=$work/prefix2 "$wineserver" -k 2>/dev/null || true
  [[ -n ${xserver:-} ]] && kill "$xserver" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
same_cells() {  # same_cells A B: python-docx reads the same cells in both planners
  cmp <(/usr/bin/python3 "$top/tests/word/docx_dump.py" "$1") <(/usr/bin/python3 "$top/tests/word/docx_dump.py" "$2")
}
same_document_xml() {  # same_document_xml A B: word/document.xml byte for byte
  cmp <(unzip -p "$1" word/document.xml) <(unzip -p "$2" word/document.xml)
}
check() {  # check NAME COMMAND...: runs a check and counts its failure
  local name=$1
  shift
  if "$@"; then
    echo "PASS: $name"
  else
    echo "FAIL: $name"
    failures=$((failures + 1))
  fi
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xserver=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The same English (US) as the Linux run the planners are compared with.
export LANG=en_US.UTF-8
new_prefix() {  # new_prefix PREFIX: a fresh prefix, set up for the checks
  export WINEPREFIX=$1
  "$wine" wineboot -i >/dev/null 2>&1
  timeout 120 "$wineserver" -w || true
  # The planner's font is Trebuchet MS, which Linux draws in DejaVu Sans (by
  # fontconfig's choice): the same here, as a Windows with that font would.
  # The windows' own fonts (Tahoma, Windows' dialog fonts) likewise.
  for font in 'Trebuchet MS' Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Segoe UI'; do
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d 'DejaVu Sans' /f >/dev/null
  done
}
# A second prefix for the test programs' half that runs beside the rest
# (tests/windows/CMakeLists.txt, wine-run.sh).
(new_prefix "$work/prefix2") &
second=$!
new_prefix "$work/prefix"
wait "$second"
export DORVANE_SECOND_WINEPREFIX=$work/prefix2
# The prefix's temporary folder (%TEMP%), to look into afterwards.
temp_windows=$("$wine" cmd /c 'echo %TEMP%' | tr -d '\r')
temp_unix=$("$wine" winepath -u "$temp_windows" | tr -d '\r')

# 1. The test programs.
check "Windows test programs" \
  ctest --test-dir "$build/tests/windows" --output-on-failure --timeout 600 -j2

# 2. The command line.
exe="$build/bin/dorvane.exe"
week=(--import "$top/examples/week.ics" --week 2026-12-07)
mkdir -p "$work/cli"
check "dorvane.exe saves and exports" \
  "$wine" "$exe" "${week[@]}" --save "$work/cli/windows.doc" --pdf "$work/cli/windows.pdf" --quiet
"$linux/bin/dorvane" "${week[@]}" --save "$work/cli/linux.doc" --pdf "$work/cli/linux.pdf" --quiet
check "the Windows planner is the Linux one, cell for cell" same_cells "$work/cli/linux.doc" "$work/cli/windows.doc"
check "the same document.xml, byte for byte" same_document_xml "$work/cli/linux.doc" "$work/cli/windows.doc"
check "the PDF carries the headings" \
  grep -q "Week of December 7, 2026" <(pdftotext "$work/cli/windows.pdf" -)
check "every word of the PDF within 2 pt of the Linux PDF" \
  /usr/bin/python3 "$top/tests/windows/compare_pdf_words.py" "$work/cli/linux.pdf" "$work/cli/windows.pdf" 2
# Several weeks: their PDF is written on a second thread behind the layout.
check "dorvane.exe exports three weeks" \
  "$wine" "$exe" "${week[@]}" --weeks 3 --pdf "$work/cli/weeks-windows.pdf" --quiet
"$linux/bin/dorvane" "${week[@]}" --weeks 3 --pdf "$work/cli/weeks-linux.pdf" --quiet
check "every word of the three weeks' PDF within 2 pt of the Linux PDF" \
  /usr/bin/python3 "$top/tests/windows/compare_pdf_words.py" "$work/cli/weeks-linux.pdf" "$work/cli/weeks-windows.pdf" 2
check "exit 1 and a message for a bad option" \
  bash -c '"$1" "$2" --import x.ics --weeks 99 --pdf x.pdf 2>"$3"; [[ $? -eq 1 ]] && grep -q "dorvane:" "$3"' \
  _ "$wine" "$exe" "$work/cli/stderr"

# 2b. The command line with Word itself: the automation server of the tests
# stands in for Word, registered as "Word.Application" in this prefix.
server="$build/tests/windows/word-server.exe"
if [[ -f $server ]]; then
  : >"$work/cli/word-control.txt"
  "$wine" "$server" --register "$("$wine" winepath -w "$work/cli/word-control.txt" | tr -d '\r')"
  check "dorvane.exe --engine word saves and exports through Word" \
    timeout 300 "$wine" "$exe" --engine word "${week[@]}" --save "$work/cli/word.doc" --pdf "$work/cli/word.pdf" --quiet
  check "the planner Word wrote is the Linux one, cell for cell" same_cells "$work/cli/linux.doc" "$work/cli/word.doc"
  check "the same document.xml through Word, byte for byte" same_document_xml "$work/cli/linux.doc" "$work/cli/word.doc"
  check "the PDF drawn from Word's file carries the headings" \
    grep -q "Week of December 7, 2026" <(pdftotext "$work/cli/word.pdf" -)
  check "through COM and by the built-in engine: python-docx's cell maps agree" \
    same_cells "$build/tests/windows/com-planners/built-in.docx" "$build/tests/windows/com-planners/through-com.docx"
  "$wine" "$server" --unregister
  check "--engine word without Word: exit 3 and a message" \
    bash -c '"$1" "$2" --engine word --import "$3" --week 2026-12-07 --save "$4" 2>"$5"; [[ $? -eq 3 ]] && grep -q "create object" "$5"' \
    _ "$wine" "$exe" "$top/examples/week.ics" "$work/cli/none.doc" "$work/cli/stderr"
  check "--engine takes auto, word or builtin only" \
    bash -c '"$1" "$2" --engine excel --import x.ics --pdf x.pdf 2>"$3"; [[ $? -eq 1 ]] && grep -q "auto, word and builtin" "$3"' \
    _ "$wine" "$exe" "$work/cli/stderr"
fi

# 3. The windows.
check "the windows under Wine" "$top/tests/windows/window_check.sh" "$exe" "$linux" "${pictures:-$work/window}" "$temp_unix"

# 4. The installer.
setup="$build/dorvane-$version-setup.exe"
installed="$WINEPREFIX/drive_c/Program Files/Dorvane"
check "the silent installer ends well" "$wine" "$setup" /S
timeout 120 "$wineserver" -w || true
check "the installer puts dorvane.exe under Program Files" test -f "$installed/dorvane.exe"
check "the installed dorvane.exe --version" \
  bash -c '[[ $("$1" "$2" --version) == "dorvane $3"* ]]' _ "$wine" "$installed/dorvane.exe" "$version"
check "a Start-menu entry" test -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dorvane Weekly Planner.lnk"
check "registered in Apps and Features" \
  bash -c '"$1" reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Dorvane" /v DisplayName 2>/dev/null | grep -q "Dorvane Weekly Planner"' _ "$wine"
echo "my own skin" >"$installed/x/o.cjs"
check "the silent uninstaller ends well" "$wine" "$installed/uninstall.exe" /S
timeout 120 "$wineserver" -w || true
check "uninstalling leaves only what the user added" \
  bash -c '[[ "$(cd "$1" && find . -type f)" == "./x/o.cjs" ]]' _ "$installed"
check "uninstalling removes the registration" \
  bash -c '! "$1" reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Dorvane" >/dev/null 2>&1' _ "$wine"

if ((failures)); then
  echo "$failures Windows check(s) failed"
  exit 1
fi
echo "All Windows checks passed"
