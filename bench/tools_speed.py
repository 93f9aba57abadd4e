#!/usr/bin/env python3
"""Reading speed per format: harvelux-extract -j 1 beside other text
extraction tools, on the same corpus files in the same run.

For each format the files of the shared corpus with that format's extensions
are read by every tool that handles the format: harvelux-extract in one run
over all of them (how it is used on a batch) and, for comparison, in one run
per file (as the other tools must be run); antiword and catdoc (.doc),
docx2txt and pandoc (.docx), unrtf (.rtf), odt2txt (.odt), wpd2text (WordPerfect), wps2text
(Works), and LibreOffice
(soffice --headless --cat, one run per file) on a sample of each format.
Each figure is the best of --repeat runs. Prints a Markdown table:
documents/s and MB/s (bytes of the document files). The tools run in a
temporary folder, since some (unrtf) write the pictures of a document into
the current one.

Usage: bench/tools_speed.py [--build DIR] [--corpus DIR] [--repeat N] [--soffice-sample N]
"""
import argparse
import os
import shutil
import subprocess
import tempfile

from best_time import best_of

FORMATS = {
    "doc": (".doc", ".dot"),
    "docx": (".docx", ".docm", ".dotx", ".dotm"),
    "rtf": (".rtf",),
    "odt": (".odt",),
    "wordperfect": (".wpd", ".wp", ".wp5", ".wp6"),
    "works": (".wps",),
}
TOOLS = {
    "doc": [("antiword", ["antiword"]), ("catdoc", ["catdoc"])],
    "docx": [("docx2txt", ["docx2txt"]), ("pandoc", ["pandoc", "-t", "plain"])],
    "rtf": [("unrtf", ["unrtf", "--text"])],
    "odt": [("odt2txt", ["odt2txt"])],
    "wordperfect": [("wpd2text", ["wpd2text"])],
    "works": [("wps2text", ["wps2text"])],
}


TIMEOUT = 30
timed_out = []


def per_file(command, files):
    def run():
        for f in files:
            try:
                subprocess.run(command + [f], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=TIMEOUT)
            except subprocess.TimeoutExpired:
                # Counted with the time it took; the file is named below the table.
                if (command[0], f) not in timed_out:
                    timed_out.append((command[0], f))
    return run


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(here, "..", "build"))
    parser.add_argument("--corpus", default=os.path.join(here, "..", "..", "shared", "corpus"))
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--soffice-sample", type=int, default=8)
    parser.add_argument("--copies", type=int, default=1,
                        help="read each file this many times, for a folder of a few files")
    parser.add_argument("--formats", default="doc,docx,rtf,odt", help="comma-separated, e.g. doc,rtf "
                        "(wordperfect and works: give --corpus ../shared/formats)")
    args = parser.parse_args()
    args.corpus = os.path.abspath(args.corpus)
    extract = os.path.join(os.path.abspath(args.build), "src", "cli", "harvelux-extract")
    with tempfile.TemporaryDirectory() as work:
        os.chdir(work)
        report(args, extract)


def report(args, extract):
    print("| format | tool | documents | MB | seconds | documents/s | MB/s | Harvelux (one run) is faster by |")
    print("|---|---|---|---|---|---|---|---|")
    for fmt, extensions in FORMATS.items():
        if fmt not in args.formats.split(","):
            continue
        files = sorted(os.path.join(d, n) for d, _, names in os.walk(args.corpus) for n in names
                       if os.path.splitext(n)[1].lower() in extensions) * args.copies
        size = sum(os.path.getsize(f) for f in files) / 1e6
        rows = []
        ours = best_of(args.repeat, lambda: subprocess.run(
            [extract, "-j", "1", "--all-files"] + files, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        rows.append(("harvelux-extract -j 1, one run", len(files), size, ours))
        rows.append(("harvelux-extract -j 1, a run per file", len(files), size,
                     best_of(args.repeat, per_file([extract, "-j", "1"], files))))
        for name, command in TOOLS[fmt]:
            if shutil.which(command[0]):
                rows.append((name, len(files), size, best_of(args.repeat, per_file(command, files))))
        if shutil.which("soffice") and args.soffice_sample > 0:
            sample = files[:: max(1, len(files) // args.soffice_sample)][: args.soffice_sample]
            sample_size = sum(os.path.getsize(f) for f in sample) / 1e6
            rows.append(("soffice --headless --cat (sample)", len(sample), sample_size,
                         best_of(1, per_file(["soffice", "--headless", "--cat"], sample))))
        ours_rate = len(files) / ours
        for name, count, mb, seconds in rows:
            rate = count / seconds
            print("| %s | %s | %d | %.2f | %.3f | %.0f | %.2f | %s |" % (
                fmt, name, count, mb, seconds, rate, mb / seconds,
                "" if name.startswith("harvelux") else "%.0fx" % (ours_rate / rate)))
    for tool, f in timed_out:
        print()
        print("%s did not finish %s within %d s; that time is counted." % (tool, os.path.relpath(f, args.corpus), TIMEOUT))


if __name__ == "__main__":
    main()
