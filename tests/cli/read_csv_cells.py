#!/usr/bin/env python3
"""Prints the cells of a CSV file as JSON rows, read by Python's csv module,
or with --calc, by LibreOffice Calc (converted headless to a sheet whose cells
are read back). Exit 77 when LibreOffice is not installed."""
import csv
import json
import os
import shutil
import subprocess
import sys
import tempfile


def calc_cells(path):
    office = shutil.which("soffice") or shutil.which("libreoffice")
    if not office:
        sys.exit(77)
    with tempfile.TemporaryDirectory() as out:
        # Comma-separated, double quotes, UTF-8 (76), first line as is; written back as CSV
        # with every text cell quoted, so the cells come back exactly.
        subprocess.run([office, "--headless", "-env:UserInstallation=file://" + out + "/profile",
                        "--infilter=CSV:44,34,76,1", "--convert-to", "ods", "--outdir", out, path],
                       check=True, capture_output=True, timeout=120)
        ods = os.path.join(out, os.path.splitext(os.path.basename(path))[0] + ".ods")
        subprocess.run([office, "--headless", "-env:UserInstallation=file://" + out + "/profile",
                        "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true", "--outdir",
                        out + "/back", ods], check=True, capture_output=True, timeout=120)
        back = os.path.join(out, "back", os.path.basename(ods)[:-4] + ".csv")
        with open(back, newline="", encoding="utf-8-sig") as f:
            return list(csv.reader(f))


def main():
    if sys.argv[1] == "--calc":
        rows = calc_cells(sys.argv[2])
    else:
        with open(sys.argv[1], newline="", encoding="utf-8-sig") as f:
            rows = list(csv.reader(f))
    print(json.dumps(rows, ensure_ascii=False))


main()
