#!/usr/bin/python3
"""The built user manual: every page in both languages, no dead link or missing picture, and a
page for every help topic the program's windows name (F1 would fall back to the contents).

    manual_test.py BUILT_MANUAL_DIR SOURCE_DIR
"""
import os
import re
import sys


def main():
    built, source = sys.argv[1], sys.argv[2]
    if not os.path.isdir(built):
        print("the manual is not built (no cmark-gfm)")
        return 77
    with open(os.path.join(source, "docs", "manual", "pages.txt"), encoding="utf-8") as listing:
        pages = [line.strip() for line in listing if line.strip() and not line.startswith("#")]
    problems = []
    for lang in ("en", "de"):
        for page in pages:
            path = os.path.join(built, lang, page + ".html")
            if not os.path.isfile(path):
                problems.append("missing page " + path)
                continue
            with open(path, encoding="utf-8") as html:
                text = html.read()
            for target in re.findall(r'(?:href|src)="([^"#:]+)(?:#[^"]*)?"', text):
                if not os.path.exists(os.path.normpath(os.path.join(built, lang, target))):
                    problems.append("%s/%s.html: %s leads nowhere" % (lang, page, target))
    topics = set()
    for folder, _, files in os.walk(os.path.join(source, "src")):
        for name in files:
            if name.endswith(".cpp"):
                with open(os.path.join(folder, name), encoding="utf-8") as code:
                    topics.update(re.findall(r'SetHelpTopic\([^,]+, "([a-z-]+)"\)', code.read()))
    problems += ["help topic '%s' has no page" % topic for topic in sorted(topics - set(pages))]
    if not topics:
        problems.append("no help topics found in the sources")
    for problem in problems:
        print(problem)
    print("%d pages in 2 languages, %d help topics; %d problems" %
          (len(pages), len(topics), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
