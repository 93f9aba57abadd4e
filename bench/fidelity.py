#!/usr/bin/env python3
"""Compares the words Harvelux reads from each corpus document with the words
LibreOffice reads (a comparison tool only, never a dependency).

LibreOffice converts the documents of each folder to UTF-8 text in one
batch; harvelux-extract --dump-text gives ours. For every document that
LibreOffice opens, the share of its words (as a multiset) that we read too is
printed, then a table per format, in Markdown.

Usage: bench/fidelity.py [--build BUILD_DIR] [--corpus DIR] [--below PERCENT]
"""
import argparse
import collections
import os
import re
import subprocess
import sys
import tempfile

FORMATS = {".docx": "docx", ".docm": "docx", ".dotx": "docx", ".dotm": "docx", ".doc": "doc", ".dot": "doc",
           ".rtf": "rtf", ".odt": "odt", ".ott": "odt", ".fodt": "odt", ".htm": "html", ".html": "html",
           ".pdf": "pdf"}
ESCAPES = re.compile(r"\\(\\|r|a|v|f|t|u[0-9A-F]{4})")
# Paragraph numbers and bullets, which LibreOffice writes into its text and a
# word processor's main-story text does not have.
LIST_LABEL = re.compile(r"^([0-9]+|[a-zA-Z]|[ivxlcdmIVXLCDM]+)[.)]$|^[0-9]+(\.[0-9a-z]+)+\.?$"
                        r"|^[\u2022\u25aa\u25e6\u25cf\u25a0\u2013\uf0b7\uf0a7o-]$")


def words(text):
    # Word joiners and the word processor's special characters count as spaces.
    text = re.sub(r"[\u0007\u000b\u000c\u000e\u001e\u001f\u00a0\u00ad\u200b\ufeff]", " ", text)
    return [w for w in text.split() if w]


def without_labels(counter):
    return collections.Counter({w: n for w, n in counter.items() if not LIST_LABEL.match(w)})


def ours(extract, path):
    run = subprocess.run([extract, "--dump-text", path], capture_output=True)
    out = run.stdout.decode("utf-8", "replace")
    body = out.split("\n", 1)[1] if "\n" in out else ""
    # Our non-breaking hyphen in LibreOffice's spelling; other controls end words.
    body = ESCAPES.sub(lambda m: "\\" if m.group(1) == "\\" else "\u2011" if m.group(1) == "u001E" else " ", body)
    return run.returncode == 0, words(body)


def libreoffice(files, workdir):
    """Text per file, converted in batches of one folder's files of one
    extension (so that no two outputs share a name)."""
    by_folder = collections.defaultdict(list)
    for f in files:
        by_folder[(os.path.dirname(f), os.path.splitext(f)[1])].append(f)
    texts = {}
    for folder, group in by_folder.items():
        out = tempfile.mkdtemp(dir=workdir)
        profile = "file://" + os.path.join(workdir, "profile")
        subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--convert-to",
                        "txt:Text (encoded):UTF8", "--outdir", out] + group,
                       capture_output=True, timeout=1800)
        for f in group:
            target = os.path.join(out, os.path.splitext(os.path.basename(f))[0] + ".txt")
            if os.path.exists(target):
                texts[f] = open(target, encoding="utf-8", errors="replace").read()
    return texts


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(here, "..", "build"))
    parser.add_argument("--corpus", default=os.path.join(here, "..", "..", "shared", "corpus"))
    parser.add_argument("--below", type=float, default=98.0, help="list documents below this share")
    args = parser.parse_args()
    args.corpus = os.path.abspath(args.corpus)
    extract = os.path.join(os.path.abspath(args.build), "src", "cli", "harvelux-extract")

    files = []
    for folder, _, names in os.walk(args.corpus):
        for name in sorted(names):
            if os.path.splitext(name)[1].lower() in FORMATS:
                files.append(os.path.join(folder, name))
    # Both programs run in a temporary folder, so nothing they write lands
    # in the checkout.
    with tempfile.TemporaryDirectory() as work:
        os.chdir(work)
        reference = libreoffice(sorted(files), work)
        return compare(args, extract, files, reference)


def compare(args, extract, files, reference):
    # documents, LO words, shared words, unreadable, LO words and shared words without list labels
    totals = collections.defaultdict(lambda: [0, 0, 0, 0, 0, 0])
    below = []
    for f in sorted(files):
        fmt = FORMATS[os.path.splitext(f)[1].lower()]
        if f not in reference:
            continue
        theirs = collections.Counter(words(reference[f]))
        ok, mine = ours(extract, f)
        shared = sum((theirs & collections.Counter(mine)).values())
        total = sum(theirs.values())
        theirs_plain = without_labels(theirs)
        shared_plain = sum((theirs_plain & collections.Counter(mine)).values())
        total_plain = sum(theirs_plain.values())
        t = totals[fmt]
        t[0] += 1
        t[1] += total
        t[2] += shared
        t[3] += 0 if ok else 1
        t[4] += total_plain
        t[5] += shared_plain
        share = 100.0 * shared_plain / total_plain if total_plain else 100.0
        if share < args.below:
            below.append((share, fmt, os.path.relpath(f, args.corpus), total, ok))

    print("| format | documents LibreOffice opens | of them unreadable to us | LibreOffice words "
          "| share we read too | without list numbers and bullets |")
    print("|---|---|---|---|---|---|")
    for fmt in sorted(totals):
        d, total, shared, bad, total_plain, shared_plain = totals[fmt]
        print("| %s | %d | %d | %d | %.1f%% | %.1f%% |" % (
            fmt, d, bad, total, 100.0 * shared / total if total else 100,
            100.0 * shared_plain / total_plain if total_plain else 100))
    print()
    print("Documents below %.0f%% (list numbers and bullets left out):" % args.below)
    print()
    print("| document | format | LibreOffice words | share | read by us |")
    print("|---|---|---|---|---|")
    for share, fmt, name, total, ok in sorted(below):
        print("| %s | %s | %d | %.1f%% | %s |" % (name, fmt, total, share, "yes" if ok else "no"))


if __name__ == "__main__":
    sys.exit(main())
