// Upper-casing and display conversion of collection texts in each encoding.
#include "model/TextEncoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "support/LatinTexts.h"
#include "text/Utf8.h"

namespace kinshelf {
namespace {

struct EncodingRow {
  const char* rule;
  std::string text;
  TextEncoding encoding;
  std::string upper;
  std::string display;
};

void PrintTo(const EncodingRow& row, std::ostream* out) {
  *out << row.rule;
}

class TextEncodingTest : public testing::TestWithParam<EncodingRow> {};

TEST_P(TextEncodingTest, UpperCasesAndDisplaysByEncoding) {
  EXPECT_EQ(UpperCaseText(GetParam().text, GetParam().encoding), GetParam().upper);
  EXPECT_EQ(ToDisplayUtf8(GetParam().text, GetParam().encoding), GetParam().display);
  EXPECT_EQ(ToDisplayUtf8(std::string(GetParam().text), GetParam().encoding), GetParam().display);
  // Written into room for the most it may take, with a guard byte after the room.
  std::string room(DisplayUtf8Room(GetParam().text.size(), GetParam().encoding) + 1, '#');
  char* end = PutDisplayUtf8(room.data(), GetParam().text, GetParam().encoding);
  EXPECT_EQ(std::string(room.data(), end), GetParam().display);
  EXPECT_EQ(room.back(), '#');
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextEncodingTest,
    testing::Values(
        EncodingRow{"AsciiInAnyEncoding", "smith-jones", TextEncoding::kUtf8, "SMITH-JONES", "smith-jones"},
        EncodingRow{"Windows1252Latin1Letters", "m\xFCller \xE6\xF7\xFF", TextEncoding::kWindows1252,
                    "M\xDCLLER \xC6\xF7\x9F", "müller æ÷ÿ"},
        EncodingRow{"Windows1252RunsBetweenHighBytes", "\x80long ascii run\xE9\xE8 and more than a word\x9F",
                    TextEncoding::kWindows1252, "\x80LONG ASCII RUN\xC9\xC8 AND MORE THAN A WORD\x9F",
                    "€long ascii runéè and more than a wordŸ"},
        EncodingRow{"Windows1252CaronsAndLigature", "\x9A\x9C\x9E\xDF", TextEncoding::kWindows1252,
                    "\x8A\x8C\x8E\xDF", "šœžß"},
        EncodingRow{"Utf8SameLetters", "müller šœž ÿ ß", TextEncoding::kUtf8, "MÜLLER ŠŒŽ Ÿ ß",
                    "müller šœž ÿ ß"},
        EncodingRow{"Utf8EveryScriptsLetters", "ąłō и ćwikła 中", TextEncoding::kUtf8, "ĄŁŌ И ĆWIKŁA 中",
                    "ąłō и ćwikła 中"},
        EncodingRow{"Utf8StrayBytesKept",
                    "a\xFF"
                    "b",
                    TextEncoding::kUtf8,
                    "A\xFF"
                    "B",
                    "a\xFF"
                    "b"},
        EncodingRow{"EitherReadsValidUtf8AsUtf8", "é", TextEncoding::kUtf8OrWindows1252, "É", "é"},
        EncodingRow{"EitherReadsInvalidUtf8AsWindows1252", "\xE9t\xE9", TextEncoding::kUtf8OrWindows1252,
                    "\xC9T\xC9", "été"}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST(IsValidUtf8Test, RejectsStrayAndTruncatedSequences) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("plain é 中"));
  EXPECT_FALSE(IsValidUtf8("\xE9t\xE9"));
  EXPECT_FALSE(IsValidUtf8("\xC3"));
}

// Latin text is checked sixteen bytes at a time: one odd piece anywhere in it, in a block, across
// two or at the end, is judged as a walk through its sequences judges it.
TEST(IsValidUtf8Test, JudgesLatinTextAsItsSequencesDo) {
  const auto walked = [](std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
      const std::size_t length = Utf8SequenceLength(text, pos);
      if (length == 0) return false;
      pos += length;
    }
    return true;
  };
  const std::string_view odd[] = {"\xC3",         "\xA9", "\xC0\x80", "\xDF\xBF", "€",
                                  "\xED\xA0\x80", "𝄞",    "\xFF",     "é"};
  for (const std::string& text : test::LatinTextsWithOnePiece(odd))
    ASSERT_EQ(IsValidUtf8(text), walked(text)) << text;
}

}  // namespace
}  // namespace kinshelf
