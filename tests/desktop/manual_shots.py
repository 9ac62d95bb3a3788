#!/usr/bin/python3
"""Takes the user manual's screenshots from the real program, in English and German.

Drives the editor as desktop_check.py does (real X input on Xvfb + openbox, widgets found
through the accessibility bus) and writes <name>-<lang>.png into --out, the names the
manual's pages show. scripts/manual-screenshots.sh copies them into docs/manual/images.

    with-x11.sh dbus-run-session -- manual_shots.py --app A --fdutool F --out DIR [--testdata D]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from config_check import click_page, write_sys  # noqa: E402
from desktop_check import Desktop, Failure, run, user_environment, wait_for  # noqa: E402

LANGUAGES = {"en": 9, "de": 7}


def window_shot(window, path):
    # The window's own contents, without the desktop around it.
    time.sleep(0.6)
    subprocess.run(["import", "-window", window, path], check=True)


def click_item(desktop, names, roles=("menu item", "push button", "menu")):
    wanted = set(names)
    item = wait_for("an item named " + " or ".join(names),
                    lambda: desktop.find(lambda n: n.name.replace("&", "") in wanted and
                                         n.getRoleName() in roles))
    x, y, width, height = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2))
    run("xdotool", "click", "1")
    time.sleep(0.5)


def double_click_in_list(desktop, name):
    cells = []

    def collect(node):
        if node.getRoleName() == "table cell" and node.name == name:
            cells.append(node)
        return False

    desktop.find(collect)
    if not cells:
        raise Failure("no row named " + name)
    # The channel list lies right of the tree, further right than the search results.
    extents = [c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for c in cells]
    x, y, width, height = max(extents, key=lambda e: e[0])
    run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2))
    run("xdotool", "click", "--repeat", "2", "--delay", "80", "1")


def shoot(lang, args, out):
    scratch = tempfile.mkdtemp(prefix="tarnell-shots-")
    env = user_environment(scratch, language=LANGUAGES[lang])
    base = os.path.join(scratch, "mine.fdu")
    run(args.fdutool, "new", base)
    # The factory list with a receiver configuration, so that its pages can be shown.
    raw = write_sys(args.fdutool, scratch, "raw.sys", {})
    listed = os.path.join(scratch, "receiver.sys")
    run(args.fdutool, "config", raw, listed, "--set", "dhcp=0", "ip-address=192.168.1.20",
        "subnet-mask=255.255.255.0", "gateway=192.168.1.1", "dns-1=192.168.1.1",
        "dns-2=0.0.0.0", *["address-%d=0.0.0.0" % n for n in range(1, 6)], "network-option=0",
        "stored-numbers=0")
    desktop = Desktop(args.app, os.path.join(out, "steps-" + lang))
    os.makedirs(desktop.shots, exist_ok=True)
    try:
        desktop.start([listed], env)
        run("xdotool", "windowsize", "--sync", desktop.window, "1180", "700")
        run("xdotool", "windowmove", "--sync", desktop.window, "20", "20")
        time.sleep(1.5)
        window_shot(desktop.window, os.path.join(out, "main-window-%s.png" % lang))

        # The search pane, with a name typed.
        desktop.key("ctrl+f")
        desktop.type("sport")
        time.sleep(1.0)
        window_shot(desktop.window, os.path.join(out, "search-%s.png" % lang))

        # The first result chosen, and opened from the list with a double click.
        desktop.key("Return")
        double_click_in_list(desktop, "sportdigital")
        time.sleep(1.0)
        window_shot(desktop.window, os.path.join(out, "properties-%s.png" % lang))

        desktop.click_button("Statistik", "Statistics")
        dialog = wait_for("the statistics", lambda: desktop.active_title() != desktop.title() and
                          run("xdotool", "getactivewindow").strip())
        window_shot(dialog, os.path.join(out, "statistics-%s.png" % lang))
        desktop.key("Escape")

        desktop.click_button("Receiver-Konfiguration", "Receiver Configuration")
        dialog = wait_for("the receiver configuration",
                          lambda: desktop.active_title() != desktop.title() and
                          run("xdotool", "getactivewindow").strip())
        click_page(desktop, "Netzwerk" if lang == "de" else "Network")
        window_shot(dialog, os.path.join(out, "configuration-%s.png" % lang))
        desktop.key("Escape")

        if args.testdata and os.path.isdir(os.path.join(args.testdata, "enigma2")):
            # The File menu's popup is not on the accessibility bus: keys walk it.
            click_item(desktop, ["Datei", "File"])
            desktop.key(*(["Down"] * 6), "Right")
            desktop.key("Return")
            dialog = wait_for("the import dialog",
                              lambda: desktop.active_title() != desktop.title() and
                              run("xdotool", "getactivewindow").strip())
            desktop.type(os.path.join(args.testdata, "enigma2", "horsti58-4sat-v5"))
            desktop.key("Tab", "Tab", "Tab")  # past Browse... and Folder...
            desktop.type(base)
            time.sleep(2.0)
            window_shot(dialog, os.path.join(out, "import-%s.png" % lang))
            desktop.key("Escape")

        desktop.key("ctrl+q")
        desktop.process.wait(timeout=20)
    finally:
        if desktop.process and desktop.process.poll() is None:
            desktop.process.kill()
        shutil.rmtree(scratch, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--fdutool", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--testdata")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    try:
        for lang in LANGUAGES:
            shoot(lang, args, args.out)
    except Failure as failure:
        print("manual screenshots failed: %s" % failure, file=sys.stderr)
        return 1
    finally:
        bus.terminate()
    print("manual screenshots in " + args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
