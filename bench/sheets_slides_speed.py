#!/usr/bin/env python3
"""Reading speed of spreadsheets and presentations: harvelux-extract -j 1
beside the tools users script instead, on the files of ../shared/containers.

Each file is copied --copies times into a temporary folder, so that a run
reads enough to time. harvelux-extract reads all copies of a format in one
run (how it takes a batch) and, for a fair look at its start-up, in one run
per copy; catdoc's xls2csv (.xls) and catppt (.ppt), Gnumeric's ssconvert
(spreadsheets, to CSV) and LibreOffice (soffice --headless --convert-to,
a sample of copies: it is slow) are run once per copy, as they must be.
Each figure is the best of --repeat runs. Prints a Markdown table of
documents/s per tool, and how many times the fastest other tool's rate
Harvelux's batch run reaches.

Usage: bench/sheets_slides_speed.py [--build DIR] [--containers DIR] [--copies N] [--repeat N] [--soffice-sample N]
"""
import argparse
import os
import shutil
import subprocess
import tempfile
import time

from best_time import best_of

FILES = {
    "xlsx": "51626_contact.xlsx",
    "xls": "33082.xls",
    "ods": "LibreOfficeCalc_ods_1.3.ods",
    "pptx": "shapes.pptx",
    "ppt": "56260.ppt",
    "odp": "LibreOfficeImpress_odp_1.3.odp",
}
SPREADSHEETS = {"xlsx", "xls", "ods"}


def tools_for(kind, out):
    tools = []
    if kind == "xls" and shutil.which("xls2csv"):
        tools.append(("xls2csv", lambda f: ["xls2csv", f]))
    if kind == "ppt" and shutil.which("catppt"):
        tools.append(("catppt", lambda f: ["catppt", f]))
    if kind in SPREADSHEETS and shutil.which("ssconvert"):
        tools.append(("ssconvert", lambda f: ["ssconvert", "-S", f, os.path.join(out, "x.csv")]))
    return tools


def quiet(command):
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def main():
    parser = argparse.ArgumentParser()
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--build", default=os.path.join(here, "..", "build"))
    parser.add_argument("--containers", default=os.path.join(here, "..", "..", "shared", "containers"))
    parser.add_argument("--copies", type=int, default=1000)
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--soffice-sample", type=int, default=3)
    args = parser.parse_args()
    extract = os.path.join(args.build, "src", "cli", "harvelux-extract")

    print("| format | file | Harvelux, one run (docs/s) | Harvelux, a run per file | "
          "xls2csv / catppt | ssconvert | LibreOffice | Harvelux ÷ fastest other |")
    print("|---|---|---:|---:|---:|---:|---:|---:|")
    with tempfile.TemporaryDirectory() as folder:
        for kind, name in FILES.items():
            copies = []
            for i in range(args.copies):
                copy = os.path.join(folder, f"{i}.{kind}")
                shutil.copyfile(os.path.join(args.containers, name), copy)
                copies.append(copy)
            rates = {}
            batch = best_of(args.repeat, lambda: quiet([extract, "-j", "1", *copies]))
            rates["harvelux"] = len(copies) / batch
            sample = copies[:20]
            each = best_of(args.repeat, lambda: [quiet([extract, "-j", "1", f]) for f in sample])
            rates["harvelux each"] = len(sample) / each
            for tool, command in tools_for(kind, folder):
                seconds = best_of(args.repeat, lambda: [quiet(command(f)) for f in sample])
                rates[tool] = len(sample) / seconds
            if shutil.which("soffice") and args.soffice_sample > 0:
                few = copies[: args.soffice_sample]
                target = "html" if kind in SPREADSHEETS else "pdf"
                out = os.path.join(folder, "soffice")
                seconds = best_of(1, lambda: [quiet(["soffice", "--headless", "--convert-to", target,
                                                     "--outdir", out, f]) for f in few])
                rates["LibreOffice"] = len(few) / seconds
            others = [rate for tool, rate in rates.items() if not tool.startswith("harvelux")]
            ratio = f"{rates['harvelux'] / max(others):.0f}x" if others else "-"
            cell = lambda tool: (f"{rates[tool]:.0f}" if rates[tool] >= 10 else f"{rates[tool]:.2f}") if tool in rates else "-"
            catdoc = rates.get("xls2csv", rates.get("catppt"))
            print(f"| {kind} | {name} | {rates['harvelux']:.0f} | {rates['harvelux each']:.0f} | "
                  f"{catdoc:.0f} | " if catdoc else f"| {kind} | {name} | {rates['harvelux']:.0f} | "
                  f"{rates['harvelux each']:.0f} | - | ", end="")
            print(f"{cell('ssconvert')} | {cell('LibreOffice')} | {ratio} |", flush=True)
            for copy in copies:
                os.remove(copy)


if __name__ == "__main__":
    main()
