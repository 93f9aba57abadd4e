#!/usr/bin/env python3
"""Builds a scale corpus of documents for benchmarks.

Copies and variants of the shared test corpus (and the samples, when present)
spread over folders, with one address planted at a known place in every
variant whose format allows it (OOXML: a new last paragraph; RTF: a new last
paragraph; plain text: a line). Writes MANIFEST.tsv: path, planted address
(empty when none was planted).

Usage: bench/make_scale_corpus.py OUT_DIR [COUNT] [FOLDERS]
"""
import os
import random
import re
import shutil
import sys
import zipfile

here = os.path.dirname(os.path.abspath(__file__))
corpus = os.environ.get("HARVELUX_CORPUS", os.path.join(here, "..", "..", "shared", "corpus"))
samples = os.path.join(here, "..", "Samples")
DOC_EXT = (".docx", ".docm", ".dotx", ".dotm", ".doc", ".dot", ".rtf", ".odt")


def sources():
    found = []
    for root in (corpus, samples):
        for folder, _, names in os.walk(root):
            for name in sorted(names):
                if name.lower().endswith(DOC_EXT):
                    found.append(os.path.join(folder, name))
    return sorted(found)


def plant_docx(src, dst, address):
    with zipfile.ZipFile(src) as zin:
        names = zin.namelist()
        if "word/document.xml" not in names:
            return False
        xml = zin.read("word/document.xml").decode("utf-8", "replace")
        m = re.search(r"<(\w+):body>", xml)
        close = xml.rfind("</%s:body>" % m.group(1)) if m else -1
        if close < 0:
            return False
        p = m.group(1)
        para = "<{0}:p><{0}:r><{0}:t>Planted {1} here</{0}:t></{0}:r></{0}:p>".format(p, address)
        sect = xml.rfind("<%s:sectPr" % p, 0, close)
        at = sect if sect > xml.rfind("</%s:p>" % p, 0, close) else close
        xml = xml[:at] + para + xml[at:]
        with zipfile.ZipFile(dst, "w", zipfile.ZIP_DEFLATED) as zout:
            for item in zin.infolist():
                data = xml.encode("utf-8") if item.filename == "word/document.xml" else zin.read(item.filename)
                zout.writestr(item, data)
    return True


def rtf_closes_at(data, end):
    """True when the group opened by the first byte closes at `end` and
    nowhere before it. Files with binary runs (\\bin) are refused: their
    braces cannot be counted without a full reader."""
    if b"\\bin" in data:
        return False
    depth = 0
    for m in re.finditer(rb"\\.|[{}]", data[:end + 1], re.S):
        if m.group() == b"{":
            depth += 1
        elif m.group() == b"}":
            depth -= 1
            if depth == 0:
                return m.start() == end
    return False


def plant_rtf(src, dst, address):
    # A damaged file's last brace may close a destination group rather than
    # the document, and text there is shown by no reader: plant only into
    # files whose outer group is whole.
    data = open(src, "rb").read()
    end = data.rfind(b"}")
    if not data.startswith(b"{\\rtf") or end < 0 or not rtf_closes_at(data, end):
        return False
    open(dst, "wb").write(data[:end] + b"\\par Planted " + address.encode() + b" here\\par\n" + data[end:])
    return True


def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    folders = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    rng = random.Random(20261208)
    srcs = sources()
    if os.path.exists(out):
        shutil.rmtree(out)
    manifest = []
    for i in range(count):
        folder = os.path.join(out, "f%03d" % (i % folders))
        os.makedirs(folder, exist_ok=True)
        address = "planted%05d@scale.example.com" % i
        if i % 20 == 19:
            dst = os.path.join(folder, "note%05d.dot" % i)  # plain text under a document name
            open(dst, "w", newline="\r\n").write(
                "Memo %d\nReach us at %s today.\n%s\n" % (i, address, "filler text " * rng.randint(5, 400)))
            manifest.append((dst, address))
            continue
        src = srcs[i % len(srcs)]
        ext = os.path.splitext(src)[1].lower()
        dst = os.path.join(folder, "v%05d%s" % (i, ext))
        planted = ""
        try:
            if ext in (".docx", ".docm", ".dotx", ".dotm") and zipfile.is_zipfile(src):
                planted = address if plant_docx(src, dst, address) else ""
            elif ext == ".rtf":
                planted = address if plant_rtf(src, dst, address) else ""
        except (zipfile.BadZipFile, OSError, KeyError):
            planted = ""
        if not planted:
            shutil.copyfile(src, dst)
        manifest.append((dst, planted))
    with open(os.path.join(out, "MANIFEST.tsv"), "w") as f:
        for path, address in manifest:
            f.write("%s\t%s\n" % (path, address))
    print("%d documents in %d folders under %s (%d with a planted address)"
          % (count, folders, out, sum(1 for _, a in manifest if a)))


if __name__ == "__main__":
    main()
