#!/usr/bin/env python3
"""Checks the language packs in this directory before they are released.

Every pack must hold the same messages, each one translated: no unfinished, empty,
vanished or obsolete entry, the placeholders, line breaks and accelerators of the
source kept, one accelerator letter per key within a dialog or menu, and the layout
direction entry right to left exactly for Farsi and Arabic.

With --lupdate and --sources the messages are also compared with what lupdate finds in
the sources now, so a text added to the program without a translation is caught too.

Exit status 0 = all good.
"""
import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))

# Pack suffix -> the language lupdate writes into the file.
LANGUAGES = {
    "ENU": "en_GB", "DEU": "de_DE", "ITA": "it_IT", "RUS": "ru_RU", "FRA": "fr_FR",
    "ESP": "es_ES", "NLD": "nl_NL", "FAR": "fa_IR", "ARA": "ar_SA",
}
RIGHT_TO_LEFT = {"FAR", "ARA"}
LAYOUT_CONTEXT, LAYOUT_SOURCE = "QGuiApplication", "QT_LAYOUT_DIRECTION"

PLACEHOLDER = re.compile(r"%(?:L?\d{1,2}|n)")
# "&x" marks an accelerator; "&&" is a plain ampersand.
ACCELERATOR = re.compile(r"&(?!&)(\S)")


def read_pack(path):
    """[(context, source, comment, numerus, type, [translations])] of one .ts file."""
    root = ET.parse(path).getroot()
    messages = []
    for context in root.findall("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            translation = message.find("translation")
            numerus = message.get("numerus") == "yes"
            if translation is None:
                texts, kind = [], "missing"
            else:
                kind = translation.get("type") or ""
                if numerus:
                    texts = [form.text or "" for form in translation.findall("numerusform")]
                else:
                    texts = [translation.text or ""]
            messages.append((name, message.findtext("source") or "",
                             message.findtext("comment") or "", numerus, kind, texts))
    return root.get("language"), messages


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def check_message(suffix, message):
    """The faults of one message, as text."""
    context, source, _comment, numerus, kind, texts = message
    where = "%s: %s / %r" % (suffix, context, source)
    if kind in ("unfinished", "vanished", "obsolete", "missing"):
        return ["%s is %s" % (where, kind)]
    if not texts or any(not text.strip() for text in texts):
        return ["%s has an empty translation" % where]
    faults = []
    wanted = [p for p in placeholders(source) if p != "%n"]
    for text in texts:
        if [p for p in placeholders(text) if p != "%n"] != wanted:
            faults.append("%s: placeholders %s, translation %r" % (where, wanted, text))
        if text.count("\n") != source.count("\n"):
            faults.append("%s: line breaks differ in %r" % (where, text))
        if len(ACCELERATOR.findall(text)) != len(ACCELERATOR.findall(source)):
            faults.append("%s: accelerators differ in %r" % (where, text))
    # Arabic names one and two without the number; some form must still show it.
    if numerus and "%n" in source and not any("%n" in text for text in texts):
        faults.append("%s: no plural form shows %%n" % where)
    if (context, source) == (LAYOUT_CONTEXT, LAYOUT_SOURCE):
        direction = "RTL" if suffix in RIGHT_TO_LEFT else "LTR"
        if texts != [direction]:
            faults.append("%s: layout direction must be %s" % (where, direction))
    return faults


def check_accelerators(suffix, messages):
    """Within one context no two texts may share an accelerator key."""
    faults = []
    seen = {}
    for context, source, _comment, _numerus, _kind, texts in messages:
        for text in texts:
            for key in ACCELERATOR.findall(text):
                other = seen.setdefault((context, key.lower()), source)
                if other != source:
                    faults.append("%s: %s: %r and %r share the accelerator %s"
                                  % (suffix, context, other, source, key))
    return faults


def keys(messages):
    return {(m[0], m[1], m[2]) for m in messages}


def sources_now(lupdate, folders):
    """The messages lupdate finds in the sources at this moment."""
    files = []
    for folder in folders:
        for pattern in ("*.cpp", "*.h"):
            files += sorted(glob.glob(os.path.join(folder, "**", pattern), recursive=True))
    with tempfile.TemporaryDirectory() as scratch:
        ts = os.path.join(scratch, "now.ts")
        subprocess.run([lupdate, "-no-obsolete", "-locations", "none", "-silent", *files,
                        "-ts", ts], check=True, stdout=subprocess.DEVNULL)
        return keys(read_pack(ts)[1])


def describe(key):
    return "%s / %r" % (key[0], key[1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--folder", default=HERE, help="where the .ts files are")
    parser.add_argument("--lupdate", help="lupdate, to compare with the sources")
    parser.add_argument("--sources", nargs="*", default=[], help="folders lupdate reads")
    args = parser.parse_args()

    faults = []
    packs = {}
    for suffix, language in LANGUAGES.items():
        path = os.path.join(args.folder, "tarnell1018%s.ts" % suffix)
        if not os.path.exists(path):
            faults.append("%s: %s is missing" % (suffix, path))
            continue
        found_language, messages = read_pack(path)
        if found_language != language:
            faults.append("%s: language %s, expected %s" % (suffix, found_language, language))
        for message in messages:
            faults += check_message(suffix, message)
        faults += check_accelerators(suffix, messages)
        packs[suffix] = messages
    for path in glob.glob(os.path.join(args.folder, "tarnell1018*.ts")):
        suffix = os.path.basename(path)[len("tarnell1018"):-len(".ts")]
        if suffix not in LANGUAGES:
            faults.append("%s: no such language" % path)

    # All packs hold the same messages; with lupdate, exactly those of the sources.
    reference = None
    if args.lupdate:
        reference = ("the sources", sources_now(args.lupdate, args.sources))
    elif "ENU" in packs:
        reference = ("ENU", keys(packs["ENU"]))
    if reference:
        name, wanted = reference
        for suffix, messages in packs.items():
            have = keys(messages)
            faults += ["%s: lacks %s of %s" % (suffix, describe(k), name)
                       for k in sorted(wanted - have)]
            faults += ["%s: holds %s, gone from %s" % (suffix, describe(k), name)
                       for k in sorted(have - wanted)]

    for fault in faults:
        print(fault)
    print("%d language packs, %d messages each, %d faults"
          % (len(packs), len(packs.get("ENU", [])), len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
