#!/usr/bin/env bash
# A year of weeks from the command line with TZ unset, as desktops leave it,
# looks the local zone up once: the C library checks /etc/localtime again on
# each mktime() and on each of Qt's local time conversions while TZ is unset,
# and the import once did that for every occurrence (over a million stat
# calls for a year of a busy calendar). The calendar has zoned, floating
# and all-day appointments repeating every week, thousands of occurrences.
#   zone_file_stats_test.sh DORVANE
set -euo pipefail
dorvane=$1
if ! command -v strace >/dev/null; then
  echo "strace is not installed (scripts/install-deps.sh --tests installs it)"
  exit 77
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

python3 - "$dir/year.ics" <<'PY'
import sys
lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Dorvane tests//EN",
         "BEGIN:VTIMEZONE", "TZID:Europe/Berlin",
         "BEGIN:DAYLIGHT", "TZOFFSETFROM:+0100", "TZOFFSETTO:+0200", "TZNAME:CEST", "DTSTART:19700329T020000",
         "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU", "END:DAYLIGHT",
         "BEGIN:STANDARD", "TZOFFSETFROM:+0200", "TZOFFSETTO:+0100", "TZNAME:CET", "DTSTART:19701025T030000",
         "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU", "END:STANDARD", "END:VTIMEZONE"]
days = ["MO", "TU", "WE", "TH", "FR", "SA", "SU"]
for i in range(300):
    kind = i % 6
    day = 4 + i % 7  # 2027-01-04 is a Monday
    hour = 8 + i % 10
    if kind == 0:
        start = "DTSTART;VALUE=DATE:202701%02d" % day
    elif kind == 1:
        start = "DTSTART:202701%02dT%02d%02d00" % (day, hour, i % 4 * 15)
    else:
        start = "DTSTART;TZID=Europe/Berlin:202701%02dT%02d%02d00" % (day, hour, i % 4 * 15)
    lines += ["BEGIN:VEVENT", "UID:%d@zone-file-stats" % i, "DTSTAMP:20261201T101500Z", start,
              "RRULE:FREQ=WEEKLY;BYDAY=%s,%s" % (days[i % 7], days[(i + 3) % 7]),
              "SUMMARY:Appointment %d" % i, "END:VEVENT"]
lines.append("END:VCALENDAR")
open(sys.argv[1], "w", newline="").write("\r\n".join(lines) + "\r\n")
PY

env -u TZ -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 \
  strace -f -qq -e trace=%%stat -o "$dir/calls" \
  "$dorvane" --import "$dir/year.ics" --week 2027-01-04 --weeks 52 --pdf "$dir/year.pdf" >"$dir/out" 2>"$dir/err" || {
  echo "dorvane failed:"; cat "$dir/out" "$dir/err"; exit 1; }

# The run must have imported the weeks, or counting says nothing.
weeks=$(grep -c '^Week of ' "$dir/out" || true)
imported=$(grep -oE '^Imported [0-9]+ appointments' "$dir/out" | awk '{ sum += $2 } END { print sum + 0 }')
stats=$(grep -c '"/etc/localtime"' "$dir/calls" || true)
echo "weeks: $weeks, appointments imported: $imported, stat calls on /etc/localtime: $stats"
if [[ $weeks -ne 52 || $imported -lt 10000 ]]; then
  echo "the run did not import a year of weeks"; head -20 "$dir/out"; exit 1
fi
if [[ $stats -ge 1000 ]]; then
  echo "FAIL: $stats stat calls on /etc/localtime, expected fewer than 1000"
  exit 1
fi
