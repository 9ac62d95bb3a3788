#!/usr/bin/python3
"""A stand-in for the receiver on the local network, for tests and for trying the editor.

It serves a folder as the receiver's file system over FTP (a real FTP server, pyftpdlib), so
"/var/etc/_service.fdu" is ROOT/var/etc/_service.fdu, and listens on a second port where the
restart lines arrive; every byte received there is appended to the record file.

    /usr/bin/python3 tools/receiver_simulator.py --root DIR [--user root] [--password PW]
        [--host 127.0.0.1] [--ftp-port 0] [--restart-port 0] [--record FILE]

Port 0 picks a free port. When ready it prints one line, "ftp=PORT restart=PORT", and serves
until SIGTERM or SIGINT. Two switches imitate awkward receivers: --deny-rename (the server
refuses RNFR/RNTO), --no-new-files (STOR may replace files but not create them) and
--disk-full-after N (uploads fail once N bytes of a file are written).
"""

import argparse
import errno
import os
import signal
import socket
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class RestartListener:
    """Accepts connections on the restart port and records every byte, in arrival order."""

    def __init__(self, host, port, record_path):
        self.record_path = record_path
        self.lock = threading.Lock()
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.sock.bind((host, port))
        self.sock.listen(4)
        self.port = self.sock.getsockname()[1]
        # Created now, so that a reader can tell "nothing arrived" from "not started".
        open(record_path, "ab").close()

    def serve(self):
        while True:
            try:
                conn, _ = self.sock.accept()
            except OSError:
                return
            threading.Thread(target=self.receive, args=(conn,), daemon=True).start()

    def receive(self, conn):
        conn.settimeout(30)
        with conn:
            while True:
                try:
                    chunk = conn.recv(4096)
                except OSError:
                    return
                if not chunk:
                    return
                with self.lock, open(self.record_path, "ab") as out:
                    out.write(chunk)
                    out.flush()


class ShortFile:
    """A file that fails like a full disk once `limit` bytes are written."""

    def __init__(self, f, limit):
        self.f = f
        self.limit = limit
        self.written = 0

    def write(self, data):
        if self.written + len(data) > self.limit:
            room = max(0, self.limit - self.written)
            self.f.write(data[:room])
            self.written = self.limit
            raise OSError(errno.ENOSPC, os.strerror(errno.ENOSPC))
        self.written += len(data)
        return self.f.write(data)

    def __getattr__(self, name):
        return getattr(self.f, name)


def make_filesystem(disk_full_after, no_new_files):
    class ReceiverFS(AbstractedFS):
        def open(self, filename, mode):
            if no_new_files and "w" in mode and not os.path.exists(filename):
                raise PermissionError(errno.EACCES, os.strerror(errno.EACCES))
            f = super().open(filename, mode)
            if disk_full_after is not None and "w" in mode:
                return ShortFile(f, disk_full_after)
            return f

    return ReceiverFS


def main():
    parser = argparse.ArgumentParser(description="Receiver stand-in: FTP and restart port")
    parser.add_argument("--root", required=True, help="folder served as the receiver's /")
    parser.add_argument("--user", default="root")
    parser.add_argument("--password", default="")
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--ftp-port", type=int, default=0)
    parser.add_argument("--restart-port", type=int, default=0)
    parser.add_argument("--record", help="file the restart bytes are appended to "
                        "(default: ROOT/../restart.bin)")
    parser.add_argument("--deny-rename", action="store_true")
    parser.add_argument("--no-new-files", action="store_true")
    parser.add_argument("--disk-full-after", type=int)
    args = parser.parse_args()

    root = os.path.abspath(args.root)
    os.makedirs(os.path.join(root, "var", "etc"), exist_ok=True)
    record = args.record or os.path.join(os.path.dirname(root), "restart.bin")

    authorizer = DummyAuthorizer()
    # e l r: list and read; a d w m: write; f: rename; M T: mode and time.
    perm = "elradwmMT" if args.deny_rename else "elradfwmMT"
    authorizer.add_user(args.user, args.password, root, perm=perm)

    handler = FTPHandler
    handler.authorizer = authorizer
    handler.abstracted_fs = make_filesystem(args.disk_full_after, args.no_new_files)
    handler.auth_failed_timeout = 0.1  # a real server waits longer; the tests need not
    handler.banner = "receiver simulator ready"
    handler.timeout = 60

    server = FTPServer((args.host, args.ftp_port), handler)
    listener = RestartListener(args.host, args.restart_port, record)
    threading.Thread(target=listener.serve, daemon=True).start()

    def stop(signum, frame):
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, stop)
    print("ftp=%d restart=%d" % (server.address[1], listener.port), flush=True)
    server.serve_forever(timeout=0.5, handle_exit=True)
    listener.sock.close()
    return 0


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.WARNING, stream=sys.stderr)
    sys.exit(main())
