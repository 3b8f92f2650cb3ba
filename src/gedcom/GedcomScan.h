// The bounded byte scans every part of the GEDCOM reader goes through. Each takes the end of the
// mapped text and never looks at a byte at or past it; a position at or past the end reads as
// "nothing there" (byte 0, word 0). Inline because the load passes call them for every line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kinshelf::gedcom {

inline bool IsBreak(char c) {
  return c == '\r' || c == '\n';
}
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// p moved on by n bytes, but never past the end.
inline const char* Advance(const char* p, std::ptrdiff_t n, const char* end) {
  return end - p > n ? p + n : end;
}

// The place `offset` bytes into the line at `line`, but never past that line's CR or LF, so that a
// short line never lends its value to the next one.
inline const char* InLine(const char* line, std::ptrdiff_t offset, const char* end) {
  const char* place = Advance(line, offset, end);
  for (const char* p = line; p < place; ++p) {
    if (*p == '\r' || *p == '\n') return p;
  }
  return place;
}

// The byte `offset` places after p, or 0 when that is at or past the end.
inline char ByteAt(const char* p, std::ptrdiff_t offset, const char* end) {
  return p != nullptr && end - p > offset ? p[offset] : '\0';
}
inline char ByteAt(const char* p, const char* end) {
  return ByteAt(p, 0, end);
}

// The four bytes `offset` places after p as a tag word (see TagWord), or 0 unless all four lie
// before the end.
inline std::uint32_t WordAt(const char* p, std::ptrdiff_t offset, const char* end) {
  if (p == nullptr || end - p < offset + 4) return 0;
  std::uint32_t word;
  std::memcpy(&word, p + offset, sizeof word);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  word = __builtin_bswap32(word);
#endif
  return word;
}

// The first CR or LF at or after p, and with kNulStops the first NUL too; the end without one.
template <bool kNulStops>
inline const char* FindLineStop(const char* p, const char* end) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  while (end - p >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i stops = _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf));
    if constexpr (kNulStops) stops = _mm_or_si128(stops, _mm_cmpeq_epi8(block, _mm_setzero_si128()));
    const int mask = _mm_movemask_epi8(stops);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  while (p < end && !IsBreak(*p) && !(kNulStops && *p == '\0')) ++p;
  return p;
}

// The first CR or LF at or after p, or the end.
inline const char* FindBreak(const char* p, const char* end) {
  return FindLineStop<false>(p, end);
}

// The first CR, LF or NUL at or after p, or the end: where a line's value stops.
inline const char* FindValueEnd(const char* p, const char* end) {
  return FindLineStop<true>(p, end);
}

// The first '0' after p that directly follows a CR or LF at or after p (a record start), or the end.
inline const char* FindRecordStart(const char* p, const char* end) {
  if (p >= end) return end;
  const char* q = p + 1;
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i zero = _mm_set1_epi8('0');
  while (end - q >= 16) {
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q - 1));
    const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(before, cr), _mm_cmpeq_epi8(before, lf));
    const int mask = _mm_movemask_epi8(_mm_and_si128(breaks, _mm_cmpeq_epi8(here, zero)));
    if (mask != 0) return q + __builtin_ctz(static_cast<unsigned>(mask));
    q += 16;
  }
#endif
  for (; q < end; ++q) {
    if (*q == '0' && IsBreak(q[-1])) return q;
  }
  return end;
}

// Where the record starting at `record` ends (the next record start, or the end) and whether a
// line in it starts with a space or TAB, found in one pass.
struct RecordExtent {
  const char* stop;
  bool indented;
};

inline RecordExtent ScanRecord(const char* record, const char* end) {
  if (record >= end) return {end, false};
  bool indented = false;
  const char* q = record + 1;
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i zero = _mm_set1_epi8('0');
  const __m128i space = _mm_set1_epi8(' ');
  const __m128i tab = _mm_set1_epi8('\t');
  while (end - q >= 16) {
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q - 1));
    const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(before, cr), _mm_cmpeq_epi8(before, lf));
    const int starts = _mm_movemask_epi8(_mm_and_si128(breaks, _mm_cmpeq_epi8(here, zero)));
    const __m128i blanks = _mm_or_si128(_mm_cmpeq_epi8(here, space), _mm_cmpeq_epi8(here, tab));
    int indents = _mm_movemask_epi8(_mm_and_si128(breaks, blanks));
    if (starts != 0) {
      const int at = __builtin_ctz(static_cast<unsigned>(starts));
      indents &= (1 << at) - 1;
      return {q + at, indented || indents != 0};
    }
    indented = indented || indents != 0;
    q += 16;
  }
#endif
  for (; q < end; ++q) {
    if (!IsBreak(q[-1])) continue;
    if (*q == '0') return {q, indented};
    if (*q == ' ' || *q == '\t') indented = true;
  }
  return {end, indented};
}

// Past the spaces at p.
inline const char* SkipSpaces(const char* p, const char* end) {
  while (p < end && *p == ' ') ++p;
  return p;
}

// A byte that separates the level, identifier, tag and value of a line.
inline bool IsSeparator(char c) {
  return c == ' ' || c == '\t';
}

// Past the spaces and TABs at p.
inline const char* SkipSeparators(const char* p, const char* end) {
  while (p < end && IsSeparator(*p)) ++p;
  return p;
}

// Past the spaces, TABs, CRs and LFs at p.
inline const char* SkipBlankRun(const char* p, const char* end) {
  while (p < end && IsBlank(*p)) ++p;
  return p;
}

// Past the bytes at p that are neither space, TAB nor line break.
inline const char* SkipWord(const char* p, const char* end) {
  while (p < end && !IsSeparator(*p) && !IsBreak(*p)) ++p;
  return p;
}

// The position of the line after the one holding p: past its line break, then, with skipBlank,
// past every blank that follows. nullptr for p nullptr or when the end is reached at any step.
inline const char* NextLineAt(const char* p, const char* end, bool skipBlank) {
  if (p == nullptr) return nullptr;
  p = FindBreak(p, end);
  if (p >= end) return nullptr;
  ++p;
  if (skipBlank) p = SkipBlankRun(p, end);
  return p < end ? p : nullptr;
}

// Where the tag of the line at `line` starts: past the level and the spaces or TABs after it. Most
// files write one digit and one space, the fast path; some write several spaces or a TAB.
inline const char* TagStart(const char* line, const char* end) {
  if (line == nullptr) return nullptr;
  if (end - line > 2 && line[1] == ' ' && !IsSeparator(line[2])) return line + 2;
  return SkipSeparators(SkipWord(line, end), end);
}

// The tag word of the line at `line` (the four bytes from its tag on), 0 when the line is too short.
inline std::uint32_t LineTag(const char* line, const char* end) {
  std::uint32_t word = WordAt(TagStart(line, end), 0, end);
  // A three-letter tag followed by a TAB reads as one followed by a space ("SEX ", "AFN ").
  if ((word >> 24) == '\t') word = (word & 0x00FFFFFFu) | (std::uint32_t{' '} << 24);
  return word;
}

// Where the value of the line at `line` starts: past its tag and the one space or TAB after it.
// The value's own spaces follow (a CONC piece may start with the blank that ends a word).
inline const char* ValueStart(const char* line, const char* end) {
  if (line == nullptr) return nullptr;
  const char* afterTag = SkipWord(TagStart(line, end), end);
  return afterTag < end && IsSeparator(*afterTag) ? afterTag + 1 : afterTag;
}

// The level character of the line at `line`, 0 for none.
inline char LineLevel(const char* line, const char* end) {
  return ByteAt(line, end);
}

}  // namespace kinshelf::gedcom
