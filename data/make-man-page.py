#!/usr/bin/env python3
"""Writes the manual page kinshelf.1 from the program's own help texts, so that the two never disagree.

Usage: make-man-page.py KINSHELF OUT.1 VERSION

Runs `KINSHELF --help` for the command list, then `KINSHELF COMMAND --help` for each command, and
lays them out as a manual page: NAME, SYNOPSIS, DESCRIPTION (the window and the commands), one
subsection per command with its help text, FILES and ENVIRONMENT.
"""

import os
import subprocess
import sys
import tempfile


def run_help(kinshelf, *arguments):
    # The help texts need no catalog, but a scratch home keeps any run away from the user's.
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_DATA_HOME=home, XDG_CONFIG_HOME=home, COLUMNS="80")
        return subprocess.run([kinshelf, *arguments, "--help"], env=env, check=True,
                              capture_output=True, text=True).stdout


def escaped(line):
    text = line.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def commands_of(overview):
    names, listing = [], False
    for line in overview.splitlines():
        if line.startswith("Commands:"):
            listing = True
        elif listing and line.startswith("  ") and not line.startswith("    "):
            names.append(line.split()[0])
        elif listing and not line.strip():
            break
    return names


def verbatim(text):
    return [".nf"] + [escaped(line) for line in text.rstrip().splitlines()] + [".fi"]


def main():
    kinshelf, out, version = sys.argv[1:4]
    overview = run_help(kinshelf)
    lines = [
        f'.TH KINSHELF 1 "" "Kinshelf {version}" "User Commands"',
        ".SH NAME",
        "kinshelf \\- catalog, search and read the genealogy files on this computer",
        ".SH SYNOPSIS",
        ".B kinshelf",
        ".br",
        ".B kinshelf",
        ".I COMMAND",
        "[\\fIOPTIONS\\fR] [\\fIARGUMENTS\\fR]",
        ".SH DESCRIPTION",
        "Without arguments, kinshelf opens its window: the catalog of the genealogy files found on",
        "this computer, to sort, filter, bookmark and open. With a command it works on the command line.",
        ".PP",
        *verbatim(overview),
        ".SH COMMANDS",
    ]
    for name in commands_of(overview):
        lines += [".SS " + name, *verbatim(run_help(kinshelf, name))]
    lines += [
        ".SH FILES",
        ".TP",
        ".I $XDG_DATA_HOME/Orrinvale/FileStore/Catalog.sdb",
        "the catalog ($XDG_DATA_HOME is ~/.local/share when unset)",
        ".TP",
        ".I $XDG_DATA_HOME/Orrinvale/FileStore/Exclude.xml",
        "the folders and files the search leaves out",
        ".TP",
        ".I $XDG_CONFIG_HOME/Orrinvale/Kinshelf1/Kinshelf.ini",
        "the settings ($XDG_CONFIG_HOME is ~/.config when unset)",
        ".SH ENVIRONMENT",
        ".TP",
        ".B DISPLAY, WAYLAND_DISPLAY",
        "the display the window opens on; without either, kinshelf without a command says so and stops",
    ]
    with open(out, "w", encoding="utf-8") as page:
        page.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
