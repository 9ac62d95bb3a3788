#!/usr/bin/env python3
"""Resolves merge conflicts in the language packs.

Two branches that both added texts conflict in every .ts file. During such a merge run

    data/translations/merge_packs.py --lupdate LUPDATE

for each conflicted pack it starts from our side, brings the messages up to date with the
merged sources (lupdate), and takes every translation either side had. Messages neither side
translated stay unfinished, so language_packs_complete names them.
"""
import argparse
import glob
import os
import subprocess
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))


def side(path, stage):
    """The pack as one side of the merge has it ('' when that side has none)."""
    relative = os.path.relpath(path, ROOT)
    result = subprocess.run(["git", "show", ":%d:%s" % (stage, relative)], cwd=ROOT,
                            capture_output=True, text=True)
    return result.stdout if result.returncode == 0 else ""


def translations(text):
    """(context, source, comment) -> translation element of every finished message."""
    found = {}
    if not text:
        return found
    for context in ET.fromstring(text).findall("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished",
                                                                  "obsolete"):
                continue
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            found[key] = translation
    return found


def lupdate(tool, packs):
    sources = []
    for folder in ("src/app", "src/ui"):
        for pattern in ("*.cpp", "*.h"):
            sources += glob.glob(os.path.join(ROOT, folder, "**", pattern), recursive=True)
    subprocess.run([tool, "-no-obsolete", "-locations", "none", "-silent", *sorted(sources),
                    "-ts", *packs], check=True, cwd=ROOT)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    args = parser.parse_args()

    conflicted = subprocess.run(["git", "diff", "--name-only", "--diff-filter=U"], cwd=ROOT,
                                capture_output=True, text=True, check=True).stdout.split()
    packs = [os.path.join(ROOT, p) for p in conflicted if p.endswith(".ts")]
    if not packs:
        print("no conflicted language packs")
        return 0
    known = {}
    for pack in packs:
        ours, theirs = side(pack, 2), side(pack, 3)
        known[pack] = {**translations(theirs), **translations(ours)}
        with open(pack, "w", encoding="utf-8") as out:
            out.write(ours)
    lupdate(args.lupdate, packs)
    for pack in packs:
        tree = ET.parse(pack)
        for context in tree.getroot().findall("context"):
            name = context.findtext("name")
            for message in context.findall("message"):
                key = (name, message.findtext("source") or "", message.findtext("comment") or "")
                translation = message.find("translation")
                if key in known[pack] and (translation is None or
                                           translation.get("type") == "unfinished"):
                    if translation is not None:
                        message.remove(translation)
                    message.append(known[pack][key])
        tree.write(pack, encoding="utf-8", xml_declaration=True)
    # Once more, so the files are in lupdate's own layout.
    lupdate(args.lupdate, packs)
    subprocess.run(["git", "add", *packs], cwd=ROOT, check=True)
    print("merged %d language packs" % len(packs))
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
