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

import os

from bench_process import GEDCOM_GENERATOR, generated, isolated_env, reader_arguments, timed


def main():
    parser = reader_arguments()
    parser.set_defaults(warmup=3, sizes="10000,100000,1000000")
    parser.add_argument("--peer", action="append", default=[])
    args = parser.parse_args()
    data = os.path.abspath(args.data)
    env = isolated_env(data, "show")
    readers = [("kinshelf show", [os.path.abspath(args.kinshelf), "show", "{file}"])]
    for peer in args.peer:
        name, _, command = peer.partition("=")
        readers.append((name, command.split()))
    for size in args.sizes.split(","):
        path = generated(GEDCOM_GENERATOR, size, os.path.join(data, f"gen-{size}.ged"))
        megabytes = os.path.getsize(path) / 1e6
        for name, template in readers:
            command = [part.replace("{file}", path) for part in template]
            wall, peak = timed(command, env, args.warmup, args.runs)
            print(f"{size:>8} individuals ({megabytes:6.1f} MB)  {name:<16} {wall:8.3f} s  {peak:8.1f} MB peak")


if __name__ == "__main__":
    main()
