// ANSEL to UTF-8: every byte's character, marks composed with the letter after them as NFC does,
// marks without a letter, undefined bytes, and valid NFC for any input.
#include "text/AnselUtf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "text/AnselTables.h"
#include "text/Utf8.h"

namespace kinshelf {
namespace {

using namespace std::string_literals;

const std::string kReplacement = "\xEF\xBF\xBD";
const std::string kNoBreakSpace = "\xC2\xA0";

struct DecodeCase {
  const char* label;
  std::string ansel;
  std::string utf8;
};

// Test listings show the row's label instead of its bytes.
void PrintTo(const DecodeCase& row, std::ostream* out) {
  *out << row.label;
}

class AnselToUtf8Test : public testing::TestWithParam<DecodeCase> {};

TEST_P(AnselToUtf8Test, Decodes) {
  EXPECT_EQ(AnselToUtf8(GetParam().ansel), GetParam().utf8);
}

std::string Label(const testing::TestParamInfo<DecodeCase>& info) {
  return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(Plain, AnselToUtf8Test,
                         testing::Values(DecodeCase{"Empty", "", ""},
                                         DecodeCase{"Ascii", "Smith, John /1850/", "Smith, John /1850/"},
                                         DecodeCase{"ControlsAndNulPass", "a\0b\t\r\n\x7F"s,
                                                    "a\0b\t\r\n\x7F"s},
                                         DecodeCase{"SpacingLetters", "Ca\xB1\xA1", "Ca\xC5\x82\xC5\x81"},
                                         DecodeCase{"SpacingLetterInWord", "\xA5lfric", "\xC3\x86lfric"}),
                         Label);

// Expected texts written out as NFC makes them.
INSTANTIATE_TEST_SUITE_P(
    Composed, AnselToUtf8Test,
    testing::Values(DecodeCase{"AcuteE",
                               "Ren\xE2"
                               "e",
                               "Ren\xC3\xA9"},
                    DecodeCase{"AcuteCapitalC",
                               "\xE2"
                               "C",
                               "\xC4\x86"},
                    DecodeCase{"Cwikla",
                               "\xE2"
                               "Cwik\xB1"
                               "a",
                               "\xC4\x86wik\xC5\x82"
                               "a"},
                    DecodeCase{"BreveA",
                               "\xE6"
                               "a",
                               "\xC4\x83"},
                    DecodeCase{"CaronZ", "\xE9z", "\xC5\xBE"},
                    DecodeCase{"CaronCapitalS", "\xE9S", "\xC5\xA0"},
                    DecodeCase{"RingCapitalA",
                               "\xEA"
                               "A",
                               "\xC3\x85"},
                    DecodeCase{"CedillaC", "Fran\xF0\x63ois", "Fran\xC3\xA7ois"},
                    DecodeCase{"OgonekE",
                               "\xF1"
                               "e",
                               "\xC4\x99"},
                    DecodeCase{"DoubleAcuteO", "Erd\xEEos", "Erd\xC5\x91s"},
                    DecodeCase{"DotAboveCapitalI", "\xE7I", "\xC4\xB0"},
                    DecodeCase{"HookAboveA",
                               "\xE0"
                               "a",
                               "\xE1\xBA\xA3"},
                    DecodeCase{"UmlautAfterText", "M\xE8uller", "M\xC3\xBCller"},
                    DecodeCase{"AcuteOnSlashedO", "\xE2\xA2", "\xC7\xBE"},
                    DecodeCase{"MacronOnAE", "\xE5\xA5", "\xC7\xA2"},
                    DecodeCase{"AcuteOnOWithHorn", "\xE2\xAC", "\xE1\xBB\x9A"},
                    DecodeCase{"DotBelowOnUWithHorn", "\xF2\xBD", "\xE1\xBB\xB1"},
                    DecodeCase{"OgonekGoesBeforeTheHorn", "\xF1\xAC", "\xC7\xAA\xCC\x9B"},
                    DecodeCase{"NoPrecomposedCapitalJWithCaron", "\xE9J", "J\xCC\x8C"},
                    DecodeCase{"PrecomposedSmallJWithCaron", "\xE9j", "\xC7\xB0"},
                    DecodeCase{"MarkOnADigit",
                               "\xE2"
                               "1",
                               "1\xCC\x81"},
                    DecodeCase{"DotlessIKeepsItsMark", "\xE2\xB8", "\xC4\xB1\xCC\x81"},
                    DecodeCase{"LigatureHalves", "\xEBt\xECs", "t\xEF\xB8\xA0s\xEF\xB8\xA1"}),
    Label);

// Several marks before one letter: all go after it, in canonical order, composed as far as NFC goes.
INSTANTIATE_TEST_SUITE_P(
    Stacked, AnselToUtf8Test,
    testing::Values(DecodeCase{"UmlautMacronA",
                               "\xE8\xE5"
                               "a",
                               "\xC7\x9F"},
                    DecodeCase{"MacronUmlautAStopsAtMacron",
                               "\xE5\xE8"
                               "a",
                               "\xC4\x81\xCC\x88"},
                    DecodeCase{"CircumflexAcuteE",
                               "\xE3\xE2"
                               "e",
                               "\xE1\xBA\xBF"},
                    DecodeCase{"CircumflexThenDotBelowA",
                               "\xE3\xF2"
                               "a",
                               "\xE1\xBA\xAD"},
                    DecodeCase{"DotBelowThenAcuteO", "\xF2\xE2o", "\xE1\xBB\x8D\xCC\x81"},
                    DecodeCase{"AcuteThenDotBelowO", "\xE2\xF2o", "\xE1\xBB\x8D\xCC\x81"},
                    DecodeCase{"AcuteAndCedillaC",
                               "\xE2\xF0"
                               "c",
                               "\xE1\xB8\x89"},
                    DecodeCase{"HighCommaAfterAcute", "\xED\xE2o", "\xC3\xB3\xCC\x95"},
                    DecodeCase{"TildeOverDotBelowN", "\xE4\xF2n", "\xE1\xB9\x87\xCC\x83"},
                    DecodeCase{"CandrabinduBlocksAcute",
                               "\xEF\xE2"
                               "a",
                               "a\xCC\x90\xCC\x81"},
                    DecodeCase{"CaronBlockedByDotAbove", "\xE7\xE9Z", "\xC5\xBB\xCC\x8C"},
                    DecodeCase{"ThreeMarksU", "\xE8\xE2\xF2u", "\xE1\xBB\xA5\xCC\x88\xCC\x81"}),
    Label);

// Marks with no letter after them stand on a no-break space; the byte after them is kept.
INSTANTIATE_TEST_SUITE_P(
    LoneMarks, AnselToUtf8Test,
    testing::Values(DecodeCase{"AtTheEnd", "abc\xE2", "abc" + kNoBreakSpace + "\xCC\x81"},
                    DecodeCase{"Alone", "\xE8", kNoBreakSpace + "\xCC\x88"},
                    DecodeCase{"BeforeASpace", "\xE2 x", kNoBreakSpace + "\xCC\x81 x"},
                    DecodeCase{"BeforeALineBreak", "a\xE2\r\nb", "a" + kNoBreakSpace + "\xCC\x81\r\nb"},
                    DecodeCase{"BeforeANul", "\xE2\0e"s, kNoBreakSpace + "\xCC\x81\0e"s},
                    DecodeCase{"BeforeDelete", "\xE2\x7F", kNoBreakSpace + "\xCC\x81\x7F"},
                    DecodeCase{"BeforeAnUndefinedByte", "\xE2\xFF",
                               kNoBreakSpace + "\xCC\x81" + kReplacement},
                    DecodeCase{"TwoInCanonicalOrder", "\xE2\xF2", kNoBreakSpace + "\xCC\xA3\xCC\x81"},
                    DecodeCase{"SameClassInWrittenOrder", "\xE2\xE8", kNoBreakSpace + "\xCC\x81\xCC\x88"}),
    Label);

INSTANTIATE_TEST_SUITE_P(Undefined, AnselToUtf8Test,
                         testing::Values(DecodeCase{"C1Byte", "a\x80z", "a" + kReplacement + "z"},
                                         DecodeCase{"BeforeALetterTakesNoMark",
                                                    "\xC9"
                                                    "e",
                                                    kReplacement + "e"},
                                         DecodeCase{"UndefinedMarkByteIsNoMark",
                                                    "\xFC"
                                                    "e",
                                                    kReplacement + "e"},
                                         DecodeCase{"LastByte", "\xFF", kReplacement},
                                         DecodeCase{"Runs", "\xA0\xAF\xBB",
                                                    kReplacement + kReplacement + kReplacement}),
                         Label);

struct ByteCase {
  unsigned char byte;
  const char* utf8;  // what the byte alone gives
};

// Test listings show the byte instead of the row's memory.
void PrintTo(const ByteCase& row, std::ostream* out) {
  *out << std::hex << int{row.byte};
}

class AnselByteTest : public testing::TestWithParam<ByteCase> {};

// Between a letter and a space, so that a mark has no letter to go on.
TEST_P(AnselByteTest, StandsForItsCharacter) {
  const std::string ansel{'x', static_cast<char>(GetParam().byte), ' '};
  EXPECT_EQ(AnselToUtf8(ansel), "x"s + GetParam().utf8 + " ");
}

std::string ByteLabel(const testing::TestParamInfo<ByteCase>& info) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {'x', kDigits[info.param.byte >> 4], kDigits[info.param.byte & 0xF]};
}

// Every byte of the spacing range, the table written out as characters.
INSTANTIATE_TEST_SUITE_P(
    Spacing, AnselByteTest,
    testing::Values(ByteCase{0xA0, "\uFFFD"}, ByteCase{0xA1, "Ł"}, ByteCase{0xA2, "Ø"}, ByteCase{0xA3, "Đ"},
                    ByteCase{0xA4, "Þ"}, ByteCase{0xA5, "Æ"}, ByteCase{0xA6, "Œ"}, ByteCase{0xA7, "ʹ"},
                    ByteCase{0xA8, "·"}, ByteCase{0xA9, "♭"}, ByteCase{0xAA, "®"}, ByteCase{0xAB, "±"},
                    ByteCase{0xAC, "Ơ"}, ByteCase{0xAD, "Ư"}, ByteCase{0xAE, "ʼ"}, ByteCase{0xAF, "\uFFFD"},
                    ByteCase{0xB0, "ʻ"}, ByteCase{0xB1, "ł"}, ByteCase{0xB2, "ø"}, ByteCase{0xB3, "đ"},
                    ByteCase{0xB4, "þ"}, ByteCase{0xB5, "æ"}, ByteCase{0xB6, "œ"}, ByteCase{0xB7, "ʺ"},
                    ByteCase{0xB8, "ı"}, ByteCase{0xB9, "£"}, ByteCase{0xBA, "ð"}, ByteCase{0xBB, "\uFFFD"},
                    ByteCase{0xBC, "ơ"}, ByteCase{0xBD, "ư"}, ByteCase{0xBE, "\uFFFD"},
                    ByteCase{0xBF, "\uFFFD"}, ByteCase{0xC0, "°"}, ByteCase{0xC1, "ℓ"}, ByteCase{0xC2, "℗"},
                    ByteCase{0xC3, "©"}, ByteCase{0xC4, "♯"}, ByteCase{0xC5, "¿"}, ByteCase{0xC6, "¡"},
                    ByteCase{0xC7, "ß"}, ByteCase{0xC8, "€"}, ByteCase{0xC9, "\uFFFD"},
                    ByteCase{0xCE, "\uFFFD"}, ByteCase{0xCF, "ß"}, ByteCase{0xD0, "\uFFFD"},
                    ByteCase{0xDF, "\uFFFD"}),
    ByteLabel);

// Every mark byte alone, shown on a no-break space.
INSTANTIATE_TEST_SUITE_P(Marks, AnselByteTest,
                         testing::Values(ByteCase{0xE0, "\u00A0\u0309"}, ByteCase{0xE1, "\u00A0\u0300"},
                                         ByteCase{0xE2, "\u00A0\u0301"}, ByteCase{0xE3, "\u00A0\u0302"},
                                         ByteCase{0xE4, "\u00A0\u0303"}, ByteCase{0xE5, "\u00A0\u0304"},
                                         ByteCase{0xE6, "\u00A0\u0306"}, ByteCase{0xE7, "\u00A0\u0307"},
                                         ByteCase{0xE8, "\u00A0\u0308"}, ByteCase{0xE9, "\u00A0\u030C"},
                                         ByteCase{0xEA, "\u00A0\u030A"}, ByteCase{0xEB, "\u00A0\uFE20"},
                                         ByteCase{0xEC, "\u00A0\uFE21"}, ByteCase{0xED, "\u00A0\u0315"},
                                         ByteCase{0xEE, "\u00A0\u030B"}, ByteCase{0xEF, "\u00A0\u0310"},
                                         ByteCase{0xF0, "\u00A0\u0327"}, ByteCase{0xF1, "\u00A0\u0328"},
                                         ByteCase{0xF2, "\u00A0\u0323"}, ByteCase{0xF3, "\u00A0\u0324"},
                                         ByteCase{0xF4, "\u00A0\u0325"}, ByteCase{0xF5, "\u00A0\u0333"},
                                         ByteCase{0xF6, "\u00A0\u0332"}, ByteCase{0xF7, "\u00A0\u0326"},
                                         ByteCase{0xF8, "\u00A0\u031C"}, ByteCase{0xF9, "\u00A0\u032E"},
                                         ByteCase{0xFA, "\u00A0\uFE22"}, ByteCase{0xFB, "\u00A0\uFE23"},
                                         ByteCase{0xFC, "\uFFFD"}, ByteCase{0xFD, "\uFFFD"},
                                         ByteCase{0xFE, "\u00A0\u0313"}, ByteCase{0xFF, "\uFFFD"}),
                         ByteLabel);

// Every byte of 0x80-0x9F is undefined.
INSTANTIATE_TEST_SUITE_P(HighControls, AnselByteTest, testing::ValuesIn([] {
                           std::vector<ByteCase> rows;
                           for (int byte = 0x80; byte < 0xA0; ++byte)
                             rows.push_back({static_cast<unsigned char>(byte), "\uFFFD"});
                           return rows;
                         }()),
                         ByteLabel);

// The code points of well-formed UTF-8, or nothing when a byte is not part of a well-formed sequence.
std::vector<char32_t> CodePoints(std::string_view utf8) {
  std::vector<char32_t> points;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t length = Utf8SequenceLength(utf8, pos);
    if (length == 0) return {};
    points.push_back(Utf8CodePoint(utf8, pos, length));
    pos += length;
  }
  return points;
}

std::uint8_t ClassOf(char32_t c) {
  for (const CombiningMark& mark : AnselCombiningClasses()) {
    if (mark.codePoint == c) return mark.combiningClass;
  }
  return 0;
}

bool Composes(char32_t base, char32_t mark) {
  const auto table = AnselCompositions();
  return std::any_of(table.begin(), table.end(),
                     [&](const MarkComposition& row) { return row.base == base && row.mark == mark; });
}

// Bytes drawn mostly from the interesting ranges: marks, spacing characters, letters, and a few
// spaces, controls and undefined bytes.
std::string RandomAnsel(std::mt19937& random) {
  static constexpr unsigned char kPicks[] = {'a',  'e',  'o',  'u',  'C',  'Z',  'j',  'J',
                                             'i',  '1',  ' ',  '\n', 0,    0xA2, 0xA5, 0xAC,
                                             0xBD, 0xB8, 0xCF, 0x80, 0xC9, 0xFC, 0xFF};
  std::uniform_int_distribution<int> length(0, 24);
  std::uniform_int_distribution<int> kind(0, 2);
  std::uniform_int_distribution<int> mark(0xE0, 0xFE);
  std::uniform_int_distribution<int> any(0, 255);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kPicks) - 1);
  std::string text;
  for (int n = length(random); n > 0; --n) {
    const int k = kind(random);
    const int byte = k == 0 ? mark(random) : k == 1 ? kPicks[pick(random)] : any(random);
    text += static_cast<char>(byte);
  }
  return text;
}

// What NFC requires of the result, checked on its code points: marks in canonical order, none that
// could still compose with its letter, and every mark on a letter or the no-break space.
TEST(AnselToUtf8Property, RandomBytesGiveValidNfc) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 20000; ++round) {
    const std::string ansel = RandomAnsel(random);
    const std::string utf8 = AnselToUtf8(ansel);
    const std::vector<char32_t> points = CodePoints(utf8);
    ASSERT_EQ(points.empty(), utf8.empty()) << "invalid UTF-8 from round " << round;
    char32_t starter = 0;
    std::uint8_t lastClass = 0;  // of the previous mark after the starter that stayed a mark
    for (std::size_t i = 0; i < points.size(); ++i) {
      const std::uint8_t cls = ClassOf(points[i]);
      if (cls == 0) {
        starter = points[i];
        lastClass = 0;
        continue;
      }
      ASSERT_TRUE(starter > ' ' && starter != 0x7F && starter != 0xFFFD) << "stray mark, round " << round;
      ASSERT_LE(lastClass, cls) << "marks out of canonical order, round " << round;
      ASSERT_FALSE(lastClass < cls && Composes(starter, points[i]))
          << "mark left uncomposed, round " << round;
      lastClass = cls;
    }
  }
}

}  // namespace
}  // namespace kinshelf
