#!/usr/bin/env python3
"""Benchmark of the details view on a large genealogy file: from process start, and from the file
chosen in the ready window, to the individual page painted after the read, beside `kinshelf show` on the same file in the same run; the longest stall
of the window's event loop during the read; and the time to step to the next individual and repaint
the individual page and the family page.

Usage: bench/details_bench.py [--build build-bench] [--runs 5] [--data bench-data] [--files gen-1000000.ged]

The build folder must hold bench/bench_window and kinshelf (configure with -DKINSHELF_BENCH=ON). The
generated files are made by show_bench.py or gen_paf5.py; the window runs offscreen.
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
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--data", default=os.path.join(HERE, "..", "bench-data"))
    parser.add_argument("--files", default="gen-1000000.ged")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    data = os.path.abspath(args.data)
    home = os.path.join(data, "homes", "details")
    os.makedirs(home + "/data", exist_ok=True)
    os.makedirs(home + "/config", exist_ok=True)
    env = dict(os.environ, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config", HOME=home,
               QT_QPA_PLATFORM="offscreen")
    bench = os.path.join(build, "bench", "bench_window")
    kinshelf = os.path.join(build, "kinshelf")
    for name in args.files.split(","):
        path = os.path.join(data, name)
        runs = []
        for _ in range(args.runs + 1):
            spawned = time.monotonic_ns()
            out = subprocess.run([bench, "details", str(spawned), path], env=env, check=True, capture_output=True,
                                 text=True)
            runs.append(json.loads(out.stdout))
        runs = runs[1:]
        show, peak = timed([kinshelf, "show", path], env, 1, args.runs)
        print(f"{name}: kinshelf show {show:.3f} s ({peak:.0f} MB)")
        medians = {key: statistics.median(r[key] for r in runs) for key in runs[0]}
        for key, value in medians.items():
            print(f"{name}: {key:<20} {value:9.3f}")
        print(f"{name}: file chosen to page painted is {medians['chosen_to_page'] - show:.3f} s more than show "
              f"(goal: 0.3 s at most)")


if __name__ == "__main__":
    main()
