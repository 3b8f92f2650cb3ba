#!/usr/bin/env python3
"""Whole-process benchmark of the catalog search against find and fd, and of the refresh.

Usage: bench/search_bench.py [--kinshelf build-bench/kinshelf] [--runs 5] [--data bench-data]

Builds the trees with ../shared/bench/make_tree.py into the data folder (kept out of the
repository by .gitignore) the first time, warms the page cache, then times each command
side by side and prints the median wall time of each. Every kinshelf run gets its own data
and configuration folders below the data folder, never the user's.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
MAKE_TREE = os.path.join(HERE, "..", "..", "shared", "bench", "make_tree.py")
EXTENSIONS = ["ged", "paf", "fdb", "gdb", "rmg", "rmgc", "ftw", "fbk", "ftm", "ftmb", "aq", "zed", "pjc"]


def make_tree(root, *arguments):
    if os.path.isdir(root):
        return
    subprocess.run([sys.executable, MAKE_TREE, root, *arguments], check=True, stdout=subprocess.DEVNULL)


def home(data, name):
    folder = os.path.join(data, "homes", name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return dict(os.environ, XDG_DATA_HOME=folder + "/data", XDG_CONFIG_HOME=folder + "/config",
                HOME=folder, WINEPREFIX=folder + "/wine")


def timed(command, env=None):
    start = time.perf_counter()
    subprocess.run(command, env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def median(runs, command, env=None):
    timed(command, env)  # warm-up
    return statistics.median(timed(command, env) for _ in range(runs))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--kinshelf", default=os.path.join(HERE, "..", "build-bench", "kinshelf"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--data", default=os.path.join(HERE, "..", "bench-data"))
    args = parser.parse_args()
    kinshelf = os.path.abspath(args.kinshelf)
    data = os.path.abspath(args.data)
    tree = os.path.join(data, "tree")
    refresh_tree = os.path.join(data, "refresh-tree")
    make_tree(tree, "--files", "300000", "--dirs", "20000")
    make_tree(refresh_tree, "--files", "24000", "--dirs", "800", "--genealogy", "19000")
    subprocess.run(["find", tree, refresh_tree, "-type", "f"], stdout=subprocess.DEVNULL, check=True)

    iname = []
    for extension in EXTENSIONS:
        iname += (["-o"] if iname else []) + ["-iname", "*." + extension]
    fd_extensions = [part for extension in EXTENSIONS for part in ("-e", extension)]
    rows = []
    rows.append(("find -type f with the -iname tests",
                 median(args.runs, ["find", tree, "-type", "f", "(", *iname, ")"])))
    rows.append(("find -type f", median(args.runs, ["find", tree, "-type", "f"])))
    if shutil.which("fdfind"):
        rows.append(("fdfind -j1 -u -t f with the extensions",
                     median(args.runs, ["fdfind", "-j1", "-u", "-t", "f", *fd_extensions, ".", tree])))

    rows.append(("kinshelf search (first: every row new)", median_fresh(args.runs, kinshelf, tree, data)))
    again = home(data, "again")
    subprocess.run([kinshelf, "search", tree], env=again, check=True, stdout=subprocess.DEVNULL)
    rows.append(("kinshelf search (again: tree unchanged)", median(args.runs, [kinshelf, "search", tree], again)))

    refresh = home(data, "refresh")
    subprocess.run([kinshelf, "search", refresh_tree], env=refresh, check=True, stdout=subprocess.DEVNULL)
    listed = subprocess.run([kinshelf, "counts", "--format", "json"], env=refresh, check=True,
                            capture_output=True, text=True).stdout
    rows.append(("kinshelf refresh of the catalogued files", median(args.runs, [kinshelf, "refresh"], refresh)))

    width = max(len(name) for name, _ in rows)
    for name, seconds in rows:
        print(f"{name:<{width}}  {seconds:7.3f} s")
    print("refresh catalog:", " ".join(listed.split()))


def median_fresh(runs, kinshelf, tree, data):
    """Each run starts from an empty catalog, so every row is new."""
    times = []
    for run in range(runs + 1):
        env = home(data, "first")
        seconds = timed([kinshelf, "search", tree], env)
        if run > 0:
            times.append(seconds)
    return statistics.median(times)


if __name__ == "__main__":
    main()
