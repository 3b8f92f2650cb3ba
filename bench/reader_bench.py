#!/usr/bin/env python3
"""Whole-process benchmark of the readers against the machine: `wc -l` and `grep -c '^0 @'` (one
pass over the bytes) beside `kinshelf show`, `people` in each format, `person` and `family`, on the
generated GEDCOM files and the PAF 5 files of the same people; optionally beside a previous build.

Usage: bench/reader_bench.py [--kinshelf build-bench/kinshelf] [--baseline OLD_KINSHELF] [--runs 5]
                             [--warmup 2] [--data bench-data] [--sizes 100000,1000000]

Files come from ../shared/bench/gen_gedcom.py and bench/gen_paf5.py into the data folder (kept out of
the repository), made the first time, and read afresh into the page cache. Every command runs --warmup times, then --runs times; the
median wall time and the largest peak resident memory are printed, then the ratios the readers aim
at. With --baseline, the two builds run each command in turns, so that a noisy spell of the machine
does not favour one of them. The aims: show within 6 x wc -l with a peak of at most 1.3 x the file, people within 3 x show with a peak of
at most 1.5 x the file, person and family within 1.2 x show.
"""

import os

from bench_process import (GEDCOM_GENERATOR, PAF_GENERATOR, cached_afresh, generated, isolated_env, reader_arguments,
                           timed, timed_in_turns)


def commands(kinshelf, path, size):
    # The page of the first individual looks for short identifiers; one in the middle of the file
    # for identifiers as long as most of the file's, which the mention search finds harder to rule out.
    return [
        ("show", [kinshelf, "show", path]),
        ("people json", [kinshelf, "people", path, "--format", "json"]),
        ("people csv", [kinshelf, "people", path, "--format", "csv"]),
        ("people text", [kinshelf, "people", path]),
        ("person", [kinshelf, "person", path, "1"]),
        ("person mid", [kinshelf, "person", path, str(size // 2)]),
        ("family", [kinshelf, "family", path, "1"]),
    ]


def main():
    parser = reader_arguments()
    parser.add_argument("--baseline", help="a previous build's kinshelf, timed the same way")
    args = parser.parse_args()
    data = os.path.abspath(args.data)
    env = isolated_env(data, "readers")
    builds = [("now", os.path.abspath(args.kinshelf))]
    if args.baseline:
        builds.append(("before", os.path.abspath(args.baseline)))
    for size in (int(s) for s in args.sizes.split(",")):
        for label, generator, name in (("GEDCOM", GEDCOM_GENERATOR, f"gen-{size}.ged"),
                                       ("PAF 5", PAF_GENERATOR, f"gen-{size}.paf")):
            path = cached_afresh(generated(generator, size, os.path.join(data, name)))
            megabytes = os.path.getsize(path) / 1e6
            line = f"{size:>8} {label:<6} ({megabytes:6.1f} MB)"
            passes = {}
            # grep stops at the first match when its output is /dev/null: a pipe makes it read it all.
            tools = [("wc -l", ["wc", "-l", path])]
            if label == "GEDCOM":
                tools.append(("grep -c", ["sh", "-c", 'grep -c "^0 @" "$0" | cat', path]))
            for tool, command in tools:
                passes[tool] = timed(command, env, args.warmup, args.runs)[0]
                print(f"{line}  {tool:<12} {passes[tool]:8.3f} s")
            figures = {build: {} for build, _ in builds}
            # Each row holds the same command of every build.
            for row in zip(*(commands(kinshelf, path, size) for _, kinshelf in builds)):
                what = row[0][0]
                timings = timed_in_turns([command for _, command in row], env, args.warmup, args.runs)
                for (build, _), (wall, peak) in zip(builds, timings):
                    figures[build][what] = (wall, peak)
                    print(f"{line}  {what:<12} {wall:8.3f} s  {peak:8.1f} MB peak  ({build})")
            for build, _ in builds:
                print_ratios(line, build, figures[build], passes["wc -l"], megabytes)


def print_ratios(line, build, figures, wc, megabytes):
    show, show_peak = figures["show"]
    people, people_peak = figures["people json"]
    print(f"{line}  ratios ({build}): show {show / wc:.1f} x wc -l, "
          f"show peak {show_peak / megabytes:.2f} x file, people {people / show:.1f} x show, "
          f"people peak {people_peak / megabytes:.2f} x file, "
          f"person {figures['person'][0] / show:.2f} x show (mid {figures['person mid'][0] / show:.2f}), "
          f"family {figures['family'][0] / show:.2f} x show")


if __name__ == "__main__":
    main()
