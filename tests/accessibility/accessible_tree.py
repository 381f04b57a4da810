"""Walks Dorvane's accessible tree as a screen reader reads it (AT-SPI).

Every interactive control that shows must have a name, and no two of them in
one window may share one. Checked at start, on another day page, with a
message box open, in the preview, and with the program's own dialogs open.
Run by accessible_tree_test.sh inside Xvfb and a private D-Bus session:
    accessible_tree.py DORVANE CALENDAR_FILE
"""
import http.server
import os
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import Atspi

program, calendar_file = sys.argv[1], sys.argv[2]

INTERACTIVE_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_LIST, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_DATE_EDITOR, pyatspi.ROLE_MENU_ITEM,
}
failures = []


def fail(message):
    print("FAIL: " + message)
    failures.append(message)


def states(acc):
    return acc.getState()


def showing(acc):
    return states(acc).contains(pyatspi.STATE_SHOWING)


def interactive(acc):
    s = states(acc)
    return s.contains(pyatspi.STATE_SHOWING) and (
        s.contains(pyatspi.STATE_FOCUSABLE) or acc.getRole() in INTERACTIVE_ROLES)


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def windows(app):
    # Names may change while the program runs; read them afresh every time.
    app.clear_cache()
    return [w for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if w is not None and showing(w)]


def wait_for(what, find, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:
            found = None
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit("FAIL: waited in vain for " + what)


def named(app, name, role=None):
    for window in windows(app):
        for acc in descendants(window):
            if acc.name == name and (role is None or acc.getRole() == role) and showing(acc):
                return acc
    return None


def same_item(first, second):
    # Qt names a tab row after its current tab, whatever name it is given:
    # row and tab are then one item read twice, not two controls alike.
    return (first.getRole() == pyatspi.ROLE_PAGE_TAB_LIST and second.getRole() == pyatspi.ROLE_PAGE_TAB
            and second.parent == first)


def check(app, moment):
    """Checks every shown window; returns the names of its interactive controls."""
    names = set()
    for window in windows(app):
        seen = {}
        unnamed = 0
        for acc in descendants(window):
            if not interactive(acc):
                continue
            name = acc.name.strip()
            if not name:
                unnamed += 1
                fail(f"{moment}: a {acc.getRoleName()} in \"{window.name}\" has no name")
                continue
            if name in seen and same_item(seen[name], acc):
                continue
            if name in seen:
                fail(f"{moment}: two controls in \"{window.name}\" are named \"{name}\" "
                     f"(a {seen[name].getRoleName()} and a {acc.getRoleName()})")
            seen[name] = acc
        print(f"{moment}: window \"{window.name}\" ({window.getRoleName()}): "
              f"{len(seen) + unnamed} interactive controls, {unnamed} without a name")
        names |= set(seen)
    return names


def press(acc):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Click", "SetFocus", "Toggle"):
            action.doAction(i)
            return
    action.doAction(0)


def run(arguments, locale=None):
    environment = dict(os.environ)
    if locale:
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"):
            environment.pop(name, None)
        environment["LANG"] = locale
    process = subprocess.Popen([program] + arguments, env=environment)
    app = wait_for("the program on the accessibility bus", lambda: application(process.pid))
    return process, app


def end(process):
    process.terminate()
    try:
        process.wait(30)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def entry_window_and_preview():
    process, app = run([])
    try:
        wait_for("the entry window", lambda: named(app, "Start Creating Template", pyatspi.ROLE_PUSH_BUTTON))
        names = check(app, "at start")
        for expected in ("Monday, 9 o'clock, Number", "Monday, 9 o'clock, Name", "Title For This Week"):
            if expected not in names:
                fail(f"at start: no control named \"{expected}\"")

        press(wait_for("the Tuesday tab", lambda: named(app, "Tuesday", pyatspi.ROLE_PAGE_TAB)))
        wait_for("the rows named after Tuesday", lambda: named(app, "Tuesday, 9 o'clock, Number"))
        names = check(app, "on Tuesday's page")
        if any(name.startswith("Monday,") for name in names):
            fail("on Tuesday's page: boxes still named after Monday")

        # Start with no title: the message box.
        press(named(app, "Start Creating Template", pyatspi.ROLE_PUSH_BUTTON))
        alert = wait_for("the message box", lambda: next(
            (w for w in windows(app) if any("forgot" in (a.name or "") for a in descendants(w))
             or "forgot" in (w.description or "")), None))
        if alert.getRole() != pyatspi.ROLE_ALERT:
            fail(f"the message box is read as a {alert.getRoleName()}, not as an alert")
        check(app, "with the message box open")
        press(wait_for("the message box's OK", lambda: next(
            a for a in descendants(alert) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON)))
        wait_for("the message box to close", lambda: alert not in windows(app) or None)

        title = named(app, "Title For This Week", pyatspi.ROLE_TEXT)
        title.queryEditableText().setTextContents("Accessible Week")
        press(named(app, "Start Creating Template", pyatspi.ROLE_PUSH_BUTTON))
        picture = wait_for("the preview's picture", lambda: named(app, "Week of Accessible Week"), 120)
        if "zoom" not in (picture.description or "").lower():
            fail("the preview's picture does not say how to zoom")
        check(app, "in the preview")
    finally:
        end(process)


def open_address_dialog():
    # Reached from the keyboard alone, typed through the X server: the day
    # pages by Ctrl+Page Down and Up, then Ctrl+Shift+O.
    process, app = run([])
    try:
        wait_for("the entry window", lambda: named(app, "Start Creating Template", pyatspi.ROLE_PUSH_BUTTON))
        # No window manager gives the window the focus here; xdotool does.
        def keys(combination):
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Dorvane$",
                            "windowfocus", "--sync", "key", combination], check=True)
        keys("ctrl+Next")
        wait_for("Ctrl+Page Down to show Tuesday", lambda: named(app, "Tuesday, 9 o'clock, Number"))
        keys("ctrl+Prior")
        wait_for("Ctrl+Page Up to show Monday again", lambda: named(app, "Monday, 9 o'clock, Number"))
        keys("ctrl+shift+o")
        wait_for("\"Open Calendar Address\"",
                 lambda: next((w for w in windows(app) if w.name == "Open Calendar Address"), None))
        names = check(app, "with \"Open Calendar Address\" open")
        if "Address" not in names:
            fail("\"Open Calendar Address\": the address box is not named")
    finally:
        end(process)


def import_week_dialog():
    process, app = run([calendar_file])
    try:
        wait_for("\"Import Week\"", lambda: next((w for w in windows(app) if w.name == "Import Week"), None))
        names = check(app, "with \"Import Week\" open")
        if "Import the week of" not in names:
            fail("\"Import Week\": the date is not named")
    finally:
        end(process)


released = threading.Event()


class Server(http.server.BaseHTTPRequestHandler):
    """/slow.ics sends a little of a calendar and then nothing until released;
    everything else asks to sign in."""

    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.path == "/slow.ics":
            self.send_response(200)
            self.send_header("Content-Type", "text/calendar")
            self.send_header("Content-Length", "100000")
            self.end_headers()
            self.wfile.write(b"BEGIN:VCALENDAR\r\n")
            self.wfile.flush()
            released.wait(120)
            return
        self.send_response(401)
        self.send_header("WWW-Authenticate", 'Basic realm="Planner"')
        self.send_header("Content-Length", "0")
        self.end_headers()


def server_dialogs():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Server)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    port = server.server_address[1]
    process, app = run([f"http://127.0.0.1:{port}/week.ics"])
    try:
        wait_for("\"Sign In\"", lambda: next((w for w in windows(app) if w.name == "Sign In"), None))
        names = check(app, "with \"Sign In\" open")
        for expected in ("User name", "Password"):
            if expected not in names:
                fail(f"\"Sign In\": no control named \"{expected}\"")
    finally:
        end(process)
    process, app = run([f"http://127.0.0.1:{port}/slow.ics"])
    try:
        wait_for("\"Downloading Calendar\"",
                 lambda: next((w for w in windows(app) if w.name == "Downloading Calendar"), None))
        check(app, "with \"Downloading Calendar\" open")
    finally:
        end(process)
        released.set()
        server.shutdown()


def in_german():
    # Translated names must stay present and apart as well.
    process, app = run([], "de_DE.UTF-8")
    try:
        start = wait_for("the entry window in German",
                         lambda: named(app, "Vorlage erstellen", pyatspi.ROLE_PUSH_BUTTON))
        names = check(app, "in German at start")
        if not any(name.startswith("Montag, 9") for name in names):
            fail("in German: the boxes of the rows are not named after Montag")
        press(start)
        wait_for("the German message box", lambda: next(
            (w for w in windows(app) if any("vergessen" in (a.name or "") for a in descendants(w))
             or "vergessen" in (w.description or "")), None))
        check(app, "in German with the message box open")
    finally:
        end(process)


def main():
    try:
        Atspi.init()
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as error:
        print(f"SKIP: the accessibility bus cannot be started: {error}")
        return 77
    entry_window_and_preview()
    import_week_dialog()
    server_dialogs()
    open_address_dialog()
    in_german()
    if failures:
        print(f"{len(failures)} failures")
        return 1
    print("every interactive control has a name of its own")
    return 0


sys.exit(main())
