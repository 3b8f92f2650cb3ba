"""Timing whole processes for the benchmarks: wall time and peak resident memory of one run, and the
median time and largest peak of several after warm-up runs."""

import os
import statistics
import subprocess
import time


def measure(command, env):
    """Runs the command with its output discarded; (seconds, peak MB). Exits when it fails."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"{' '.join(command)} failed with status {status}")
    return seconds, usage.ru_maxrss / 1024.0


def timed(command, env, warmup, runs):
    """Warm-up runs (the page cache, and on a virtual machine the memory it hands back and takes
    again), then the median wall time and the largest peak of `runs` runs."""
    for _ in range(warmup):
        measure(command, env)
    results = [measure(command, env) for _ in range(runs)]
    return statistics.median(s for s, _ in results), max(m for _, m in results)
