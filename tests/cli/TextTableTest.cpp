// Text tables and the cutting of long texts: a huge cell is cut, never inside a character, and does
// not widen the other rows.
#include "cli/TextTable.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/TerminalText.h"

namespace kinshelf::cli {
namespace {

TEST(TextTableTest, ShortenedTextsKeepWholeCharactersUpToTheLimit) {
  struct Row {
    std::string text;
    std::size_t limit;
    std::string atEnd;
    std::string atStart;
  };
  const Row rows[] = {
      {"abcde", 5, "abcde", "abcde"},
      {"abcdef", 5, "abcd…", "…cdef"},
      {"abc", 1, "…", "…"},
      {"ÅbÅbÅ", 3, "Åb…", "…bÅ"},                         // two-byte letters count once
      {"a😀b😀c", 4, "a😀b…", "…b😀c"},                       // so do four-byte characters
      {"\xff\xfe\xfd\xfc", 3, "\xff\xfe…", "…\xfd\xfc"},  // and stray bytes, each
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ShortenedAtEnd(row.text, row.limit), row.atEnd) << row.text;
    EXPECT_EQ(ShortenedAtStart(row.text, row.limit), row.atStart) << row.text;
  }
}

TEST(TextTableTest, HugeCellsAreCutSoTheOutputStaysSmall) {
  using Align = TextTable::Align;
  TextTable table({"#", "Name", "Path"}, {Align::kRight, Align::kLeft, Align::kLeft});
  table.AddRow({"1", std::string(1 << 20, 'n'), std::string(1 << 20, 'p')});
  table.AddRow({"2", "Ann", "/a"});
  std::ostringstream out;
  table.Write(out);
  const std::string text = out.str();
  EXPECT_LT(text.size(), 1000u);
  const std::string name = std::string(TextTable::kCellLimit - 1, 'n') + "…";
  const std::string path = std::string(TextTable::kLastCellLimit - 1, 'p') + "…";
  EXPECT_NE(text.find("\n1  " + name + "  " + path + "\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\n2  Ann" + std::string(TextTable::kCellLimit - 3, ' ') + "  /a\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kinshelf::cli
