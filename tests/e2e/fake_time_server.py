#!/usr/bin/env python3
"""A stand-in web server for the end-to-end tests: answers every request with 200 and a
Date header that is the machine's time moved by --offset seconds, and appends one JSON line
per request (time, method, path, headers in order) to --log."""
import argparse
import email.utils
import http.server
import json
import time


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=80)
    parser.add_argument("--offset", type=float, default=0)
    parser.add_argument("--log", required=True)
    args = parser.parse_args()

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def answer(self):
            with open(args.log, "a") as log:
                log.write(json.dumps({"time": time.time(), "method": self.command,
                                      "path": self.path,
                                      "headers": list(self.headers.items())}) + "\n")
            date = email.utils.formatdate(time.time() + args.offset, usegmt=True)
            self.send_response_only(200)
            self.send_header("Date", date)
            self.send_header("Content-Length", "0")
            self.end_headers()

        do_HEAD = do_GET = do_POST = answer

        def log_message(self, *unused):
            pass

    http.server.ThreadingHTTPServer(("127.0.0.1", args.port), Handler).serve_forever()


if __name__ == "__main__":
    main()
