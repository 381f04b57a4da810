# Shared by the installation tests: reporting, and starting the program to see
# which of its windows come up.
#
# Which windows are up is read from outside, without any hook in the program:
# Qt's qt.widgets.painting log names every widget it repaints, each line
# stamped with the seconds since the program started. The entry window shows
# as "top level entry::EntryWindow", a message box as "top level QMessageBox"; the caret
# blinking in the entry window's focused box repaints it twice a second for as
# long as the window is up and the program handles events.

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "== $*"; }

# run_offscreen LOG COMMAND...: starts COMMAND offscreen with a clean
# environment, waits until a window has come up (a minute at most), lets it run
# three seconds more and stops it. Fails when the program ends by itself.
run_offscreen() {
  local log=$1; shift
  env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES=qt.widgets.painting=true \
    QT_MESSAGE_PATTERN='%{time process} %{category}: %{message}' \
    "$@" >"$log" 2>&1 &
  local pid=$! waited=0
  until grep -q ' of top level ' "$log" || ((waited >= 60)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 1
    waited=$((waited + 1))
  done
  sleep 3
  if ! kill -0 "$pid" 2>/dev/null; then
    local status=0
    wait "$pid" || status=$?
    tail -n 20 "$log" >&2
    fail "the program ended by itself (exit status $status)"
  fi
  kill -TERM "$pid"
  wait "$pid" || true
}

# expect_entry_window LOG: the entry window came up, no message box did, the
# entry window was still being repainted two seconds after it first showed,
# and the program printed nothing but the painting log.
expect_entry_window() {
  local log=$1
  grep -q ' of top level entry::EntryWindow(' "$log" || { tail -n 20 "$log" >&2; fail "the entry window never showed"; }
  ! grep -q 'QMessageBox(' "$log" || fail "a message box came up: $(grep -m1 'QMessageBox(' "$log")"
  awk '/ of top level entry::EntryWindow\(/ && !seen { seen = 1; shown = $1 }
       seen && /EntryWindow\(/ && $1 >= shown + 2 { alive = 1 }
       END { exit !alive }' "$log" || { tail -n 20 "$log" >&2; fail "the entry window stopped being repainted after it showed"; }
  local other
  other=$(grep -v '^ *[0-9.]* qt\.widgets\.painting: ' "$log" || true)
  [[ -z $other ]] || fail "the program printed: $other"
}

# expect_message_box LOG: a message box came up.
expect_message_box() {
  grep -q ' of top level QMessageBox(' "$1" || { tail -n 20 "$1" >&2; fail "no message box came up"; }
}
