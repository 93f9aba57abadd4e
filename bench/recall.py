#!/usr/bin/env python3
"""Recall of the address test: which addresses a deliberately loose finder
sees in the text Harvelux reads, and harvelux-extract does not report.

For every document of the corpus that the engine reads, the loose finder (a
plain regular expression, independent of the extractor) runs over the text
of `harvelux-extract --dump-text`; each address it sees that
`harvelux-extract` does not report for the same document (letter case
ignored) is listed with the reason the address pattern rules it out, or as
"unexplained". Counts are printed as Markdown.

Usage: bench/recall.py [--build BUILD_DIR] [--corpus DIR] [--list]
"""
import argparse
import collections
import os
import re
import subprocess
import sys
import unicodedata

# Anything word-like around an "@", with at least one dot after it: letters
# and digits of any script, and the punctuation addresses are made of.
# It looks at the text as a reader sees it: optional hyphens are invisible,
# non-breaking hyphens are hyphens.
# Apostrophes count in a local part (the finder's own are trimmed off its
# ends), and U+2010 and U+2019 read as "-" and "'".
LOOSE = re.compile(r"[\w.+'-]+@[\w.-]+\.[\w-]+")
ESCAPE = re.compile(r"\\(\\|r\n|a|v|f|t|u[0-9A-F]{4})")
PLAIN = {"\\": "\\", "r\n": "\r", "a": "\a", "v": "\v", "f": "\f", "t": "\t"}


def unescape(dump):
    return ESCAPE.sub(lambda m: PLAIN.get(m.group(1)) or chr(int(m.group(1)[1:], 16)), dump)


def as_seen(text):
    text = text.replace("\u001f", "").replace("\u00ad", "")
    text = text.replace("\u001e", "-").replace("\u2011", "-").replace("\u2010", "-")
    return text.replace("\u2019", "'")


def documents_text(extract, path):
    run = subprocess.run([extract, "--dump-text", path], capture_output=True)
    if run.returncode != 0:
        return None
    out = run.stdout.decode("utf-8", "replace")
    body = out.split("\n", 1)[1] if "\n" in out else ""
    return as_seen(unescape(body[:-1] if body.endswith("\n") else body))


def reported(extract, path):
    run = subprocess.run([extract, path], capture_output=True)
    return {line.lower() for line in run.stdout.decode("utf-8", "replace").split("\r\n") if line}


def shown(path, top):
    """A path relative to the repository, or to its parent outside it."""
    inside = os.path.relpath(path, top)
    return os.path.relpath(path, os.path.join(top, "..")) if inside.startswith("..") else inside


def inside_word(ch):
    """Whether a character next to a match keeps it inside a longer word."""
    if ch in "+-.@_":
        return True
    return unicodedata.category(ch)[0] in "LMN"


def reason(address, text, start, end):
    local, domain = address.split("@", 1)
    last = domain.rsplit(".", 1)[-1]
    if len(address.rstrip(".")) > 254:
        return "longer than 254 characters"
    if any(ord(c) > 127 for c in address):
        return "letters outside ASCII"
    if "+" in local:
        return "'+' in the local part"
    if local.startswith("."):
        return "local part starts with '.'"
    if "_" in domain:
        return "'_' in the domain"
    if ".." in domain.rstrip(".") or domain.startswith("."):
        return "empty label in the domain"
    if not re.fullmatch(r"[A-Za-z]{2,}", last) and not address.endswith("."):
        return "last part not two or more letters"
    if (start > 0 and inside_word(text[start - 1])) or (end < len(text) and inside_word(text[end])):
        return "glued to a word the pattern rejects"
    return "unexplained"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(here, "..", "build"))
    parser.add_argument("--corpus", action="append", help="a folder of documents (repeatable); "
                        "default: the shared corpus and older formats, the samples and the test documents")
    parser.add_argument("--list", action="store_true", help="list every miss")
    args = parser.parse_args()
    extract = os.path.join(args.build, "src", "cli", "harvelux-extract")
    top = os.path.join(here, "..")
    corpora = args.corpus or [os.path.join(top, "..", "shared", "corpus"), os.path.join(top, "..", "shared", "formats"),
                              os.path.join(top, "Samples"), os.path.join(top, "tests", "extract", "data"),
                              os.path.join(top, "tests", "wordproc", "data")]
    paths = []
    for corpus in corpora:
        for folder, _, names in sorted(os.walk(corpus)):
            paths += [(os.path.join(folder, name), corpus) for name in sorted(names)]

    documents = seen = found = 0
    per_corpus = collections.defaultdict(lambda: [0, 0, 0])  # documents, seen, reported
    reasons = collections.Counter()
    misses = []
    for path, corpus in paths:
        text = documents_text(extract, path)
        if text is None:
            continue
        documents += 1
        counts = per_corpus[shown(corpus, top)]
        counts[0] += 1
        ours = reported(extract, path)
        looked = set()
        for match in LOOSE.finditer(text):
            address = match.group(0).rstrip(".").lstrip("'")
            if address.lower() in looked or "." not in address.split("@", 1)[1]:
                continue
            looked.add(address.lower())
            seen += 1
            counts[1] += 1
            if address.lower() in ours:
                found += 1
                counts[2] += 1
                continue
            why = reason(match.group(0), text, match.start(), match.end())
            reasons[why] += 1
            misses.append((shown(path, top), address, why))

    print("Documents read: %d. Addresses the loose finder sees (distinct per document): %d; "
          "reported: %d; not reported: %d." % (documents, seen, found, seen - found))
    print()
    print("| documents of | read | addresses seen | reported |")
    print("|---|---|---|---|")
    for corpus, (d, n, k) in per_corpus.items():
        print("| %s | %d | %d | %d |" % (corpus, d, n, k))
    print()
    print("| why not reported | addresses |")
    print("|---|---|")
    for why, count in reasons.most_common():
        print("| %s | %d |" % (why, count))
    if args.list:
        print()
        print("| document | address | why |")
        print("|---|---|---|")
        for document, address, why in misses:
            print("| %s | `%s` | %s |" % (document, address, why))
    return 1 if reasons["unexplained"] else 0


if __name__ == "__main__":
    sys.exit(main())
