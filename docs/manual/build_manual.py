#!/usr/bin/python3
"""Builds the user manual: docs/manual/<lang>/<page>.md -> OUT/<lang>/<page>.html.

Each page gets the same frame: the list of pages on the left, a link to the other language and
the page's text, converted by cmark-gfm (CommonMark with tables). Pictures come from
docs/manual/images and are copied to OUT/images.

    build_manual.py --cmark cmark-gfm --source docs/manual --out OUT
"""
import argparse
import html
import os
import re
import shutil
import subprocess
import sys

LANGUAGES = {"en": ("English", "Contents"), "de": ("Deutsch", "Inhalt")}
TITLE = {"en": "Tarnell 1018 manual", "de": "Tarnell 1018 Handbuch"}


def read_pages(source):
    with open(os.path.join(source, "pages.txt"), encoding="utf-8") as listing:
        return [line.strip() for line in listing if line.strip() and not line.startswith("#")]


def heading(markdown, page):
    for line in markdown.splitlines():
        if line.startswith("# "):
            return line[2:].strip()
    raise SystemExit("%s has no '# ' heading" % page)


def convert(cmark, markdown):
    result = subprocess.run([cmark, "--extension", "table", "--extension", "autolink",
                             "--to", "html"], input=markdown, capture_output=True, text=True,
                            check=True)
    # Links between pages are written as page.md, so that they also work on a code host.
    return re.sub(r'href="([a-z0-9-]+)\.md(#[^"]*)?"', r'href="\1.html\2"', result.stdout)


def frame(lang, page, title, titles, pages, body):
    other = "de" if lang == "en" else "en"
    items = "\n".join(
        '<li%s><a href="%s.html">%s</a></li>' % (' class="here"' if name == page else "", name,
                                                html.escape(titles[name]))
        for name in pages)
    return """<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title} – {manual}</title>
<link rel="stylesheet" href="../manual.css">
</head>
<body>
<nav>
<p class="manual">{manual}</p>
<ol>
{items}
</ol>
<p class="language"><a href="../{other}/{page}.html">{other_name}</a></p>
</nav>
<main>
{body}
</main>
</body>
</html>
""".format(lang=lang, title=html.escape(title), manual=TITLE[lang], items=items, other=other,
           page=page, other_name=LANGUAGES[other][0], body=body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmark", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    pages = read_pages(args.source)
    for lang in LANGUAGES:
        os.makedirs(os.path.join(args.out, lang), exist_ok=True)
        texts = {}
        for page in pages:
            path = os.path.join(args.source, lang, page + ".md")
            with open(path, encoding="utf-8") as source:
                texts[page] = source.read()
        titles = {page: heading(texts[page], page) for page in pages}
        for page in pages:
            body = convert(args.cmark, texts[page])
            target = os.path.join(args.out, lang, page + ".html")
            with open(target + ".tmp", "w", encoding="utf-8") as out:
                out.write(frame(lang, page, titles[page], titles, pages, body))
            os.replace(target + ".tmp", target)
    shutil.copyfile(os.path.join(args.source, "manual.css"), os.path.join(args.out, "manual.css"))
    images = os.path.join(args.source, "images")
    shutil.copytree(images, os.path.join(args.out, "images"), dirs_exist_ok=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
