// Text tables and the cutting of long texts: a huge cell is cut, never split inside a character,
// and does not widen the other rows.
#include "cli/TextTable.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/TerminalText.h"
#include "text/Utf8.h"

namespace kinshelf::cli {
namespace {

struct CutRow {
  const char* rule;
  std::string text;
  std::size_t limit;
  std::string atEnd;
  std::string atStart;
};

class ShortenedTest : public testing::TestWithParam<CutRow> {};

TEST_P(ShortenedTest, KeepsWholeCharactersUpToTheLimit) {
  const CutRow& row = GetParam();
  EXPECT_EQ(ShortenedAtEnd(row.text, row.limit), row.atEnd);
  EXPECT_EQ(ShortenedAtStart(row.text, row.limit), row.atStart);
  EXPECT_LE(DisplayLength(ShortenedAtEnd(row.text, row.limit)), row.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortenedTest,
    testing::Values(CutRow{"Shorter", "abc", 5, "abc", "abc"},
                    CutRow{"ExactlyTheLimit", "abcde", 5, "abcde", "abcde"},
                    CutRow{"OneOver", "abcdef", 5, "abcd…", "…cdef"}, CutRow{"LimitOne", "abc", 1, "…", "…"},
                    CutRow{"Empty", "", 3, "", ""},
                    CutRow{"TwoByteLettersCountOnce", "ÅÅÅÅ", 4, "ÅÅÅÅ", "ÅÅÅÅ"},
                    CutRow{"CutBetweenLetters", "ÅbÅbÅ", 3, "Åb…", "…bÅ"},
                    CutRow{"FourByteCharacter", "a😀b😀c", 4, "a😀b…", "…b😀c"},
                    CutRow{"StrayBytesCountOnceEach", "\xff\xfe\xfd\xfc", 3, "\xff\xfe…", "…\xfd\xfc"}),
    [](const auto& info) { return std::string(info.param.rule); });

std::string Written(const TextTable& table) {
  std::ostringstream out;
  table.Write(out);
  return out.str();
}

TEST(TextTableTest, AHugeCellIsCutAndDoesNotPadTheOtherRows) {
  TextTable table({"Index", "Name", "Birth"},
                  {TextTable::Align::kRight, TextTable::Align::kLeft, TextTable::Align::kLeft});
  table.AddRow({"1", std::string(1 << 20, 'N'), "1900"});
  table.AddRow({"2", "Ann", "1901"});
  const std::string text = Written(table);
  EXPECT_LT(text.size(), 400u) << text.substr(0, 400);
  const std::string cut = std::string(TextTable::kCellLimit - 1, 'N') + "…";
  EXPECT_NE(text.find("    1  " + cut + "  1900\n"), std::string::npos);
  EXPECT_NE(text.find("    2  Ann" + std::string(TextTable::kCellLimit - 3, ' ') + "  1901\n"),
            std::string::npos);
}

TEST(TextTableTest, TheLastColumnKeepsLongerCellsButStillCutsThem) {
  TextTable table({"#", "Entry"}, {TextTable::Align::kRight, TextTable::Align::kLeft});
  const std::string path = "/" + std::string(TextTable::kLastCellLimit - 1, 'p');
  table.AddRow({"1", path});
  table.AddRow({"2", "/" + std::string(1 << 20, 'q')});
  const std::string text = Written(table);
  EXPECT_NE(text.find("1  " + path + "\n"), std::string::npos);
  EXPECT_NE(text.find("2  /" + std::string(TextTable::kLastCellLimit - 2, 'q') + "…\n"), std::string::npos);
  EXPECT_LT(text.size(), 4 * TextTable::kLastCellLimit);
}

TEST(TextTableTest, ControlCharactersAreShownBeforeTheCellIsCut) {
  TextTable table({"Name", "Note"}, {TextTable::Align::kLeft, TextTable::Align::kLeft});
  table.AddRow({std::string(TextTable::kCellLimit - 2, 'a') + "\x1b[31m", "x"});
  const std::string text = Written(table);
  EXPECT_EQ(text.find('\x1b'), std::string::npos);
  EXPECT_NE(text.find(std::string(TextTable::kCellLimit - 2, 'a') + "^…  x\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace kinshelf::cli
