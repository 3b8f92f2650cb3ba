#!/usr/bin/env python3
"""Writes GEDCOM files of awkward texts for bench/compare_outputs.py: names and places holding
quotes, backslashes, tabs, control bytes, DEL, every high byte, stray and split UTF-8 sequences, and
cells past the text table's column limits, in a file of each character set the reader tells apart.

Usage: bench/gen_odd_files.py FOLDER [--people N]
Writes FOLDER/odd-ansi.ged (CHAR ANSI), odd-nochar.ged (no CHAR line), odd-utf8.ged (CHAR UTF-8,
with malformed sequences) and odd-bytes.ged (a header, then bytes of every value). The same
arguments always give the same bytes.
"""

import argparse
import os
import random

PLAIN = [b"Anna", b"Smith", b"van der Berg", b"O'Brien", b"Mary Ann", b"Jean-Luc", b"A", b""]
SPECIAL = [b'"', b"\\", b"\t", b"\x01", b"\x1f", b"\x7f", b"  ", b"/"]
LONG = [b"Wolfeschlegelsteinhausenbergerdorff", b"x" * 70]
HIGH = [bytes([b]) for b in range(0x80, 0x100)]
UTF8 = ["é".encode(), "€".encode(), "𝄞".encode(), "Ł".encode()]
MALFORMED = [b"\xc3", b"\xe2\x82", b"\xff", b"\xed\xa0\x80", b"\x80"]


def text(rng, kinds):
    return b"".join(rng.choice(rng.choice(kinds)) for _ in range(rng.randint(0, 6)))


def people(rng, count, kinds):
    lines = []
    for n in range(1, count + 1):
        lines.append(b"0 @I%d@ INDI" % n)
        if rng.random() < 0.9:
            lines.append(b"1 NAME " + text(rng, kinds) + b" /" + text(rng, kinds) + b"/")
        for event in (b"BIRT", b"DEAT"):
            if rng.random() < 0.3:
                continue
            lines.append(b"1 " + event)
            if rng.random() < 0.7:
                lines.append(b"2 DATE " + rng.choice([b"1 JAN 1900", b"ABT 1850", b"BET 1800 AND 1810", text(rng, kinds)]))
            if rng.random() < 0.7:
                lines.append(b"2 PLAC " + text(rng, kinds))
    for n in range(1, count // 2):
        lines += [b"0 @F%d@ FAM" % n, b"1 HUSB @I%d@" % (2 * n - 1), b"1 WIFE @I%d@" % (2 * n), b"1 CHIL @I%d@" % (2 * n + 1)]
    return lines


def write(path, charset, body):
    head = [b"0 HEAD", b"1 SOUR ODD", b"1 GEDC", b"2 VERS 5.5.1"]
    if charset:
        head.append(b"1 CHAR " + charset)
    with open(path, "wb") as out:
        out.write(b"\r\n".join(head + body + [b"0 TRLR", b""]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--people", type=int, default=3000)
    args = parser.parse_args()
    os.makedirs(args.folder, exist_ok=True)
    eight_bit = [PLAIN, PLAIN, SPECIAL, LONG, HIGH]
    write(os.path.join(args.folder, "odd-ansi.ged"), b"ANSI", people(random.Random(1), args.people, eight_bit))
    write(os.path.join(args.folder, "odd-nochar.ged"), None,
          people(random.Random(2), args.people, eight_bit + [UTF8, UTF8]))
    write(os.path.join(args.folder, "odd-utf8.ged"), b"UTF-8",
          people(random.Random(3), args.people, [PLAIN, PLAIN, SPECIAL, LONG, UTF8, MALFORMED]))
    rng = random.Random(4)
    write(os.path.join(args.folder, "odd-bytes.ged"), b"ANSI", [bytes(rng.randrange(256) for _ in range(20000))])


if __name__ == "__main__":
    main()
