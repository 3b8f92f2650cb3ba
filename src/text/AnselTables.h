// The ANSEL code table in Unicode terms: what each byte stands for, the combining classes of its marks
// and the NFC compositions of its letters with those marks. AnselTables.cpp holds the data and is
// made by scripts/ansel-tables.py.
#pragma once

#include <cstdint>
#include <span>

namespace kinshelf {

// An ANSEL byte and the code point it stands for.
struct AnselCharacter {
  unsigned char byte;
  char32_t codePoint;
};

// A combining mark and its canonical combining class (never 0).
struct CombiningMark {
  char32_t codePoint;
  std::uint8_t combiningClass;
};

// A starter and a combining mark that NFC composes into one character.
struct MarkComposition {
  char32_t base;
  char32_t mark;
  char32_t composed;
};

// Spacing characters, sorted by byte.
std::span<const AnselCharacter> AnselSpacingCodePoints();
// Combining marks, sorted by byte.
std::span<const AnselCharacter> AnselMarkCodePoints();
// The marks' combining classes, sorted by code point; besides the ANSEL marks, the marks inside the
// spacing characters that decompose.
std::span<const CombiningMark> AnselCombiningClasses();
// The spacing characters that are a letter and a mark (O and U with horn).
std::span<const MarkComposition> AnselDecompositions();
// Every composition of a starter an ANSEL text can reach with one of the marks, sorted by base, then
// mark.
std::span<const MarkComposition> AnselCompositions();

}  // namespace kinshelf
