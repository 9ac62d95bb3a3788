#!/usr/bin/python3
"""The receiver configuration on a desktop, set up with the mouse and the keyboard.

On a *.sys file: the time zone, the aspect ratio and an IP address are changed in their pages
and saved; fdutool must then show exactly those three changed and the service part must be the
same byte for byte. A file whose configuration no list matches must store unchanged after OK.

    with-x11.sh dbus-run-session -- config_check.py --app A --fdutool F --shots DIR
"""
import json
import os
import shutil
import struct
import sys
import time
import zlib

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_check import Failure, mtime, run, run_check, user_environment, wait_for  # noqa: E402

SERVICE_PART = 0x30000


def write_sys(fdutool, scratch, name, words):
    """A *.sys file: the factory list and a 900-byte configuration holding these words."""
    factory = os.path.join(scratch, "factory.fdu")
    run(fdutool, "new", factory)
    structure = bytearray(0xEE for _ in range(900))
    for offset, value in words.items():
        structure[offset:offset + 4] = struct.pack(">i" if value < 0 else ">I", value)
    inner = bytearray(16)
    inner[0:2] = struct.pack("<h", len(structure))
    payload = bytes(inner) + bytes(structure) + bytes(3)
    stream = zlib.compress(payload, 9)
    header = struct.pack(">I", 0x000105FD) + struct.pack("<II", len(stream), len(payload))
    tail = bytes(32) + header + bytes([1, 0, 0, 0]) + stream
    raw = os.path.join(scratch, name + ".raw")
    with open(factory, "rb") as service, open(raw, "wb") as out:
        out.write(service.read()[:SERVICE_PART] + tail + bytes(0x440 - len(tail)))
    # Stored once by the program, so that an unchanged save gives the same bytes.
    path = os.path.join(scratch, name)
    run(fdutool, "store", raw, path)
    return path


def fields(fdutool, path):
    printed = json.loads(run(fdutool, "config", "--json", path))
    return {f["name"]: f for page in printed["pages"] for f in page["fields"]}


def click_page(desktop, title):
    item = wait_for("the page " + title,
                    lambda: desktop.find(lambda n: n.name == title and
                                         n.getRoleName() == "list item"))
    x, y, width, height = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2))
    run("xdotool", "click", "1")
    time.sleep(0.5)


def open_sheet(desktop):
    desktop.click_button("Receiver Configuration")
    wait_for("the configuration sheet",
             lambda: desktop.active_title() == "Receiver Configuration")


def edit_and_save(desktop, args, work):
    open_sheet(desktop)
    click_page(desktop, "Time")
    desktop.key("Tab", "Tab", *(["Down"] * 7))  # + 1:00 to + 5:30
    desktop.shot("time-zone")
    click_page(desktop, "Picture and sound output")
    desktop.key("Tab", "Tab", "Down", "Down")  # 16 : 9 to 16 : 10
    desktop.shot("aspect-ratio")
    click_page(desktop, "Network")
    desktop.key("Tab", "Tab", "ctrl+a")
    desktop.type("192.168.0.42")
    desktop.shot("address")
    desktop.key("Return")
    wait_for("the modified mark", lambda: "*" in desktop.title())
    before = mtime(work)
    desktop.key("ctrl+s")
    wait_for("the file to be saved", lambda: mtime(work) != before)
    desktop.shot("saved")


def check_changes(args, base, work):
    old, new = fields(args.fdutool, base), fields(args.fdutool, work)
    changed = {name for name in old if old[name] != new[name]}
    if changed != {"time-zone", "aspect-ratio", "ip-address"}:
        raise Failure("changed fields: %s" % sorted(changed))
    got = (new["time-zone"]["value"], new["aspect-ratio"]["value"], new["ip-address"]["value"])
    if got != (330, 3, "192.168.0.42"):
        raise Failure("stored %s" % (got,))
    with open(base, "rb") as a, open(work, "rb") as b:
        if a.read()[:SERVICE_PART] != b.read()[:SERVICE_PART]:
            raise Failure("the service part changed")


def check(args, desktop, scratch):
    env = user_environment(scratch, language=9)
    base = write_sys(args.fdutool, scratch, "base.sys",
                     {232: 0, 236: 1, 324: 60, 584: 0, 588: 0xC0A8000A})
    work = os.path.join(scratch, "work.sys")
    shutil.copy(base, work)
    odd = write_sys(args.fdutool, scratch, "odd.sys", {})
    odd_work = os.path.join(scratch, "odd-work.sys")
    shutil.copy(odd, odd_work)
    desktop.start([work], env)
    edit_and_save(desktop, args, work)
    check_changes(args, base, work)
    desktop.key("ctrl+q")
    desktop.process.wait(timeout=20)

    # Values no list offers: OK and save store the file as it was.
    desktop.start([odd_work], env)
    open_sheet(desktop)
    desktop.shot("no-choice")
    desktop.key("Return")
    wait_for("the modified mark", lambda: "*" in desktop.title())
    desktop.key("ctrl+s")
    wait_for("the file to be saved", lambda: "*" not in desktop.title())
    with open(odd, "rb") as a, open(odd_work, "rb") as b:
        if a.read() != b.read():
            raise Failure("OK changed a configuration whose values no list offers")
    desktop.key("ctrl+q")
    desktop.process.wait(timeout=20)


def main():
    return run_check("configuration check", "tarnell-config-", check)


if __name__ == "__main__":
    sys.exit(main())
