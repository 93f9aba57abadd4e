#!/usr/bin/env python3
"""Compares the text our engine reads from documents with LibreOffice's.

Usage: scripts/compare-with-libreoffice.py [--extract PATH] [--show] FILE...

For each FILE, LibreOffice's plain-text export (what `soffice --headless
--cat FILE` prints) and `harvelux-extract --dump-text FILE` are split into
words at white space and at our control characters; the share of
LibreOffice's words (counted with repetition) that our text also has is
printed per document, then the overall figure. --show lists the words
that differ. LibreOffice is a comparison tool only: it is not needed to
build or test Harvelux.
"""
import argparse
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile

DUMP_ESCAPES = re.compile(r"\\(\\|r\n|a|v|f|t|u[0-9A-F]{4})")


# Our hyphen characters in LibreOffice's spelling; other controls end words.
HYPHENS = {"u001E": "\u2011", "u001F": "\u00ad"}
# Paragraph numbers and bullets, which LibreOffice writes into its text and
# a word processor's main-story text does not have.
LIST_LABEL = re.compile(r"^([0-9]+|[a-zA-Z]|[ivxlcdmIVXLCDM]+)[.)]$|^[0-9]+(\.[0-9a-z]+)+\.?$"
                        r"|^[\u2022\u25aa\u25e6\u25cf\u25a0\u2013\uf0b7\uf0a7o-]$")


def undump(text):
    """Undoes --dump-text's escaping: control characters become spaces."""
    def replace(m):
        code = m.group(1)
        return "\\" if code == "\\" else HYPHENS.get(code, " ")
    return DUMP_ESCAPES.sub(replace, text)


def words(text, drop_labels=False):
    return [w for w in text.split() if not (drop_labels and LIST_LABEL.match(w))]


def libreoffice_texts(files):
    """LibreOffice's text of each file, converted in one soffice run per batch."""
    texts = {}
    with tempfile.TemporaryDirectory() as tmp:
        for index, path in enumerate(files):
            # Distinct names, so that a.rtf and a.odt do not collide.
            link = os.path.join(tmp, "in", f"{index:05d}{os.path.splitext(path)[1]}")
            os.makedirs(os.path.dirname(link), exist_ok=True)
            os.symlink(os.path.abspath(path), link)
        inputs = sorted(os.listdir(os.path.join(tmp, "in")))
        out = os.path.join(tmp, "out")
        subprocess.run(["soffice", "--headless", "--convert-to", "txt:Text (encoded):UTF8", "--outdir", out]
                       + [os.path.join(tmp, "in", name) for name in inputs],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        for index, path in enumerate(files):
            name = os.path.join(out, f"{index:05d}.txt")
            if os.path.exists(name):
                with open(name, encoding="utf-8", errors="replace") as f:
                    texts[path] = f.read().lstrip("\ufeff")
    return texts


def our_text(extract, path):
    result = subprocess.run([extract, "--dump-text", path], capture_output=True, text=True, errors="replace")
    if result.returncode != 0:
        return None
    body = result.stdout.split("\n", 1)[1] if "\n" in result.stdout else ""
    return undump(body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--extract", default="build/src/cli/harvelux-extract")
    parser.add_argument("--show", action="store_true")
    parser.add_argument("--no-labels", action="store_true",
                        help="leave list numbers and bullets out of LibreOffice's words")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    if not shutil.which("soffice"):
        sys.exit("soffice not found (Debian: libreoffice-writer-nogui)")

    theirs_all = libreoffice_texts(args.files)
    total_theirs = total_found = documents = close = 0
    for path in args.files:
        theirs = theirs_all.get(path)
        ours = our_text(args.extract, path)
        if theirs is None or ours is None:
            print(f"{'-':>7}  {path}: {'LibreOffice' if theirs is None else 'we'} could not read it")
            continue
        want = collections.Counter(words(theirs, args.no_labels))
        have = collections.Counter(words(ours, args.no_labels))
        found = sum((want & have).values())
        count = sum(want.values())
        total_theirs += count
        total_found += found
        share = 100.0 * found / count if count else 100.0
        documents += 1
        close += share >= 98.0
        print(f"{share:6.1f}%  {path} ({found}/{count} words, {sum(have.values())} ours)")
        if args.show and (want - have or have - want):
            print("         missing:", " ".join(sorted((want - have).elements()))[:600])
            print("         extra:  ", " ".join(sorted((have - want).elements()))[:600])
    print(f"{close} of {documents} documents at 98% or more")
    if total_theirs:
        print(f"overall {100.0 * total_found / total_theirs:.2f}% of LibreOffice's {total_theirs} words"
              + (" (list labels left out)" if args.no_labels else ""))


if __name__ == "__main__":
    main()
