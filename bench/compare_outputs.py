#!/usr/bin/env python3
"""Compares the reader commands of two builds byte for byte on each file given: show (but for its
load time), people in every format and with a name filter, person and family of a few individuals.
Prints every command whose outputs differ and a count; exits 1 when any differ.

Usage: bench/compare_outputs.py OLD_KINSHELF NEW_KINSHELF FILE...
For instance, before a change to a reader is committed (bench/gen_odd_files.py writes the files of
awkward texts):
  bench/gen_odd_files.py bench-data/odd
  bench/compare_outputs.py /tmp/kinshelf-before build-bench/kinshelf \\
      $(find ../shared/testdata/gedcom -type f) bench-data/gen-100000.ged bench-data/gen-100000.paf \\
      bench-data/odd/*.ged
"""

import hashlib
import os
import subprocess
import sys
import tempfile

COMMANDS = [
    ["show", "FILE"],
    ["people", "FILE", "--format", "json"],
    ["people", "FILE", "--format", "csv"],
    ["people", "FILE"],
    ["people", "FILE", "--name", "an", "--format", "json"],
    ["person", "FILE", "1"],
    ["person", "FILE", "2"],
    ["family", "FILE", "1"],
    ["family", "FILE", "3"],
]


def digest(kinshelf, command, path, env):
    args = [kinshelf] + [path if word == "FILE" else word for word in command]
    result = subprocess.run(args, env=env, capture_output=True, check=False)
    lines = (result.stdout + result.stderr).split(b"\n")
    kept = b"\n".join(line for line in lines if not line.startswith(b"Load time"))
    return result.returncode, hashlib.sha256(kept).hexdigest()


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    old, new, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, XDG_DATA_HOME=home, XDG_CONFIG_HOME=home, TMPDIR=home)
        differ = 0
        runs = 0
        for path in files:
            for command in COMMANDS:
                runs += 1
                if digest(old, command, path, env) != digest(new, command, path, env):
                    differ += 1
                    print("differs: kinshelf " + " ".join(path if w == "FILE" else w for w in command))
    print(f"{runs} commands compared, {differ} differ")
    sys.exit(1 if differ else 0)


if __name__ == "__main__":
    main()
