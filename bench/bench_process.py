"""Timing whole processes for the benchmarks: wall time and peak resident memory of one run, and the
median time and largest peak of several after warm-up runs; the generated input files; and the
options the reader benchmarks share."""

import argparse
import mmap
import os
import statistics
import subprocess
import sys
import time


HERE = os.path.dirname(os.path.abspath(__file__))
GEDCOM_GENERATOR = os.path.join(HERE, "..", "..", "shared", "bench", "gen_gedcom.py")
PAF_GENERATOR = os.path.join(HERE, "gen_paf5.py")


def reader_arguments():
    """A parser of the options every reader benchmark takes: the build, the runs, the data folder and
    the sizes of the generated files."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--kinshelf", default=os.path.join(HERE, "..", "build-bench", "kinshelf"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--warmup", type=int, default=2)
    parser.add_argument("--data", default=os.path.join(HERE, "..", "bench-data"))
    parser.add_argument("--sizes", default="100000,1000000")
    return parser


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
    return timed_in_turns([command], env, warmup, runs)[0]


def timed_in_turns(commands, env, warmup, runs):
    """`timed` for several commands (the same work by different builds, say) run in turns, so that
    a noisy spell of the machine falls on each of them alike: a (median, peak) pair per command."""
    for _ in range(warmup):
        for command in commands:
            measure(command, env)
    results = [[] for _ in commands]
    for _ in range(runs):
        for command, found in zip(commands, results):
            found.append(measure(command, env))
    return [(statistics.median(s for s, _ in found), max(m for _, m in found)) for found in results]


def generated(generator, size, path):
    """The file `generator` writes for `size` at `path`, made the first time."""
    if not os.path.exists(path):
        subprocess.run([sys.executable, generator, str(size), path], check=True, stderr=subprocess.DEVNULL)
    return path


def cached_afresh(path):
    """Drops the file from the page cache and reads it back in one pass, the way the readers read a
    file they open first: through a mapping advised to take huge pages. What read the file before
    decides how it is cached. Read by read(), most of it is kept in small pieces, and every process
    that maps it then pays for each 4 KiB page at its first touch: a trap per page where a
    hypervisor shadows the page tables. A child process reads it: the peak memory of a process is
    handed down to the children it forks, and would count as theirs."""
    child = os.fork()
    if child == 0:
        with open(path, "rb") as file:
            os.posix_fadvise(file.fileno(), 0, 0, os.POSIX_FADV_DONTNEED)
            with mmap.mmap(file.fileno(), 0, prot=mmap.PROT_READ) as mapped:
                mapped.madvise(mmap.MADV_HUGEPAGE)
                for offset in range(0, len(mapped), mmap.PAGESIZE):
                    mapped[offset]
        os._exit(0)
    if os.waitpid(child, 0)[1] != 0:
        sys.exit(f"could not read {path} into the page cache")
    return path


def isolated_env(data, name):
    """The environment of a benchmark's runs: a home of its own under the data folder, so that no
    catalog or settings of the user are read or written."""
    home = os.path.join(data, "homes", name)
    os.makedirs(home, exist_ok=True)
    return dict(os.environ, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config", HOME=home)
