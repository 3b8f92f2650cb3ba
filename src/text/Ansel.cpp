// Conversion of ANSEL text (the GEDCOM character set that puts a diacritic before its letter) to
// Windows-1252, with the tables it works from.
#include "text/Ansel.h"

#include <algorithm>
#include <array>

namespace kinshelf {

namespace {

constexpr AnselByte kSpacing[] = {
    {0xA2, 0xD8},  // slash O -> Ø
    {0xA3, 0xD0},  // D with stroke -> Ð, the nearest Windows-1252 has
    {0xA4, 0xDE},  // thorn -> Þ
    {0xA5, 0xC6},  // AE -> Æ
    {0xA6, 0x8C},  // OE -> Œ
    {0xA8, 0xB7},  // middle dot -> ·
    {0xAB, 0xB1},  // plus or minus -> ±
    {0xB2, 0xF8},  // slash o -> ø
    {0xB4, 0xFE},  // thorn -> þ
    {0xB5, 0xE6},  // ae -> æ
    {0xB6, 0x9C},  // oe -> œ
    {0xB9, 0xA3},  // pound sign -> £
    {0xC0, 0xB0},  // degree sign -> °
    {0xC3, 0xA9},  // copyright sign -> ©
    {0xC5, 0xBF},  // inverted question mark -> ¿
    {0xC6, 0xA1},  // inverted exclamation mark -> ¡
    {0xCF, 0xDF},  // sharp s -> ß
};

// The ANSEL dotless i (0xB8) takes the same marks as "i".
constexpr AnselCombination kCombinations[] = {
    // 0xE1 grave
    {0xE1, 'A', 0xC0},
    {0xE1, 'E', 0xC8},
    {0xE1, 'I', 0xCC},
    {0xE1, 'O', 0xD2},
    {0xE1, 'U', 0xD9},
    {0xE1, 'a', 0xE0},
    {0xE1, 'e', 0xE8},
    {0xE1, 'i', 0xEC},
    {0xE1, 'o', 0xF2},
    {0xE1, 'u', 0xF9},
    {0xE1, 0xB8, 0xEC},
    // 0xE2 acute
    {0xE2, 'A', 0xC1},
    {0xE2, 'E', 0xC9},
    {0xE2, 'I', 0xCD},
    {0xE2, 'O', 0xD3},
    {0xE2, 'U', 0xDA},
    {0xE2, 'Y', 0xDD},
    {0xE2, 'a', 0xE1},
    {0xE2, 'e', 0xE9},
    {0xE2, 'i', 0xED},
    {0xE2, 'o', 0xF3},
    {0xE2, 'u', 0xFA},
    {0xE2, 'y', 0xFD},
    {0xE2, 0xB8, 0xED},
    // 0xE3 circumflex
    {0xE3, 'A', 0xC2},
    {0xE3, 'E', 0xCA},
    {0xE3, 'I', 0xCE},
    {0xE3, 'O', 0xD4},
    {0xE3, 'U', 0xDB},
    {0xE3, 'a', 0xE2},
    {0xE3, 'e', 0xEA},
    {0xE3, 'i', 0xEE},
    {0xE3, 'o', 0xF4},
    {0xE3, 'u', 0xFB},
    {0xE3, 0xB8, 0xEE},
    // 0xE4 tilde
    {0xE4, 'A', 0xC3},
    {0xE4, 'N', 0xD1},
    {0xE4, 'O', 0xD5},
    {0xE4, 'a', 0xE3},
    {0xE4, 'n', 0xF1},
    {0xE4, 'o', 0xF5},
    // 0xE6 hacek: only s and S exist in Windows-1252; every other base falls back to Š.
    {0xE6, 's', 0x9A},
    // 0xE8 umlaut
    {0xE8, 'A', 0xC4},
    {0xE8, 'E', 0xCB},
    {0xE8, 'I', 0xCF},
    {0xE8, 'O', 0xD6},
    {0xE8, 'U', 0xDC},
    {0xE8, 'Y', 0x9F},
    {0xE8, 'a', 0xE4},
    {0xE8, 'e', 0xEB},
    {0xE8, 'i', 0xEF},
    {0xE8, 'o', 0xF6},
    {0xE8, 'u', 0xFC},
    {0xE8, 'y', 0xFF},
    {0xE8, 0xB8, 0xEF},
    // 0xEA ring
    {0xEA, 'a', 0xE5},
    // 0xF0 cedilla
    {0xF0, 'c', 0xE7},
};

constexpr AnselByte kMarkDefaults[] = {
    {0xE6, 0x8A},  // hacek -> Š
    {0xEA, 0xC5},  // ring -> Å
    {0xF0, 0xC7},  // cedilla -> Ç
};

constexpr bool CombinationBefore(const AnselCombination& a, const AnselCombination& b) {
  return a.mark != b.mark ? a.mark < b.mark : a.base < b.base;
}

constexpr bool ByteBefore(const AnselByte& a, const AnselByte& b) {
  return a.ansel < b.ansel;
}

// Sorted without duplicates: the pair lookup is a binary search.
static_assert(std::adjacent_find(std::begin(kCombinations), std::end(kCombinations),
                                 [](const auto& a, const auto& b) { return !CombinationBefore(a, b); }) ==
              std::end(kCombinations));
static_assert(std::adjacent_find(std::begin(kSpacing), std::end(kSpacing), [](const auto& a, const auto& b) {
                return !ByteBefore(a, b);
              }) == std::end(kSpacing));

// What each byte of 0xA2 and above does, looked up once per byte instead of searching the tables.
struct ByteRoles {
  std::array<unsigned char, 256> spacing{};      // the Windows-1252 byte, 0 when not a spacing character
  std::array<unsigned char, 256> markDefault{};  // for a mark, what an unknown pair gives; else 0
};

constexpr ByteRoles MakeByteRoles() {
  ByteRoles roles;
  for (const AnselByte& row : kSpacing) roles.spacing[row.ansel] = row.ansi;
  for (const AnselCombination& row : kCombinations) roles.markDefault[row.mark] = row.mark;
  for (const AnselByte& row : kMarkDefaults) roles.markDefault[row.ansel] = row.ansi;
  return roles;
}

constexpr ByteRoles kRoles = MakeByteRoles();

char Combine(unsigned char mark, unsigned char base) {
  const AnselCombination key{mark, base, 0};
  const auto* found =
      std::lower_bound(std::begin(kCombinations), std::end(kCombinations), key, CombinationBefore);
  const bool known = found != std::end(kCombinations) && found->mark == mark && found->base == base;
  return static_cast<char>(known ? found->ansi : kRoles.markDefault[mark]);
}

}  // namespace

std::string AnselToAnsi(std::string_view ansel) {
  std::string ansi;
  ansi.reserve(ansel.size());
  for (std::size_t i = 0; i < ansel.size(); ++i) {
    const auto byte = static_cast<unsigned char>(ansel[i]);
    if (byte == 0) break;
    if (kRoles.spacing[byte] != 0) {
      ansi.push_back(static_cast<char>(kRoles.spacing[byte]));
    } else if (kRoles.markDefault[byte] != 0) {
      const bool baseFollows = i + 1 < ansel.size() && ansel[i + 1] != '\0';
      ansi.push_back(baseFollows ? Combine(byte, static_cast<unsigned char>(ansel[++i])) : ansel[i]);
    } else {
      ansi.push_back(ansel[i]);
    }
  }
  return ansi;
}

std::span<const AnselByte> AnselSpacingCharacters() {
  return kSpacing;
}

std::span<const AnselCombination> AnselCombinations() {
  return kCombinations;
}

std::span<const AnselByte> AnselMarkDefaults() {
  return kMarkDefaults;
}

}  // namespace kinshelf
