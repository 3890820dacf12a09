#!/usr/bin/python3
"""A small stand-in for the maker's web API, for tests and for trying the
update flow by hand. Standard library only.

  POST /driftview/checkupdate   the update check (answer chosen by --checkupdate)
  GET  /download/<name>         the installer (behaviour chosen by --installer-mode;
                                "redirect" modes answer 302 to /download/moved/<name>)
  GET  /faq/<lang>.html         an FAQ page per language (--faq)
  GET  /sync/<n>                answers "ok"; lets a client know every earlier
                                request line has been printed

Every request is printed on standard output as one line:
  REQ <method> <path> <body>
Point Corvane.ini's serverIp at http://127.0.0.1:<port> to use it.
"""
import argparse
import hashlib
import json
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

DEFAULT_INSTALLER = b"#!/bin/sh\necho \"NuvoUpdate stand-in installer, folder: $1\"\n"


def checkupdate_answer(args, host):
    """(status, body) for the update check."""
    offer = {"version": args.version, "notes": args.notes,
             "url": args.url.replace("{host}", host).replace("{port}", host.rsplit(":", 1)[-1]) or "http://%s/download/NuvoUpdate%s" % (host, args.version)}
    if args.sha256:
        offer["sha256"] = args.sha256
    if args.forced is not None:
        offer["forced"] = args.forced
    answers = {
        "offer": (200, {"version": offer}),
        "none": (200, {"error": {"errorcode": "0"}}),
        "error": (200, {"error": {"errorcode": "4001"}}),
        "both": (200, {"version": offer, "error": {"errorcode": "4001"}}),
        "empty": (200, {}),
        "404": (404, {"version": offer}),
    }
    if args.checkupdate == "invalid":
        return 200, b"{\"version\": {\"version\": "
    status, body = answers[args.checkupdate]
    return status, json.dumps(body).encode()


class Handler(BaseHTTPRequestHandler):
    server_version = "CorvaneWebApi/1"

    def log_message(self, *unused):
        pass

    def note(self, body=b""):
        print("REQ %s %s %s" % (self.command, self.path, body.decode("utf-8", "replace")), flush=True)

    def reply(self, status, body, content_type="application/json", length=None):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        self.wfile.write(body)

    def hang(self):
        time.sleep(3600)

    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length") or 0))
        self.note(body)
        if self.path != "/driftview/checkupdate":
            return self.reply(404, b"{}")
        if self.server.args.checkupdate == "hang":
            return self.hang()
        self.reply(*checkupdate_answer(self.server.args, self.headers.get("Host", "127.0.0.1")))

    def do_GET(self):
        self.note()
        args = self.server.args
        if self.path.startswith("/sync/"):
            return self.reply(200, b"ok", "text/plain")
        if self.path.startswith("/faq/"):
            lang = self.path[len("/faq/"):].split(".")[0]
            if args.faq == "hang":
                return self.hang()
            if args.faq == "500":
                return self.reply(500, b"<h1>server error</h1>", "text/html")
            page = b"" if args.faq == "empty" else (
                "<h2>Frequently asked questions (%s)</h2><p><b>How do I connect the headset?</b><br/>"
                "Put the PC and the headset on the same network; the headset finds the PC by itself.</p>"
                "<p><b>Which videos can I add?</b><br/>MP4, MKV, MOV and most files FFmpeg reads.</p>" % lang
            ).encode()
            return self.reply(200, page, "text/html; charset=utf-8")
        if self.path.startswith("/download/"):
            return self.installer()
        self.reply(404, b"{}")

    def installer(self):
        data = self.server.installer
        mode = self.server.args.installer_mode
        if mode in ("500", "404"):
            # The installer's own bytes under an error status: only the
            # status tells this answer from a good one.
            return self.reply(int(mode), data, "application/octet-stream")
        if mode.startswith("redirect") and not self.path.startswith("/download/moved/"):
            # "redirect-away" names the same server under another host name.
            host = "localhost:%d" % self.server.server_address[1] if mode == "redirect-away" else self.headers["Host"]
            self.send_response(302)
            self.send_header("Location", "http://%s/download/moved/%s" % (host, self.path[len("/download/"):]))
            self.send_header("Content-Length", "0")
            return self.end_headers()
        if mode == "stall":
            self.send_response(200)
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.flush()
            return self.hang()
        if mode in ("halfway", "wrongsize"):
            # Half the file, then the connection ends; "wrongsize" announces
            # more than it will ever send.
            announced = len(data) if mode == "halfway" else len(data) + 1000
            sent = data[:len(data) // 2] if mode == "halfway" else data
            return self.reply(200, sent, "application/octet-stream", length=announced)
        self.reply(200, data, "application/octet-stream")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--checkupdate", default="offer",
                        choices=["offer", "none", "error", "both", "empty", "invalid", "404", "hang"])
    parser.add_argument("--version", default="2.4.0.0")
    parser.add_argument("--notes", default="\\nFaster start\\n\\nFixes\\n")
    parser.add_argument("--url", default="", help="installer address in the offer ({host}, {port}: this server's)")
    parser.add_argument("--sha256", default="", help="the offer's sha256; \"good\": the served installer's")
    parser.add_argument("--forced", type=int, default=0, help="-1 leaves \"forced\" out of the offer")
    parser.add_argument("--installer", default="", help="file served as the installer")
    parser.add_argument("--record", default="", help="the stand-in installer writes its argument into this file")
    parser.add_argument("--installer-mode", default="ok",
                        choices=["ok", "stall", "halfway", "wrongsize", "500", "404", "redirect", "redirect-away"])
    parser.add_argument("--faq", default="ok", choices=["ok", "empty", "500", "hang"])
    args = parser.parse_args()
    if args.forced == -1:
        args.forced = None
    server = ThreadingHTTPServer((args.host, args.port), Handler)
    server.daemon_threads = True
    server.args = args
    server.installer = DEFAULT_INSTALLER
    if args.record:
        server.installer = b"#!/bin/sh\nprintf '%%s' \"$1\" > '%s'\n" % args.record.encode()
    if args.installer:
        with open(args.installer, "rb") as f:
            server.installer = f.read()
    if args.sha256 == "good":
        args.sha256 = hashlib.sha256(server.installer).hexdigest()
    print("listening %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
