"""The shortest wall time of several runs of a function, for the speed tables of
bench/tools_speed.py and bench/sheets_slides_speed.py (bench/best_of.py times
whole commands from the shell)."""

import time


def best_of(repeat, run):
    best = None
    for _ in range(repeat):
        start = time.perf_counter()
        run()
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best
