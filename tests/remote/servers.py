#!/usr/bin/env python3
"""The servers the calendar address tests talk to, all on 127.0.0.1.

    servers.py WORK_FOLDER CALENDAR_DATA_FOLDER

Starts Radicale with htpasswd sign-in (user alice, password "right horse")
holding two calendars filled by PUT with real calendar files, and web
servers: one over HTTPS with a certificate of the test authority
(DORVANE_TEST_PKI, see sandbox.sh), three over HTTPS whose certificates
fail (signed by nobody trusted, expired, made out for another name), one
over plain HTTP, and one that takes connections and never answers. The
web servers also play hostile ones: a realm of 3,000 characters, a gzip
answer that unpacks to 40 MB, and one that sends a byte every 0.4 seconds,
fast enough never to stall and slow enough never to end. Prints
their ports as one JSON line, then serves until its standard input closes.
"""
import base64
import gzip
import http.client
import http.server
import json
import os
import socket
import ssl
import subprocess
import sys
import threading
import time

work, data = sys.argv[1], sys.argv[2]
pki = os.environ["DORVANE_TEST_PKI"]
USER, PASSWORD = "alice", "right horse"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def start_radicale():
    port = free_port()
    os.makedirs(f"{work}/radicale", exist_ok=True)
    with open(f"{work}/users", "w") as users:
        users.write(f"{USER}:{PASSWORD}\n")
    with open(f"{work}/radicale.conf", "w") as config:
        config.write(f"""[server]
hosts = 127.0.0.1:{port}
[auth]
type = htpasswd
htpasswd_filename = {work}/users
htpasswd_encryption = plain
realm = Dorvane test calendars
delay = 0
[rights]
type = owner_only
[storage]
filesystem_folder = {work}/radicale
[logging]
level = warning
""")
    process = subprocess.Popen(["radicale", "--config", f"{work}/radicale.conf"],
                               stdin=subprocess.DEVNULL)
    for _ in range(200):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.2).close()
            return process, port
        except OSError:
            time.sleep(0.05)
    sys.exit("Radicale did not start")


def dav(port, method, path, body=b"", headers=None):
    connection = http.client.HTTPConnection("127.0.0.1", port)
    token = base64.b64encode(f"{USER}:{PASSWORD}".encode()).decode()
    connection.request(method, path, body, {"Authorization": f"Basic {token}", **(headers or {})})
    answer = connection.getresponse()
    answer.read()
    if answer.status >= 300:
        sys.exit(f"{method} {path}: {answer.status}")


def fill(port):
    for collection, name, source in (("work", "Work", "google.ics"), ("family", "Family", "outlook.ics")):
        dav(port, "MKCALENDAR", f"/{USER}/{collection}/",
            f"""<?xml version="1.0"?><c:mkcalendar xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:set><d:prop>
<d:displayname>{name}</d:displayname></d:prop></d:set></c:mkcalendar>""".encode(),
            {"Content-Type": "application/xml"})
        # Radicale keeps one event (with its overrides) per item: the file
        # goes in as it is, one PUT for each UID.
        with open(f"{data}/{source}", "rb") as f:
            text = f.read().decode().replace("\r\n", "\n").replace("\n ", "")
        head, _, rest = text.partition("BEGIN:VEVENT")
        zones = head[head.find("BEGIN:VTIMEZONE"):] if "BEGIN:VTIMEZONE" in head else ""
        events = {}
        for block in rest.split("BEGIN:VEVENT"):
            block = "BEGIN:VEVENT" + block[:block.index("END:VEVENT")] + "END:VEVENT\n"
            uid = next(line[4:] for line in block.splitlines() if line.startswith("UID:"))
            events.setdefault(uid, []).append(block)
        for number, blocks in enumerate(events.values()):
            item = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Dorvane tests//EN\n" + zones + "".join(blocks) + "END:VCALENDAR\n"
            dav(port, "PUT", f"/{USER}/{collection}/event{number}.ics", item.replace("\n", "\r\n").encode(),
                {"Content-Type": "text/calendar"})


class Web(http.server.BaseHTTPRequestHandler):
    """A web calendar and the ways a web server goes wrong."""

    def log_message(self, *args):
        pass

    def send(self, status, body=b"", kind="text/calendar", headers=()):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        path = self.path
        try:
            if path == "/week.ics":
                with open(f"{data}/google.ics", "rb") as f:
                    self.send(200, f.read())
            elif path.startswith("/loop"):
                self.send(302, headers=[("Location", f"/loop{int(path[5:] or 0) + 1}")])
            elif path == "/down":
                self.send(302, headers=[("Location", f"http://127.0.0.1:{ports['http']}/week.ics")])
            elif path == "/page.html":
                self.send(200, b"<html><body>Sign in to see your calendar</body></html>", "text/html")
            elif path == "/realm.ics":
                self.send(401, b"sign in", "text/plain",
                          [("WWW-Authenticate", 'Basic realm="' + "r" * 3000 + '"')])
            elif path == "/bomb.ics":
                self.send(200, BOMB, headers=[("Content-Encoding", "gzip")])
            elif path == "/drip.ics":
                self.send_response(200)
                self.send_header("Content-Type", "text/calendar")
                self.end_headers()
                for byte in (b"BEGIN:VCALENDAR\r\n" + b"X" * 50)[:50]:
                    self.wfile.write(bytes([byte]))
                    self.wfile.flush()
                    time.sleep(0.4)
            elif path == "/cut.ics":
                # A whole calendar, but the connection ends short of the length promised.
                with open(f"{data}/google.ics", "rb") as f:
                    body = f.read()
                self.send_response(200)
                self.send_header("Content-Type", "text/calendar")
                self.send_header("Content-Length", str(len(body) + 1000))
                self.end_headers()
                self.wfile.write(body)
                self.wfile.flush()
                self.close_connection = True
            elif path == "/forbidden.ics":
                self.send(403, b"no", "text/plain")
            elif path == "/broken.ics":
                self.send(500, b"oops", "text/plain")
            elif path in ("/trickle.ics", "/stall.ics", "/huge.ics"):
                # No length given: the answer ends when the connection does.
                self.send_response(200)
                self.send_header("Content-Type", "text/calendar")
                self.end_headers()
                self.wfile.write(b"BEGIN:VCALENDAR\r\nVERSION:2.0\r\n")
                self.wfile.flush()
                if path == "/huge.ics":
                    line = b"X-FILLER:" + b"x" * 1014 + b"\r\n"
                    for _ in range(25 * 1024):
                        self.wfile.write(line)
                elif path == "/trickle.ics":
                    for _ in range(600):
                        time.sleep(0.1)
                        self.wfile.write(b"X-FILLER:" + b"x" * 500 + b"\r\n")
                        self.wfile.flush()
                else:
                    time.sleep(60)
            else:
                self.send(404, b"not here", "text/plain")
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            pass

    def do_PROPFIND(self):
        self.rfile.read(int(self.headers.get("Content-Length", 0)))
        if self.path == "/davdown/":
            # A calendar named at plain http on another host.
            self.send(207, f"""<?xml version="1.0" encoding="utf-8"?>
<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:response>
<d:href>http://localhost:{ports['http']}/davdown/</d:href><d:propstat><d:prop>
<d:resourcetype><d:collection/><c:calendar/></d:resourcetype><d:displayname>Elsewhere</d:displayname>
</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response></d:multistatus>""".encode(),
                      "application/xml; charset=utf-8")
        else:
            self.send_error(501, "Unsupported method ('PROPFIND')")


def silent():
    """Takes connections and never says a word, not even to begin TLS."""
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen()
    held = []
    threading.Thread(target=lambda: [held.append(listener.accept()) for _ in iter(int, 1)], daemon=True).start()
    return listener.getsockname()[1]


def serve(certificate=None):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Web)
    server.daemon_threads = True
    if certificate:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(f"{pki}/{certificate}.pem", f"{pki}/{certificate}.key")
        server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


# Small on the wire, 40 MB unpacked: twice what Dorvane reads.
BOMB = gzip.compress(b"BEGIN:VCALENDAR\r\n" + b"\0" * (40 << 20), 6)

radicale, radicale_port = start_radicale()
try:
    fill(radicale_port)
    ports = {"caldav": radicale_port}
    ports["http"] = serve()
    ports["https"] = serve("trusted-server")
    ports["untrusted"] = serve("stranger")
    ports["expired"] = serve("expired")
    ports["mismatch"] = serve("elsewhere")
    ports["silent"] = silent()
    print(json.dumps(ports), flush=True)
    sys.stdin.read()
finally:
    radicale.terminate()
    radicale.wait()
