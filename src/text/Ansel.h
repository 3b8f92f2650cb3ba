// Conversion of ANSEL text (the GEDCOM character set that puts a diacritic before its letter) to
// Windows-1252, with the tables it works from.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kinshelf {

// One ANSEL byte and the Windows-1252 byte that stands for it.
struct AnselByte {
  unsigned char ansel;
  unsigned char ansi;
};

// A combining mark, the base letter it is placed before, and the precomposed Windows-1252 letter.
struct AnselCombination {
  unsigned char mark;
  unsigned char base;
  unsigned char ansi;
};

// The text in Windows-1252, walked byte by byte:
// - a NUL ends the conversion (it and what follows are not copied);
// - a byte below 0xA2 is copied;
// - a spacing character is replaced by its Windows-1252 byte;
// - a combining mark takes the next byte as its base letter and both become one letter: the precomposed
//   one when the pair is known, else the mark's default letter where it has one, else the mark byte
//   itself (the base letter is then dropped). A mark at the end, or before a NUL, stays as it is;
// - every other byte is copied.
// The result is never longer than the input. Malformed input never fails.
std::string AnselToAnsi(std::string_view ansel);

// The tables, sorted by their ANSEL bytes and fixed for the whole run.
// Spacing characters: ANSEL letters and signs with a Windows-1252 counterpart.
std::span<const AnselByte> AnselSpacingCharacters();
// Known pairs of combining mark and base letter.
std::span<const AnselCombination> AnselCombinations();
// Marks that give one letter for any base not in the pairs (hacek, ring and cedilla).
std::span<const AnselByte> AnselMarkDefaults();

}  // namespace kinshelf
