#!/usr/bin/env python3
"""Whole-process benchmark of `kinshelf show` on generated GEDCOM files: wall time and peak memory.

Usage: bench/show_bench.py [--kinshelf build-bench/kinshelf] [--runs 5] [--warmup 3] [--data bench-data]
                           [--sizes 10000,100000,1000000] [--peer NAME=COMMAND ...]

Files come from ../shared/bench/gen_gedcom.py into the data folder (kept out of the repository),
made the first time. Each command runs --warmup times to warm the caches, then --runs times; the median
wall time and the largest peak resident memory are printed. A peer is any other reader to time
side by side, as a command with {file} standing for the file, for example
--peer "parse-gedcom=node --max-old-space-size=16384 /somewhere/peer_parse.js {file}".
"""

import argparse
import os
import subprocess
import sys

from bench_process import timed

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(HERE, "..", "..", "shared", "bench", "gen_gedcom.py")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--kinshelf", default=os.path.join(HERE, "..", "build-bench", "kinshelf"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--warmup", type=int, default=3)
    parser.add_argument("--data", default=os.path.join(HERE, "..", "bench-data"))
    parser.add_argument("--sizes", default="10000,100000,1000000")
    parser.add_argument("--peer", action="append", default=[])
    args = parser.parse_args()
    data = os.path.abspath(args.data)
    home = os.path.join(data, "homes", "show")
    os.makedirs(home, exist_ok=True)
    env = dict(os.environ, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config", HOME=home)
    readers = [("kinshelf show", [os.path.abspath(args.kinshelf), "show", "{file}"])]
    for peer in args.peer:
        name, _, command = peer.partition("=")
        readers.append((name, command.split()))
    for size in args.sizes.split(","):
        path = os.path.join(data, f"gen-{size}.ged")
        if not os.path.exists(path):
            subprocess.run([sys.executable, GENERATOR, size, path], check=True, stdout=subprocess.DEVNULL)
        megabytes = os.path.getsize(path) / 1e6
        for name, template in readers:
            command = [part.replace("{file}", path) for part in template]
            wall, peak = timed(command, env, args.warmup, args.runs)
            print(f"{size:>8} individuals ({megabytes:6.1f} MB)  {name:<16} {wall:8.3f} s  {peak:8.1f} MB peak")


if __name__ == "__main__":
    main()
