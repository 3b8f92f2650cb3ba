#!/usr/bin/env python3
"""Deterministic generator of PAF 5 family files for benchmarks.

Usage: bench/gen_paf5.py N OUT.paf [--seed S]

Writes the family file that ../shared/bench/gen_gedcom.py describes for the same N and seed: the
same individuals (names, sex, birth, christening, death and burial with dates, places and
citations, reference numbers, notes, changed dates, occupations, residences and other events),
the same families (husband, wife, children, marriage), notes, sources and repositories. The GEDCOM
generator is imported and run record by record; each record it produces is read back here and laid
out in PAF 5 form, so both files always agree and take the random numbers in the same order.

Where PAF 5 can't say what the GEDCOM line says, the closest form is kept: letters outside
Windows-1252 lose their marks (Łukasz becomes Lukasz), BET/AND and FROM/TO ranges and dual years
become two-part dates, Julian dates keep their day, month and year, and interpreted dates and date
phrases become text dates. Quality of evidence, unique ids, divorces and family change dates are
dropped.

A summary line with the record counts and the size goes to standard error.
"""

import argparse
import importlib.util
import os
import struct
import sys
import unicodedata
from array import array

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(HERE, "..", "..", "shared", "bench", "gen_gedcom.py")

MAP_SPAN = 1 << 26
DATA_BASE = 12288
BLOCK = 8192
DATA_BLOCKS = 8191            # block 0 of a map is its map block
MAX_MAPS = 31
MAP_BLOCK_TYPE = 11
TOTALS_AT = 4096
TOTALS_PER_MAP = 32

TEXT, INDI, MARR, NOTE, CHILD, CITE, SOUR, REPO, EVENT, EVTYPE = 1, 2, 3, 4, 5, 6, 7, 8, 12, 13
SIZES = {TEXT: 272, INDI: 221, MARR: 106, NOTE: 256, CHILD: 46, CITE: 145, SOUR: 507, REPO: 497,
         EVENT: 59, EVTYPE: 143}
# Blocks follow in this order; text comes first so that a text's file offset is known the moment
# it is written.
ORDER = [TEXT, INDI, MARR, CHILD, CITE, NOTE, SOUR, REPO, EVENT, EVTYPE]

NAME_KIND, REFN_KIND = 1, 11
NOTE_WIDTH = 243
MONTHS = {m: i + 1 for i, m in enumerate(
    "JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC".split())}
QUALIFIERS = {"ABT": 1, "AFT": 2, "BEF": 3, "EST": 4, "CAL": 5}
UNIX_EPOCH_DAY = 2440588

I32 = struct.Struct("<i")
I32_AT = I32.pack_into
EVENT_LINKS = struct.Struct("<i4xi").pack_into          # place at 12, citation at 20
INDI_LINKS = struct.Struct("<6i4xi").pack_into          # bytes 0 to 31
TEXT_HEAD = struct.Struct("<i8xBh").pack_into           # next, kind at 12, length at 13
CHILD_LINK = struct.Struct("<4i").pack_into
MARR_LINKS = struct.Struct("<5i4xi").pack_into          # bytes 4 to 31
CITE_LINKS = struct.Struct("<2i").pack_into             # source at 116, next at 120
EVENT_HEAD = struct.Struct("<i8x2i").pack_into          # next, description at 12, type at 16


def load_generator():
    found = importlib.util.spec_from_file_location("gen_gedcom", GENERATOR)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


# Letters that Windows-1252 lacks and that have no decomposition to a base letter.
PLAIN_LETTERS = {"\u0141": "L", "\u0142": "l", "\u0110": "D", "\u0111": "d", "\u0131": "i"}


def ansi(text):
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError:
        out = []
        for ch in text:
            try:
                out.append(ch.encode("cp1252"))
            except UnicodeEncodeError:
                ch = PLAIN_LETTERS.get(ch, ch)
                base = "".join(c for c in unicodedata.normalize("NFD", ch)
                               if not unicodedata.combining(c))
                out.append(base.encode("cp1252", "replace"))
        return b"".join(out)


def day_number(year, month, day):
    """Julian Day Number, Julian calendar before 15 October 1582 as PAF 5 counts days."""
    a = (14 - month) // 12
    y = year + 4800 - a
    m = month + 12 * a - 3
    common = day + (153 * m + 2) // 5 + 365 * y + y // 4
    if (year, month, day) >= (1582, 10, 15):
        return common - y // 100 + y // 400 - 32045
    return common - 32083


def day_part(year, month, day):
    """A 5-byte day-number part; a missing month or day counts as 1 and is flagged."""
    flags = (0x40 if not month else 0) | (0x20 if not day else 0)
    jdn = day_number(year, month or 1, day or 1)
    return bytes((0, flags, jdn & 0xFF, (jdn >> 8) & 0xFF, jdn >> 16))


def text_date(link):
    return bytes((2 | 2 << 4, 0)) + I32.pack(link) + bytes(6)


def day_date(qualifier, first, second=None, kind=3):
    if second is None:
        return bytes((2 | 1 << 4, qualifier)) + first + bytes(5)
    return bytes((kind | 1 << 4 | 1 << 6, qualifier)) + first + second


def parse_day(tokens):
    """(year, month, day, dual second year or 0) of '[[d] MON] y[/yy]'."""
    year_text = tokens[-1]
    second = 0
    if "/" in year_text:
        year_text, short = year_text.split("/")
        second = int(year_text) + 1
        assert second % 100 == int(short)
    month = MONTHS[tokens[-2]] if len(tokens) > 1 else 0
    day = int(tokens[-3]) if len(tokens) > 2 else 0
    return int(year_text), month, day, second


class Pages:
    """The records of one type, in blocks of their own, numbered from 1 in writing order."""

    def __init__(self, kind):
        self.kind = kind
        self.size = SIZES[kind]
        self.per = BLOCK // self.size
        self.buf = bytearray()
        self.dropped = 0                # blocks already written out and gone from buf
        self.count = 0

    def new(self):
        """Number and position in the buffer of a new zeroed record."""
        block, slot = divmod(self.count, self.per)
        if slot == 0:
            self.buf.extend(bytes(BLOCK))
        self.count += 1
        return self.count, (block - self.dropped) * BLOCK + slot * self.size

    def blocks(self):
        return self.dropped + len(self.buf) // BLOCK


def block_offset(g):
    """File offset of data block G counted over all maps."""
    mp, k = divmod(g, DATA_BLOCKS)
    return mp * MAP_SPAN + DATA_BASE + BLOCK * (k + 1)


def write_blocks(fh, g, data):
    """Writes whole blocks from data block G on, cut where a map ends."""
    view = memoryview(data)
    while view:
        run = min(len(view) // BLOCK, DATA_BLOCKS - g % DATA_BLOCKS)
        fh.seek(block_offset(g))
        fh.write(view[:run * BLOCK])
        view = view[run * BLOCK:]
        g += run


class PafFile:
    def __init__(self, fh):
        self.fh = fh
        self.pages = {kind: Pages(kind) for kind in ORDER}
        self.texts = {}                 # shared texts: text -> file offset
        self.event_types = {}           # name -> type-13 number
        self.text_pages = self.pages[TEXT]

    # ---- texts ---------------------------------------------------------------
    def new_text(self):
        """File offset and buffer position of a new text record; text blocks fill the maps from
        block 1 of map 0 on."""
        pages = self.text_pages
        _, pos = pages.new()
        block, inside = divmod(pos, BLOCK)
        return block_offset(pages.dropped + block) + inside, pos

    def flush_texts(self, keep=32 << 20):
        """Writes the finished text blocks out once they pass KEEP bytes; as their offsets are
        fixed from the start, only the block being filled has to stay. Call it only between
        records, when no text position is held."""
        pages = self.text_pages
        done = len(pages.buf) // BLOCK - 1
        if done * BLOCK >= keep:
            write_blocks(self.fh, pages.dropped, memoryview(pages.buf)[:done * BLOCK])
            pages.buf = pages.buf[done * BLOCK:]
            pages.dropped += done

    def shared_text(self, text):
        """A text record holding TEXT, one for every distinct text; its file offset."""
        if not text:
            return 0
        found = self.texts.get(text)
        if found is None:
            found, pos = self.new_text()
            raw = ansi(text)[:256]
            self.text_pages.buf[pos + 13:pos + 13 + len(raw)] = raw
            self.texts[text] = found
        return found

    def individual_texts(self, name, refn):
        """The name record, then the reference number, chained from the first."""
        buf = self.text_pages.buf
        first, pos = self.new_text()
        name = name[:256]
        following = 0
        if refn:
            following, rpos = self.new_text()
            refn = refn[:256]
            TEXT_HEAD(buf, rpos, 0, REFN_KIND, len(refn))
            buf[rpos + 15:rpos + 15 + len(refn)] = refn
        TEXT_HEAD(buf, pos, following, NAME_KIND, len(name))
        buf[pos + 15:pos + 15 + len(name)] = name
        return first

    # ---- values ------------------------------------------------------------
    def date(self, text):
        tokens = text.split()
        head = tokens[0]
        if head.startswith("(") or head == "INT":
            return text_date(self.shared_text(text))
        if head == "@#DJULIAN@":
            tokens = tokens[1:]
        if head in ("BET", "FROM"):
            return day_date(0, day_part(int(tokens[1]), 0, 0), day_part(int(tokens[3]), 0, 0),
                            3 if head == "BET" else 4)
        qualifier = QUALIFIERS.get(head, 0)
        if qualifier:
            tokens = tokens[1:]
        year, month, day, second = parse_day(tokens)
        first = day_part(year, month, day)
        if second:
            return day_date(qualifier, first, day_part(second, 0, 0))
        return day_date(qualifier, first)

    def note(self, text):
        """A chain of note pieces with consecutive numbers; the first piece's number."""
        raw = ansi(text)
        pages = self.pages[NOTE]
        buf = pages.buf
        first = 0
        for at in range(0, len(raw), NOTE_WIDTH):
            number, pos = pages.new()
            if at + NOTE_WIDTH < len(raw):
                I32_AT(buf, pos, number + 1)
            piece = raw[at:at + NOTE_WIDTH]
            buf[pos + 13:pos + 13 + len(piece)] = piece
            first = first or number
        return first

    def citations(self, cites):
        pages = self.pages[CITE]
        buf = pages.buf
        first = 0
        for i, (source, page) in enumerate(cites):
            number, pos = pages.new()
            if page:
                detail = ansi(page)[:92]
                buf[pos + 4:pos + 4 + len(detail)] = detail
            CITE_LINKS(buf, pos + 116, source, number + 1 if i + 1 < len(cites) else 0)
            first = first or number
        return first

    def event(self, buf, pos, event):
        date, place, cites = event
        if date:
            buf[pos:pos + 12] = self.date(date)
        EVENT_LINKS(buf, pos + 12, self.shared_text(place),
                    self.citations(cites) if cites else 0)

    def event_type(self, name):
        number = self.event_types.get(name)
        if number is None:
            pages = self.pages[EVTYPE]
            number, pos = pages.new()
            I32_AT(pages.buf, pos, self.shared_text(name))
            self.event_types[name] = number
        return number

    def other_events(self, events):
        """A chain of additional events (type name, description, event); the first's number."""
        pages = self.pages[EVENT]
        first = 0
        for i, (name, description, event) in enumerate(events):
            number, pos = pages.new()
            EVENT_HEAD(pages.buf, pos, number + 1 if i + 1 < len(events) else 0,
                       self.shared_text(description),
                       self.event_type(name))
            self.event(pages.buf, pos + 20, event)
            first = first or number
        return first

    # ---- the file --------------------------------------------------------------
    def finish(self, header):
        """Lays the blocks out type after type over the maps and writes what is still held,
        the map blocks and the header; the number of maps and the file size."""
        type_bytes = []
        totals = array("h", bytes(2 * MAX_MAPS * TOTALS_PER_MAP))
        g = 0                           # data block number over all maps
        for kind in ORDER:
            pages = self.pages[kind]
            first, n = g, pages.blocks()
            while g < first + n:
                mp, k = divmod(g, DATA_BLOCKS)
                if mp >= MAX_MAPS:
                    raise SystemExit("too many records for the 31 maps of a PAF 5 file")
                if mp == len(type_bytes):
                    type_bytes.append(bytearray(BLOCK))
                    type_bytes[mp][0] = MAP_BLOCK_TYPE
                run = min(first + n - g, DATA_BLOCKS - k)
                type_bytes[mp][k + 1:k + 1 + run] = bytes([kind]) * run
                totals[mp * TOTALS_PER_MAP + kind - 1] += run
                g += run
            write_blocks(self.fh, first + pages.dropped, pages.buf)
            pages.buf = None
        maps = len(type_bytes)
        I32_AT(header, 18, maps)
        header[TOTALS_AT:TOTALS_AT + len(totals) * 2] = totals.tobytes()
        self.fh.seek(0)
        self.fh.write(header)
        for mp, blocks in enumerate(type_bytes):
            self.fh.seek(mp * MAP_SPAN + DATA_BASE)
            self.fh.write(blocks)
        size = block_offset(g - 1) + BLOCK
        self.fh.truncate(size)
        return maps, size


# ---- reading back the generator's records ---------------------------------------

def gedcom_records(lines):
    """The level-1 structures of a record: (tag, value, [(level, tag, value), ...])."""
    out = []
    for line in lines[1:]:
        level, tag_value = line[0], line[2:]
        tag, _, value = tag_value.partition(" ")
        if level == "1":
            current = (tag, value, [])
            out.append(current)
        else:
            current[2].append((level, tag, value))
    return out


def event_of(subs):
    """(date, place, [(source, page)]) from the lines below an event."""
    date = place = None
    cites = []
    for level, tag, value in subs:
        if level == "2":
            if tag == "DATE":
                date = value
            elif tag == "PLAC":
                place = value
            elif tag == "SOUR":
                cites.append([int(value[2:-1]), None])
        elif tag == "PAGE":
            cites[-1][1] = value
    return date, place, cites


def note_text(first, subs, level):
    text = [first]
    for lv, tag, value in subs:
        if lv == level:
            if tag == "CONC":
                text.append(value)
            elif tag == "CONT":
                text.append("\r\n" + value)
    return "".join(text)


def changed_seconds(subs):
    day_text = time_text = None
    for _, tag, value in subs:
        if tag == "DATE":
            day_text = value
        elif tag == "TIME":
            time_text = value
    d, mon, y = day_text.split()
    h, m, s = (int(x) for x in time_text.split(":"))
    days = day_number(int(y), MONTHS[mon], int(d)) - UNIX_EPOCH_DAY
    return days * 86400 + h * 3600 + m * 60 + s


VITAL_AT = {"BIRT": 64, "CHR": 88, "DEAT": 112, "BURI": 136}


def write_individual(paf, lines, rin, spouse, parent_link, shared_notes):
    pages = paf.pages[INDI]
    number, pos = pages.new()
    assert number == rin
    buf = pages.buf
    name = refn = None
    sex = b"U"
    note = cites = changed = 0
    others = []
    for tag, value, subs in gedcom_records(lines):
        if tag in VITAL_AT:
            paf.event(buf, pos + VITAL_AT[tag], event_of(subs))
        elif tag == "NAME":
            name = value
        elif tag == "SEX":
            sex = value.encode()
        elif tag == "OCCU":
            others.append(("Occupation", value, event_of(subs)))
        elif tag == "RESI":
            others.append(("Residence", None, event_of(subs)))
        elif tag == "EVEN":
            kind = next(v for _, t, v in subs if t == "TYPE")
            others.append((kind, None, event_of(subs)))
        elif tag == "REFN":
            refn = value
        elif tag == "NOTE":
            if value.startswith("@N"):
                shared_notes.append((pos + 12, int(value[2:-1])))
            else:
                note = paf.note(note_text(value, subs, "2"))
        elif tag == "SOUR":
            cites = [(int(value[2:-1]), None)]
            for _, t, v in subs:
                if t == "PAGE":
                    cites[0] = (cites[0][0], v)
            cites = paf.citations(cites)
        elif tag == "CHAN":
            changed = changed_seconds(subs)
    texts = paf.individual_texts(ansi(name), ansi(refn) if refn else None)
    INDI_LINKS(buf, pos, texts, spouse, parent_link, note, cites, changed,
               paf.other_events(others) if others else 0)
    buf[pos + 202:pos + 203] = sex


def write_marriage(paf, lines, mrin, husband, wife, first_child, husband_next, wife_next):
    pages = paf.pages[MARR]
    number, pos = pages.new()
    assert number == mrin
    MARR_LINKS(pages.buf, pos + 4, husband, wife, first_child, husband_next, wife_next, 0)
    for tag, _, subs in gedcom_records(lines):
        if tag == "MARR":
            paf.event(pages.buf, pos + 52, event_of(subs))


def write_source(paf, lines, number):
    pages = paf.pages[SOUR]
    got, pos = pages.new()
    assert got == number
    buf = pages.buf
    fields = {"AUTH": (0, 124), "TITL": (124, 124), "PUBL": (248, 124)}
    for tag, value, subs in gedcom_records(lines):
        if tag in fields:
            at, width = fields[tag]
            raw = ansi(value)[:width]
            buf[pos + at:pos + at + len(raw)] = raw
        elif tag == "REPO":
            I32_AT(buf, pos + 480, int(value[2:-1]))
            for _, t, v in subs:
                if t == "CALN":
                    raw = ansi(v)[:92]
                    buf[pos + 372:pos + 372 + len(raw)] = raw
        elif tag == "NOTE":
            I32_AT(buf, pos + 464, paf.note(note_text(value, subs, "2")))


def write_repository(paf, lines, number):
    pages = paf.pages[REPO]
    got, pos = pages.new()
    assert got == number
    buf = pages.buf

    def put(at, width, value):
        raw = ansi(value)[:width]
        buf[pos + at:pos + at + len(raw)] = raw

    for tag, value, subs in gedcom_records(lines):
        if tag == "NAME":
            put(0, 84, value)
        elif tag == "ADDR":
            put(84, 84, value)
            sub = {t: v for _, t, v in subs}
            put(168, 84, sub.get("CONT", ""))
            put(252, 84, sub.get("CTRY", ""))


def header_record(individuals, marriages, note_pieces, sources):
    header = bytearray(DATA_BASE)
    header[0:3] = b"500"
    header[4:7] = b"500"
    header[8:11] = b"PAF"
    I32_AT(header, 22, individuals)
    I32_AT(header, 130, marriages)
    I32_AT(header, 150, note_pieces)
    I32_AT(header, 190, sources)
    for at, text in ((734, "Benchmark Submitter"), (818, "1 Example Road"), (902, "Exampletown"),
                     (1154, "Nowhere")):
        header[at:at + len(text)] = text.encode("cp1252")
    return header


def write_records(paf, pop, writer):
    """All records in the order the GEDCOM writer makes them; the record count of each type."""
    people, families = pop.count(), len(pop.f_husb)
    # A child is in one family only and a family's children are consecutive RINs, so child links
    # numbered in RIN order are also in family order.
    child_link = array("i", bytes(4 * people))
    links = 0
    for i in range(people):
        if pop.famc[i] >= 0:
            links += 1
            child_link[i] = links
    next_marriage = {}                  # (RIN, MRIN) -> that spouse's next MRIN
    for p, more in pop.fams_more.items():
        chain = [pop.fams[p]] + more
        for a, b in zip(chain, chain[1:]):
            next_marriage[(p, a)] = b + 1

    shared_notes = []                   # (individual buffer position, note number)
    children = paf.pages[CHILD]
    for i in range(people):
        lines = []
        writer.indi(lines, pop, i)
        write_individual(paf, lines, i + 1, pop.fams[i] + 1, child_link[i], shared_notes)
        f = pop.famc[i]
        if f >= 0:
            number, pos = children.new()
            last = i + 1 == pop.f_child0[f] + pop.f_nchild[f]
            CHILD_LINK(children.buf, pos, f + 1, 0 if last else number + 1, 0, i + 1)
        paf.flush_texts()
    for f in range(families):
        lines = []
        writer.fam(lines, pop, f)
        h, w = pop.f_husb[f], pop.f_wife[f]
        write_marriage(paf, lines, f + 1, h + 1, w + 1,
                       child_link[pop.f_child0[f]] if pop.f_nchild[f] else 0,
                       next_marriage.get((h, f), 0), next_marriage.get((w, f), 0))
    note_numbers = [0]
    for k in range(1, writer.n_notes + 1):
        lines = []
        writer.note_record(lines, k)
        first = lines[0].split(" ", 3)[3]
        note_numbers.append(paf.note(note_text(first, [l.split(" ", 2) for l in lines[1:]], "1")))
    indi_buf = paf.pages[INDI].buf
    for pos, k in shared_notes:
        I32_AT(indi_buf, pos, note_numbers[k])
    for k in range(1, writer.n_sources + 1):
        lines = []
        writer.sour_record(lines, k)
        write_source(paf, lines, k)
    for k in range(1, writer.n_repos + 1):
        lines = []
        writer.repo_record(lines, k)
        write_repository(paf, lines, k)
    return {kind: pages.count for kind, pages in paf.pages.items()}



def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("n", type=int, help="number of individuals")
    ap.add_argument("out", help="output file")
    ap.add_argument("--seed", type=int, default=1)
    args = ap.parse_args(argv)
    if args.n < 2:
        ap.error("N must be at least 2")

    gen = load_generator()
    rng = gen.Rng(args.seed)
    pop = gen.Population(args.n, rng)
    pop.build()
    # The GEDCOM writer's own options don't change the random numbers it takes.
    writer = gen.Writer(argparse.Namespace(n=args.n, charset="UTF-8", eol="lf"), rng)

    people, families = pop.count(), len(pop.f_husb)
    with open(args.out, "wb") as fh:
        paf = PafFile(fh)
        counts = write_records(paf, pop, writer)
        header = header_record(people, families, counts[NOTE], writer.n_sources)
        maps, size = paf.finish(header)
    sys.stderr.write(
        "%s: %d individuals, %d families, %d notes, %d sources, %d repositories; "
        "%d text records, %d note pieces, %d citations, %d child links, %d other events; "
        "%d maps, %d bytes (%.0f bytes/individual)\n" % (
            args.out, people, families, writer.n_notes, writer.n_sources, writer.n_repos,
            counts[TEXT], counts[NOTE], counts[CITE], counts[CHILD], counts[EVENT], maps, size,
            size / people))
    return 0


if __name__ == "__main__":
    sys.exit(main())
