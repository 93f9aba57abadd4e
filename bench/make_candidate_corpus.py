#!/usr/bin/env python3
"""Builds documents full of address-like words, for timing the extractor and
the message pump of a run: every word holds "@" and ".", so every word is a
candidate. Of every hundred words one is an address seen nowhere else, forty
are addresses that recur (found once per run) and the rest fail the address
pattern. Plain text files; writes LIST.txt with their paths, one per line.

Usage: bench/make_candidate_corpus.py OUT_DIR [DOCUMENTS] [WORDS]
"""
import os
import shutil
import sys


def word(document, w):
    kind = w % 100
    if kind == 0:
        return "person%dx%d@mail%d.example.org" % (document, w, w % 97)
    if kind < 40:
        return "team%d@example.com" % (w % 50)
    if kind < 70:
        return "name%d@example.c" % w          # the last part is one letter
    return "broken%d@host%d.c0m" % (w, w)       # the last part holds a digit


def main():
    out = sys.argv[1]
    documents = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    words = int(sys.argv[3]) if len(sys.argv) > 3 else 20000
    if os.path.exists(out):
        shutil.rmtree(out)
    os.makedirs(out)
    paths = []
    for d in range(documents):
        path = os.path.join(out, "candidates%04d.txt" % d)
        with open(path, "w") as f:
            for start in range(0, words, 10):
                f.write(" ".join(word(d, w) for w in range(start, min(start + 10, words))) + "\n")
        paths.append(path)
    with open(os.path.join(out, "LIST.txt"), "w") as f:
        f.write("\n".join(paths) + "\n")
    print("%d documents of %d candidate words under %s" % (documents, words, out))


if __name__ == "__main__":
    main()
