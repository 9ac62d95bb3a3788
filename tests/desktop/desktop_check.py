#!/usr/bin/python3
"""The editor on a desktop, driven as a user drives it.

Runs the real program on the X server and window manager that scripts/with-x11.sh started,
inside a D-Bus session (dbus-run-session) so that the accessibility bus can tell where each
ribbon button is. Keys and clicks are real X input (xdotool); every result is checked in the
files the program writes, through fdutool, or in what the window shows. A screenshot of each
step is kept in the --shots folder for looking at.

    with-x11.sh dbus-run-session -- desktop_check.py --app A --fdutool F --shots DIR
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi


class Failure(Exception):
    pass


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def wait_for(what, predicate, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    raise Failure("timed out waiting for " + what)


class Desktop:
    def __init__(self, app, shots):
        self.app = app
        self.shots = shots
        self.step = 0
        self.process = None
        self.window = None

    def shot(self, name):
        self.step += 1
        path = os.path.join(self.shots, "%02d-%s.png" % (self.step, name))
        subprocess.run(["import", "-window", "root", path], check=False)

    def start(self, files, env):
        self.process = subprocess.Popen([self.app, *files], env=env)
        self.window = wait_for(
            "the main window",
            lambda: self.search_window("Tarnell 1018"), timeout=60)
        run("xdotool", "windowactivate", "--sync", self.window)
        wait_for("the accessibility tree", lambda: self.accessible_app(), timeout=30)

    @staticmethod
    def search_window(name):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                               capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    def title(self):
        return run("xdotool", "getwindowname", self.window).strip()

    def active_title(self):
        active = run("xdotool", "getactivewindow").strip()
        return run("xdotool", "getwindowname", active).strip()

    def key(self, *keys):
        # To the window that has the focus, as a keyboard does.
        run("xdotool", "key", "--clearmodifiers", *keys)
        time.sleep(0.3)

    def type(self, text):
        run("xdotool", "type", "--delay", "20", text)

    def accessible_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            child = desktop.getChildAtIndex(index)
            if child is not None and child.name.lower() == "tarnell1018":
                return child
        return None

    def find(self, predicate):
        """Breadth first through the program's accessible widgets; showing ones only."""
        queue = [self.accessible_app()]
        while queue:
            node = queue.pop(0)
            if node is None:
                continue
            try:
                if predicate(node) and node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
                queue.extend(node.getChildAtIndex(i) for i in range(node.childCount))
            except Exception:  # a widget that went away while we looked
                continue
        return None

    def click_button(self, *names):
        wanted = set(names)
        button = wait_for(
            "a button named " + " or ".join(names),
            lambda: self.find(lambda n: n.name.replace("\n", " ") in wanted and
                              n.getRoleName() in ("push button", "toggle button",
                                                  "check box", "button")))
        x, y, width, height = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2))
        run("xdotool", "click", "1")
        # Away again, so that the status bar shows the panes rather than the button's tip.
        run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height + 300))
        time.sleep(0.4)

    def shown_text(self, predicate):
        label = self.find(lambda n: n.getRoleName() == "label" and predicate(n.name))
        return label.name if label else None


def user_environment(scratch, language=None):
    """A fresh user for the program: home and configuration folder in scratch, the real X
    server, widgets on the accessibility bus; `language` (its stored id) presets the interface
    language, otherwise the program's default (German) is used."""
    config = os.path.join(scratch, "config", "Brixholm")
    os.makedirs(config, exist_ok=True)
    if language is not None:
        with open(os.path.join(config, "Tarnell1018.conf"), "w") as conf:
            conf.write("[Language]\nActiveLanguage=%d\n" % language)
    return dict(os.environ, HOME=scratch, XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                TARNELL_CONFIG_DIR=config, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                QT_QPA_PLATFORM="xcb")


def mtime(path):
    return os.stat(path).st_mtime_ns


def run_check(name, scratch_prefix, body):
    """Runs body(args, desktop, scratch) as one check: --app, --fdutool and --shots from the
    command line, a fresh scratch folder and the accessibility bus (so that widgets can be
    found by what they say); a Failure leaves a screenshot and exit status 1."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--fdutool", required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()
    shutil.rmtree(args.shots, ignore_errors=True)
    os.makedirs(args.shots)
    scratch = tempfile.mkdtemp(prefix=scratch_prefix)
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    desktop = Desktop(args.app, args.shots)
    try:
        body(args, desktop, scratch)
        print("%s passed; screenshots in %s" % (name, args.shots))
        return 0
    except Failure as failure:
        desktop.shot("failure")
        print("%s failed: %s" % (name, failure), file=sys.stderr)
        return 1
    finally:
        if desktop.process and desktop.process.poll() is None:
            desktop.process.kill()
        bus.terminate()
        shutil.rmtree(scratch, ignore_errors=True)


def check(args, desktop, scratch):
    # A stand-in browser: the editor hands the manual's pages to xdg-open.
    fakebin = os.path.join(scratch, "bin")
    os.makedirs(fakebin)
    opened_log = os.path.join(scratch, "opened.txt")
    with open(os.path.join(fakebin, "xdg-open"), "w") as browser:
        browser.write('#!/bin/sh\necho "$@" >> "%s"\n' % opened_log)
    os.chmod(os.path.join(fakebin, "xdg-open"), 0o755)
    env = user_environment(scratch)
    env["PATH"] = fakebin + os.pathsep + env.get("PATH", "")
    first = os.path.join(scratch, "first.fdu")
    second = os.path.join(scratch, "second.fdu")
    run(args.fdutool, "new", first)
    shutil.copy(first, second)
    old = 1_000_000_000
    for path in (first, second):
        os.utime(path, (old, old))

    desktop.start([first, second], env)
    time.sleep(1)
    desktop.shot("opened")
    if "second.fdu" not in desktop.title():
        raise Failure("the last file opened is not the shown one: " + desktop.title())

    # Ctrl+S writes the shown document, and only that one.
    desktop.key("ctrl+s")
    wait_for("second.fdu to be written", lambda: mtime(second) != old * 10**9)
    if mtime(first) != old * 10**9:
        raise Failure("Ctrl+S wrote the document that is not shown")
    desktop.shot("saved")

    # Radio shows the radio channels of the shown list (197 in the factory list).
    desktop.click_button("Radio")
    wait_for("the radio channel count in the status bar",
             lambda: desktop.shown_text(lambda text: "197" in text))
    desktop.shot("radio")

    # Ctrl+Shift+S, a name typed into the dialog, and the file is there and readable.
    copy = os.path.join(scratch, "copy.fdu")
    desktop.key("ctrl+shift+s")
    wait_for("the save dialog", lambda: desktop.active_title() != desktop.title())
    desktop.shot("save-as-dialog")
    desktop.key("ctrl+a")
    desktop.type(copy)
    desktop.key("Return")
    wait_for("copy.fdu", lambda: os.path.exists(copy) and os.path.getsize(copy) > 0)
    info = run(args.fdutool, "info", copy)
    if "channel" not in info.lower():
        raise Failure("fdutool info cannot read the saved copy:\n" + info)
    wait_for("the title to name the copy", lambda: "copy.fdu" in desktop.title())
    desktop.shot("saved-as")

    # An edit marks the window modified; Ctrl+Z takes it back.
    desktop.click_button("Gespeicherte Nummern", "Stored Numbers")
    wait_for("the modified mark", lambda: "*" in desktop.title())
    desktop.shot("edited")
    desktop.key("ctrl+z")
    wait_for("the modified mark to go", lambda: "*" not in desktop.title())
    desktop.shot("undone")

    # F1 opens the manual at the channel list's page, in the interface's language.
    if os.path.isdir(os.path.join(os.path.dirname(args.app), "manual")):
        desktop.key("F1")
        page = wait_for("the manual to be opened",
                        lambda: os.path.exists(opened_log) and open(opened_log).read())
        if not page.strip().endswith("/manual/de/channels.html"):
            raise Failure("F1 opened " + page)

    # Closing a modified window asks first; Return saves it.
    desktop.click_button("Gespeicherte Nummern", "Stored Numbers")
    wait_for("the modified mark", lambda: "*" in desktop.title())
    before = mtime(copy)
    desktop.key("ctrl+w")
    wait_for("the save question", lambda: desktop.active_title() != desktop.title())
    desktop.shot("save-question")
    desktop.key("Return")
    wait_for("the copy to be saved", lambda: mtime(copy) != before)
    wait_for("the other document to be shown", lambda: "first.fdu" in desktop.title())
    desktop.shot("closed")

    desktop.key("ctrl+q")
    desktop.process.wait(timeout=20)
    if desktop.process.returncode != 0:
        raise Failure("the editor ended with status %d" % desktop.process.returncode)


def main():
    return run_check("desktop check", "tarnell-desktop-", check)


if __name__ == "__main__":
    sys.exit(main())
