#!/usr/bin/env python3
"""How many of the words LibreOffice reads from each spreadsheet and
presentation harvelux-extract reads too.

Usage: bench/reference_words.py HARVELUX_EXTRACT FILE...

LibreOffice (soffice) gives the reference: Calc's HTML export for
spreadsheets (every sheet, with cell comments), Impress's PDF export read by
pdftotext for presentations. A word is a run of letters, digits and the
characters of an address; each word LibreOffice reads counts once per
occurrence. Numbers are left out: Harvelux reads text cells only.
"""
import collections, html, os, re, subprocess, sys, tempfile

WORD = re.compile(r"[\w@.+-]+")
PRESENTATIONS = {".ppt", ".pps", ".pot", ".pptx", ".pptm", ".potx", ".ppsx", ".odp", ".otp", ".fodp"}


def word_list(text):
    listed = []
    for word in WORD.findall(text):
        word = word.strip(".-+").lower()
        if word and not re.fullmatch(r"[\d.,+-]+", word):
            listed.append(word)
    return listed


def words(text):
    return collections.Counter(word_list(text))


def rejoined(theirs, ours):
    """A slide's text box wraps long words in the PDF without a hyphen
    ("bottlenec" / "k"): two neighbours that make a word of ours are one."""
    joined, at = [], 0
    while at < len(theirs):
        if at + 1 < len(theirs) and theirs[at] not in ours and theirs[at] + theirs[at + 1] in ours:
            joined.append(theirs[at] + theirs[at + 1])
            at += 2
        else:
            joined.append(theirs[at])
            at += 1
    return collections.Counter(joined)


def reference(path, folder):
    stem = os.path.splitext(os.path.basename(path))[0]
    if os.path.splitext(path)[1].lower() in PRESENTATIONS:
        subprocess.run(["soffice", "--headless", "--convert-to", "pdf", "--outdir", folder, path],
                       check=True, capture_output=True)
        return subprocess.run(["pdftotext", os.path.join(folder, stem + ".pdf"), "-"],
                              check=True, capture_output=True, text=True).stdout
    subprocess.run(["soffice", "--headless", "--convert-to", "html", "--outdir", folder, path],
                   check=True, capture_output=True)
    page = open(os.path.join(folder, stem + ".html"), encoding="utf-8", errors="replace").read()
    page = re.sub(r"(?is)<(head|style|script)\b.*?</\1>", " ", page)
    return html.unescape(re.sub(r"<[^>]*>", " ", page))


def main():
    extract, files = sys.argv[1], sys.argv[2:]
    print("| file | LibreOffice words | read by Harvelux | share |")
    print("|---|---:|---:|---:|")
    with tempfile.TemporaryDirectory() as folder:
        for path in files:
            theirs = word_list(reference(path, folder))
            dumped = subprocess.run([extract, "--all-stories", "--dump-text", path],
                                    check=True, capture_output=True, text=True).stdout
            # The dump shows the marks as escapes (\t, \r, \f, ...).
            ours = words(re.sub(r"\\[trfavn]", " ", dumped))
            theirs = rejoined(theirs, ours)
            shared = sum(min(count, ours[word]) for word, count in theirs.items())
            total = sum(theirs.values())
            share = 100.0 * shared / total if total else 100.0
            print(f"| {os.path.basename(path)} | {total} | {shared} | {share:.1f}% |")
            missing = [w for w, c in theirs.items() if ours[w] < c]
            if missing:
                print("  missing:", " ".join(sorted(missing)[:40]), file=sys.stderr)


if __name__ == "__main__":
    main()
