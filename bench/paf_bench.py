#!/usr/bin/env python3
"""Whole-process benchmark of the PAF 5 reader beside the GEDCOM reader on the same people.

Usage: bench/paf_bench.py [--kinshelf build-bench/kinshelf] [--runs 5] [--warmup 2] [--data bench-data]
                          [--sizes 100000,1000000]

For each size, ../shared/bench/gen_gedcom.py and bench/gen_paf5.py write the GEDCOM and the PAF 5
file of the same people into the data folder (kept out of the repository), the first time; each file
is then dropped from the page cache and read back in one pass, so that runs start alike. Then
`kinshelf show FILE` and `kinshelf people FILE --format json` (output discarded) run on both:
--warmup times to warm the caches, then --runs times, the two files in turns so that a noisy spell
of the machine falls on both alike; the median wall time and the largest peak
resident memory are printed, with the PAF figures against their goals: show under 0.2 s, people at
most half the GEDCOM time, peak memory under half the PAF file plus 50 MB.
"""

import os

from bench_process import (GEDCOM_GENERATOR, PAF_GENERATOR, cached_afresh, generated, isolated_env, reader_arguments,
                           timed_in_turns)


def main():
    parser = reader_arguments()
    args = parser.parse_args()
    data = os.path.abspath(args.data)
    env = isolated_env(data, "paf")
    kinshelf = os.path.abspath(args.kinshelf)
    for size in (int(s) for s in args.sizes.split(",")):
        files = {
            "GEDCOM": generated(GEDCOM_GENERATOR, size, os.path.join(data, f"gen-{size}.ged")),
            "PAF 5": generated(PAF_GENERATOR, size, os.path.join(data, f"gen-{size}.paf")),
        }
        for path in files.values():
            cached_afresh(path)
        figures = {}
        for name, arguments in (("show", ["show"]), ("people json", ["people", "--format", "json"])):
            runs = [[kinshelf, arguments[0], path, *arguments[1:]] for path in files.values()]
            for (label, path), (wall, peak) in zip(files.items(), timed_in_turns(runs, env, args.warmup, args.runs)):
                figures[label, name] = wall, peak
                megabytes = os.path.getsize(path) / 1e6
                print(f"{size:>8} {label:<6} ({megabytes:6.1f} MB)  {name:<12} {wall:8.3f} s  {peak:8.1f} MB peak")
        paf_megabytes = os.path.getsize(files["PAF 5"]) / 1e6
        show, show_peak = figures["PAF 5", "show"]
        people, people_peak = figures["PAF 5", "people json"]
        ratio = people / figures["GEDCOM", "people json"][0]
        limit = paf_megabytes / 2 + 50
        print(f"{size:>8} goals: PAF show {show:.3f} s (< 0.2), people {ratio:.2f} x GEDCOM (<= 0.5), "
              f"peak {max(show_peak, people_peak):.0f} MB (< {limit:.0f})")


if __name__ == "__main__":
    main()
