// ANSEL to Windows-1252: spacing characters, combining marks with their letters, and what happens to
// marks without a letter, unknown bytes and NULs.
#include "text/Ansel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

namespace kinshelf {
namespace {

using namespace std::string_literals;

struct AnselCase {
  const char* label;
  std::string ansel;
  std::string ansi;
};

// Test listings show the row's label instead of its bytes.
void PrintTo(const AnselCase& row, std::ostream* out) {
  *out << row.label;
}

class AnselToAnsiTest : public testing::TestWithParam<AnselCase> {};

TEST_P(AnselToAnsiTest, Converts) {
  EXPECT_EQ(AnselToAnsi(GetParam().ansel), GetParam().ansi);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnselToAnsiTest,
    testing::Values(AnselCase{"Empty", "", ""},
                    AnselCase{"AsciiUnchanged", "Smith, John /1850/", "Smith, John /1850/"},
                    AnselCase{"BytesBelowA2Unchanged", "\x7F\x80\x9F\xA1", "\x7F\x80\x9F\xA1"},
                    AnselCase{"AcuteE",
                              "Ren\xE2"
                              "e",
                              "Ren\xE9"},
                    AnselCase{"UmlautU", "M\xE8uller", "M\xFCller"},
                    AnselCase{"DotlessIUnderCircumflex", "\xE3\xB8le", "\xEEle"},
                    AnselCase{"HacekOnOtherBaseIsCapitalS", "\xE6z", "\x8A"},
                    AnselCase{"HacekOnSmallS", "\xE6s", "\x9A"},
                    AnselCase{"RingOnOtherBaseIsCapitalA",
                              "\xEA"
                              "A",
                              "\xC5"},
                    AnselCase{"CedillaOnOtherBaseIsCapitalC", "\xF0x", "\xC7"},
                    AnselCase{"UnknownPairKeepsMarkDropsLetter", "\xE1xyz", "\xE1yz"},
                    AnselCase{"LoneMarkAtEnd", "abc\xE2", "abc\xE2"},
                    AnselCase{"MarkBeforeNulStaysAndEnds", "a\xE2\0e"s, "a\xE2"},
                    AnselCase{"MacronNotHandled",
                              "\xE5"
                              "a",
                              "\xE5"
                              "a"},
                    AnselCase{"MarkTakesMarkAsBase",
                              "\xE2\xE2"
                              "e",
                              "\xE2"
                              "e"},
                    AnselCase{"SpacingCharacter", "\xA5lfric", "\xC6lfric"},
                    AnselCase{"UnknownHighBytePasses", "\xA7\xFF", "\xA7\xFF"},
                    AnselCase{"NulEndsConversion",
                              "ab\0\xE2"
                              "e"s,
                              "ab"},
                    AnselCase{"LeadingNul", "\0abc"s, ""}),
    [](const testing::TestParamInfo<AnselCase>& info) { return std::string(info.param.label); });

TEST(AnselTablesTest, EverySpacingCharacterConverts) {
  for (const AnselByte& row : AnselSpacingCharacters()) {
    EXPECT_EQ(AnselToAnsi(std::string{'x', static_cast<char>(row.ansel), 'y'}),
              (std::string{'x', static_cast<char>(row.ansi), 'y'}))
        << std::hex << int{row.ansel};
  }
}

TEST(AnselTablesTest, EveryCombinationConverts) {
  for (const AnselCombination& row : AnselCombinations()) {
    EXPECT_EQ(AnselToAnsi(std::string{static_cast<char>(row.mark), static_cast<char>(row.base), 'z'}),
              (std::string{static_cast<char>(row.ansi), 'z'}))
        << std::hex << int{row.mark} << " " << int{row.base};
  }
}

TEST(AnselTablesTest, MarkDefaultsApplyToBasesWithoutAPair) {
  for (const AnselByte& row : AnselMarkDefaults()) {
    EXPECT_EQ(AnselToAnsi(std::string{static_cast<char>(row.ansel), 'Q'}),
              std::string(1, static_cast<char>(row.ansi)))
        << std::hex << int{row.ansel};
  }
}

TEST(AnselTablesTest, SpacingCharactersAndMarksAreDistinctHighBytes) {
  std::set<unsigned char> spacing;
  for (const AnselByte& row : AnselSpacingCharacters()) {
    EXPECT_GE(row.ansel, 0xA2);
    EXPECT_TRUE(spacing.insert(row.ansel).second) << "duplicate " << std::hex << int{row.ansel};
  }
  for (const AnselCombination& row : AnselCombinations()) {
    EXPECT_GE(row.mark, 0xA2);
    EXPECT_EQ(spacing.count(row.mark), 0u) << std::hex << int{row.mark};
  }
}

// The Windows-1252 lower-case form of an upper-case letter, written out independently of the tables.
unsigned char Windows1252Lower(unsigned char upper) {
  if (upper == 0x8A || upper == 0x8C || upper == 0x8E) return static_cast<unsigned char>(upper + 0x10);
  if (upper == 0x9F) return 0xFF;
  return static_cast<unsigned char>(upper + 0x20);
}

// A mistyped letter in the pair tables shows up as an upper-case pair and a lower-case pair that are
// not each other's case forms.
TEST(AnselTablesTest, UpperAndLowerCasePairsAgree) {
  const auto combinations = AnselCombinations();
  for (const AnselCombination& upper : combinations) {
    if (upper.base < 'A' || upper.base > 'Z') continue;
    const unsigned char lowerBase = static_cast<unsigned char>(upper.base - 'A' + 'a');
    bool found = false;
    for (const AnselCombination& lower : combinations) {
      if (lower.mark != upper.mark || lower.base != lowerBase) continue;
      found = true;
      EXPECT_EQ(lower.ansi, Windows1252Lower(upper.ansi)) << std::hex << int{upper.mark} << " " << upper.base;
    }
    EXPECT_TRUE(found) << "no lower-case pair for " << std::hex << int{upper.mark} << " " << upper.base;
  }
}

TEST(AnselTablesTest, DotlessIActsAsI) {
  for (const AnselCombination& row : AnselCombinations()) {
    if (row.base != 'i') continue;
    EXPECT_EQ(AnselToAnsi(std::string{static_cast<char>(row.mark), '\xB8'}),
              std::string(1, static_cast<char>(row.ansi)))
        << std::hex << int{row.mark};
  }
}

}  // namespace
}  // namespace kinshelf
