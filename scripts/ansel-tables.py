#!/usr/bin/env python3
"""Writes src/text/AnselTables.cpp: the ANSEL bytes as Unicode code points, and every composition that
NFC makes of a letter ANSEL can write and the combining marks it can put on it.

The byte tables below are the standard ANSEL code table, with the two letters GEDCOM writers add
(0xC7 sharp s, 0xC8 euro sign) and 0xCF for sharp s, where older writers put it. Everything else
comes from Python's unicodedata, whose Unicode version the output names; Unicode never adds a
composition for an existing pair, so a newer version gives the same pairs. Run it from anywhere:
    python3 scripts/ansel-tables.py
"""

import pathlib
import unicodedata

# Spacing characters: byte, code point.
SPACING = [
    (0xA1, 0x0141),  # L with stroke
    (0xA2, 0x00D8),  # O with stroke
    (0xA3, 0x0110),  # D with stroke
    (0xA4, 0x00DE),  # thorn
    (0xA5, 0x00C6),  # AE
    (0xA6, 0x0152),  # OE
    (0xA7, 0x02B9),  # soft sign (prime)
    (0xA8, 0x00B7),  # middle dot
    (0xA9, 0x266D),  # music flat sign
    (0xAA, 0x00AE),  # registered sign
    (0xAB, 0x00B1),  # plus-minus sign
    (0xAC, 0x01A0),  # O with horn
    (0xAD, 0x01AF),  # U with horn
    (0xAE, 0x02BC),  # alif (modifier apostrophe)
    (0xB0, 0x02BB),  # ayn (modifier turned comma)
    (0xB1, 0x0142),  # l with stroke
    (0xB2, 0x00F8),  # o with stroke
    (0xB3, 0x0111),  # d with stroke
    (0xB4, 0x00FE),  # thorn
    (0xB5, 0x00E6),  # ae
    (0xB6, 0x0153),  # oe
    (0xB7, 0x02BA),  # hard sign (double prime)
    (0xB8, 0x0131),  # dotless i
    (0xB9, 0x00A3),  # pound sign
    (0xBA, 0x00F0),  # eth
    (0xBC, 0x01A1),  # o with horn
    (0xBD, 0x01B0),  # u with horn
    (0xC0, 0x00B0),  # degree sign
    (0xC1, 0x2113),  # script small l
    (0xC2, 0x2117),  # sound recording copyright
    (0xC3, 0x00A9),  # copyright sign
    (0xC4, 0x266F),  # music sharp sign
    (0xC5, 0x00BF),  # inverted question mark
    (0xC6, 0x00A1),  # inverted exclamation mark
    (0xC7, 0x00DF),  # sharp s
    (0xC8, 0x20AC),  # euro sign
    (0xCF, 0x00DF),  # sharp s, as older GEDCOM writers put it
]

# Combining marks, written before their letter: byte, code point.
MARKS = [
    (0xE0, 0x0309),  # hook above
    (0xE1, 0x0300),  # grave
    (0xE2, 0x0301),  # acute
    (0xE3, 0x0302),  # circumflex
    (0xE4, 0x0303),  # tilde
    (0xE5, 0x0304),  # macron
    (0xE6, 0x0306),  # breve
    (0xE7, 0x0307),  # dot above
    (0xE8, 0x0308),  # diaeresis (umlaut)
    (0xE9, 0x030C),  # caron (hacek)
    (0xEA, 0x030A),  # ring above
    (0xEB, 0xFE20),  # ligature, left half
    (0xEC, 0xFE21),  # ligature, right half
    (0xED, 0x0315),  # high comma, off centre
    (0xEE, 0x030B),  # double acute
    (0xEF, 0x0310),  # candrabindu
    (0xF0, 0x0327),  # cedilla
    (0xF1, 0x0328),  # right hook (ogonek)
    (0xF2, 0x0323),  # dot below
    (0xF3, 0x0324),  # double dot below
    (0xF4, 0x0325),  # ring below
    (0xF5, 0x0333),  # double underscore
    (0xF6, 0x0332),  # underscore
    (0xF7, 0x0326),  # left hook (comma below)
    (0xF8, 0x031C),  # right cedilla (left half ring below)
    (0xF9, 0x032E),  # upadhmaniya (breve below)
    (0xFA, 0xFE22),  # double tilde, left half
    (0xFB, 0xFE23),  # double tilde, right half
    (0xFE, 0x0313),  # high comma, centred
]


def canonical_pair(cp):
    """The two code points a character decomposes to canonically, or None."""
    fields = unicodedata.decomposition(chr(cp)).split()
    if len(fields) != 2 or fields[0].startswith("<"):
        return None
    return int(fields[0], 16), int(fields[1], 16)


def main():
    # Spacing letters that are a letter and a mark (O and U with horn): the letter starts their
    # composing, and their mark joins the ANSEL marks in the order.
    decompositions = []
    for _, cp in SPACING:
        pair = canonical_pair(cp)
        if pair is None:
            continue
        assert canonical_pair(pair[0]) is None and unicodedata.combining(chr(pair[1])) != 0
        decompositions.append((pair[0], pair[1], cp))
    marks = sorted({cp for _, cp in MARKS} | {mark for _, mark, _ in decompositions})
    for mark in marks:
        assert unicodedata.combining(chr(mark)) != 0, hex(mark)
        assert canonical_pair(mark) is None, hex(mark)

    # Every primary composite of a starter and one of those marks, kept when NFC makes it.
    composite_of = {}
    for cp in range(0x110000):
        pair = canonical_pair(cp)
        if pair is None or pair[1] not in marks:
            continue
        if unicodedata.normalize("NFC", chr(pair[0]) + chr(pair[1])) == chr(cp):
            composite_of[pair] = cp

    # Only the starters an ANSEL text can reach: printable ASCII, the spacing characters (or the
    # letter inside them), and what composing those gives.
    starters = set(range(0x21, 0x7F)) | {cp for _, cp in SPACING} | {base for base, _, _ in decompositions}
    pending = sorted(starters)
    compositions = []
    while pending:
        base = pending.pop()
        for mark in marks:
            composed = composite_of.get((base, mark))
            if composed is None:
                continue
            compositions.append((base, mark, composed))
            if composed not in starters:
                starters.add(composed)
                pending.append(composed)
    compositions.sort()

    def u(cp):
        return "0x%04X" % cp

    def name(cp):
        return unicodedata.name(chr(cp)).lower()

    out = []
    out.append("// The ANSEL code table as Unicode and the NFC compositions of its letters with its marks.")
    out.append("// Made by scripts/ansel-tables.py from Python's unicodedata (Unicode %s): edit the script"
               % unicodedata.unidata_version)
    out.append("// and run it again rather than editing this file.")
    out.append('#include "text/AnselTables.h"')
    out.append("")
    out.append("namespace kinshelf {")
    out.append("")
    out.append("namespace {")
    out.append("")
    out.append("constexpr AnselCharacter kSpacing[] = {")
    for byte, cp in SPACING:
        out.append("    {0x%02X, %s},  // %s" % (byte, u(cp), name(cp)))
    out.append("};")
    out.append("")
    out.append("constexpr AnselCharacter kMarks[] = {")
    for byte, cp in MARKS:
        out.append("    {0x%02X, %s},  // %s" % (byte, u(cp), name(cp)))
    out.append("};")
    out.append("")
    out.append("constexpr CombiningMark kCombiningClasses[] = {")
    for cp in marks:
        out.append("    {%s, %d},  // %s" % (u(cp), unicodedata.combining(chr(cp)), name(cp)))
    out.append("};")
    out.append("")
    out.append("constexpr MarkComposition kDecompositions[] = {")
    for base, mark, cp in decompositions:
        out.append("    {%s, %s, %s},  // %s" % (u(base), u(mark), u(cp), name(cp)))
    out.append("};")
    out.append("")
    out.append("constexpr MarkComposition kCompositions[] = {")
    for base, mark, cp in compositions:
        out.append("    {%s, %s, %s},  // %s" % (u(base), u(mark), u(cp), name(cp)))
    out.append("};")
    out.append("")
    out.append("}  // namespace")
    out.append("")
    for function, table in [("AnselSpacingCodePoints", "kSpacing"), ("AnselMarkCodePoints", "kMarks")]:
        out.append("std::span<const AnselCharacter> %s() {" % function)
        out.append("  return %s;" % table)
        out.append("}")
        out.append("")
    out.append("std::span<const CombiningMark> AnselCombiningClasses() {")
    out.append("  return kCombiningClasses;")
    out.append("}")
    out.append("")
    for function, table in [("AnselDecompositions", "kDecompositions"), ("AnselCompositions", "kCompositions")]:
        out.append("std::span<const MarkComposition> %s() {" % function)
        out.append("  return %s;" % table)
        out.append("}")
        out.append("")
    out.append("}  // namespace kinshelf")

    target = pathlib.Path(__file__).resolve().parent.parent / "src" / "text" / "AnselTables.cpp"
    target.write_text("\n".join(out) + "\n")
    print("%s: %d spacing characters, %d marks, %d compositions"
          % (target, len(SPACING), len(MARKS), len(compositions)))


if __name__ == "__main__":
    main()
