"""The shortest wall time of several runs of a command, for the speed tables."""

import time


def best_of(repeat, run):
    best = None
    for _ in range(repeat):
        start = time.perf_counter()
        run()
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best
