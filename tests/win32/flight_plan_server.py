#!/usr/bin/env python3
"""The flight-planning service as the Windows tests meet it, on 127.0.0.1 only.

Once it listens, prints "<pid> <port>" and goes on in the background, serving
until killed (so a caller reads the line and knows it is ready):
  /ok?username=pilot      the A320 plan in kg (tests/data/flightplan)
  /ok?username=a321pilot  the same plan made for an A321
  /ok?userid=123456       the plan in pounds
  /ok?username=...        otherwise HTTP 400 with the service's error document
  /silent...              accepts the connection and never answers
  /slow...                answers the plan one byte every half second
"""
import http.server
import os
import socketserver
import sys
import time
import urllib.parse

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "flightplan")


def plan(name):
    with open(os.path.join(DATA, name), "rb") as f:
        return f.read()


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def send(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "application/xml")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        url = urllib.parse.urlparse(self.path)
        query = urllib.parse.parse_qs(url.query)
        if url.path.startswith("/silent"):
            time.sleep(3600)
        elif url.path.startswith("/slow"):
            body = plan("egll_lfpg_kgs.xml")
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            for byte in body:
                self.wfile.write(bytes([byte]))
                self.wfile.flush()
                time.sleep(0.5)
        elif query.get("userid") == ["123456"]:
            self.send(200, plan("egll_lfpg_lbs.xml"))
        elif query.get("username") == ["pilot"]:
            self.send(200, plan("egll_lfpg_kgs.xml"))
        elif query.get("username") == ["a321pilot"]:
            self.send(200, plan("egll_lfpg_kgs.xml").replace(b">A320<", b">A321<"))
        else:
            self.send(400, plan("unknown_user.xml"))


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


if __name__ == "__main__":
    server = Server(("127.0.0.1", 0), Handler)
    pid = os.fork()
    if pid:
        print(pid, server.server_address[1], flush=True)
        os._exit(0)
    # The caller waits for the end of this output, not for the server.
    os.dup2(os.open(os.devnull, os.O_WRONLY), sys.stdout.fileno())
    server.serve_forever()
