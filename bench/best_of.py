#!/usr/bin/env python3
"""Runs commands several times, in turns, and reports the best run of each.

The machine may be shared: every round runs each command once, so that a busy
spell hurts all of them alike, and the fastest run of each counts.

Usage: bench/best_of.py ROUNDS LABEL=COMMAND [LABEL=COMMAND ...]
COMMAND is split like a shell word list (shlex); a word "@FILE" stands for
the lines of FILE, one argument each (lists of documents are too long for
one argument); the standard output is discarded unless the last word is
">FILE".
Prints one line per command: label, best wall seconds, the CPU seconds
(user + system) of that run, and the peak resident memory (MB) over all runs.
The commands run in a temporary folder, so that nothing they write lands in
the caller's; words naming an existing file or folder relative to the
caller's folder are made absolute first.
"""
import os
import shlex
import subprocess
import sys
import tempfile
import time


def absolute(word):
    return os.path.abspath(word) if os.path.exists(word) else word


def run_once(argv, work):
    out = subprocess.DEVNULL
    if argv and argv[-1].startswith(">"):
        out = open(argv[-1][1:], "wb")
        argv = argv[:-1]
    start = time.monotonic()
    child = subprocess.Popen(argv, stdout=out, stderr=subprocess.DEVNULL, cwd=work)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.monotonic() - start
    if out is not subprocess.DEVNULL:
        out.close()
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0, status


def main():
    rounds = int(sys.argv[1])
    commands = []
    for entry in sys.argv[2:]:
        label, _, command = entry.partition("=")
        argv = []
        for word in shlex.split(command):
            if word.startswith("@"):
                with open(word[1:]) as listed:
                    argv.extend(absolute(line.rstrip("\n")) for line in listed if line.strip())
            elif word.startswith(">"):
                argv.append(word)
            else:
                argv.append(absolute(word))
        commands.append((label, argv))
    best = {}
    peak = {}
    with tempfile.TemporaryDirectory() as work:
        for _ in range(rounds):
            for label, argv in commands:
                wall, cpu, rss, status = run_once(argv, work)
                if os.waitstatus_to_exitcode(status) not in (0, 1):
                    sys.exit("%s failed: %s" % (label, " ".join(argv)))
                if label not in best or wall < best[label][0]:
                    best[label] = (wall, cpu)
                peak[label] = max(peak.get(label, 0.0), rss)
    for label, _ in commands:
        wall, cpu = best[label]
        print("%s %.3f %.3f %.1f" % (label, wall, cpu, peak[label]))


if __name__ == "__main__":
    main()
