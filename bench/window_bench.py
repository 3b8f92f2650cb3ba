#!/usr/bin/env python3
"""Benchmark of the desktop window on a large catalog: process start to the first painted grid, a
re-sort by a header click, a name filter and a bookmark toggle, beside `kinshelf list --format json`
on the same catalog.

Usage: bench/window_bench.py [--build build-bench] [--rows 100000] [--runs 5] [--data bench-data]

The build folder must hold bench_window and kinshelf (configure with -DKINSHELF_BENCH=ON). The
catalog is made once in the data folder (kept out of the repository); the window runs offscreen.
"""

import argparse
import json
import os
import statistics
import subprocess
import time

from bench_process import timed

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(HERE, "..", "build-bench"))
    parser.add_argument("--rows", type=int, default=100000)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--data", default=os.path.join(HERE, "..", "bench-data"))
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    home = os.path.join(os.path.abspath(args.data), "homes", f"window-{args.rows}")
    env = dict(os.environ, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config", HOME=home,
               QT_QPA_PLATFORM="offscreen")
    bench = os.path.join(build, "bench", "bench_window")
    if not os.path.isdir(home):
        os.makedirs(home + "/data")
        os.makedirs(home + "/config")
        subprocess.run([bench, "fill", str(args.rows)], env=env, check=True)
        subprocess.run([os.path.join(build, "kinshelf"), "settings", "AutoUpdate", "F"], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        subprocess.run([os.path.join(build, "kinshelf"), "settings", "FirstTime", "F"], env=env, check=True,
                       stdout=subprocess.DEVNULL)
    runs = []
    for _ in range(args.runs + 1):
        spawned = time.monotonic_ns()
        out = subprocess.run([bench, "run", str(spawned)], env=env, check=True, capture_output=True, text=True)
        runs.append(json.loads(out.stdout))
    runs = runs[1:]
    for key in ("first_paint", "resort", "filter", "bookmark"):
        print(f"{args.rows} rows  {key:<12} {statistics.median(r[key] for r in runs) * 1000:8.1f} ms")
    wall, peak = timed([os.path.join(build, "kinshelf"), "list", "--format", "json"], env, 1, args.runs)
    print(f"{args.rows} rows  list --format json {wall * 1000:8.1f} ms  {peak:6.1f} MB peak")


if __name__ == "__main__":
    main()
