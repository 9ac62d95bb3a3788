#!/usr/bin/python3
"""The manual pages name every command and option the programs' --help lists, and their
version."""
import re
import subprocess
import sys

fdutool, editor, man_dir = sys.argv[1:4]


def helps(*args):
    return subprocess.run([fdutool, *args, "--help"], capture_output=True, text=True).stdout


def listed(text, section):
    """The first words of the lines of a --help section ("Subcommands:", "Options:")."""
    found, inside = [], False
    for line in text.splitlines():
        if line.strip().endswith(":") and not line.startswith(" "):
            inside = line.strip() == section
            continue
        if inside:
            match = re.match(r"\s{2}(\S+)", line)
            if match and not line.startswith(" " * 8):
                found.append(match.group(1))
    return found


def page(name):
    text = open("%s/%s" % (man_dir, name), encoding="utf-8").read()
    return text.replace("\\-", "-").replace("\\fB", "").replace("\\fR", "").replace("\\fI", "")


faults = []
fdupage = page("fdutool.1")
commands = listed(helps(), "Subcommands:")
if len(commands) < 10:
    faults.append("fdutool --help lists only %s" % commands)
calls = [[c] for c in commands if c != "profiles"]
calls += [["profiles", s] for s in listed(helps("profiles"), "Subcommands:")]
for call in calls:
    if not re.search(r"\b%s\b" % re.escape(" ".join(call)), fdupage):
        faults.append("fdutool.1 does not name the command '%s'" % " ".join(call))
    for option in listed(helps(*call), "Options:"):
        for name in option.split(","):
            if name.startswith("--") and name != "--help" and name not in fdupage:
                faults.append("fdutool.1 does not name %s of '%s'" % (name, " ".join(call)))
for option in listed(helps(), "Options:"):
    for name in option.split(","):
        if name.startswith("--") and name not in fdupage:
            faults.append("fdutool.1 does not name the global option %s" % name)

editor_help = subprocess.run([editor, "--help"], capture_output=True, text=True).stdout
editor_page = page("tarnell1018.1")
for name in re.findall(r"--[a-z-]+", editor_help):
    if name not in editor_page:
        faults.append("tarnell1018.1 does not name %s" % name)

for program, name in ((fdutool, "fdutool.1"), (editor, "tarnell1018.1")):
    version = subprocess.run([program, "--version"], capture_output=True, text=True).stdout.split()
    header = page(name).splitlines()[0]
    if len(version) != 2 or version[1] not in header:
        faults.append("%s: --version says %s, the page's header %s" % (name, version, header))

for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
