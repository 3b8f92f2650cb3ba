// Text tables and the cutting of long texts: a huge cell is cut, never inside a character, and does
// not widen the other rows.
#include "cli/TextTable.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cli/OutputBuffer.h"
#include "cli/TerminalText.h"
#include "text/Utf8.h"

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

// A cell is taken as it is only when every byte is printable: a control byte, DEL or a letter beyond
// ASCII anywhere (first, in the middle of a long cell, last) is found, and the column is padded by
// characters, not bytes.
TEST(TextTableTest, CellsAreShownAndMeasuredWhereverTheirOddByteIs) {
  struct Row {
    std::string cell;
    std::string shown;
  };
  const std::string eight = "abcdefgh";
  const Row rows[] = {
      {eight + eight, eight + eight},
      {"\x01" + eight, "^A" + eight},
      {eight + "\x1f" + eight, eight + "^_" + eight},
      {eight + eight + "\x7f", eight + eight + "^?"},
      {eight + "abc\x7f" + eight, eight + "abc^?" + eight},
      {eight + "x\ty", eight + "x y"},
      {eight + "Å" + eight, eight + "Å" + eight},
      {"~ ~" + eight, "~ ~" + eight},
  };
  for (const Row& row : rows) {
    TextTable table({"Cell", "End"}, {TextTable::Align::kLeft, TextTable::Align::kLeft});
    table.AddRow({row.cell, "|"});
    table.AddRow({std::string(30, 'w'), "|"});
    std::ostringstream out;
    table.Write(out);
    const std::size_t padding = 30 - DisplayLength(row.shown);
    EXPECT_NE(out.str().find("\n" + row.shown + std::string(padding + 2, ' ') + "|\n"), std::string::npos)
        << out.str();
  }
}

// A control character, a delete, an accented letter or a stray byte anywhere in a cell of any
// length up to the cut: the cell shows as TerminalText shows it, its column as wide as its characters.
TEST(TextTableTest, EveryByteOfACellIsLookedAtWhereverItFalls) {
  using Align = TextTable::Align;
  for (const std::string odd : {"\x01", "\x1f", "\x7f", "\xc3\xa9", "\xff"}) {
    for (std::size_t size = 1; size <= 40; ++size) {
      for (std::size_t at = 0; at + 1 <= size; ++at) {
        const std::string cell = std::string(at, 'a') + odd + std::string(size - at - 1, 'b');
        TextTable table({"H", "E"}, {Align::kLeft, Align::kLeft});
        table.AddRow({cell, "e"});
        std::ostringstream out;
        table.Write(out);
        const std::string shown = TerminalText(cell);
        const std::string rule(DisplayLength(shown), '-');
        ASSERT_EQ(out.str(), "H" + std::string(rule.size() - 1, ' ') + "  E\n" + rule + "  -\n" + shown + "  e\n")
            << size << " " << at;
      }
    }
  }
}

// Rows made in a table of their own and added whole read as if each had been added alone.
TEST(TextTableTest, RowsAddedWholeMatchRowsAddedOneByOne) {
  const std::vector<std::vector<std::string>> rows{{"1", "Åsa"}, {"22", std::string(80, 'x')}, {"3", "a\tb"}};
  TextTable single({"N", "Name"}, {TextTable::Align::kRight, TextTable::Align::kLeft});
  TextTable whole({"N", "Name"}, {TextTable::Align::kRight, TextTable::Align::kLeft});
  TextTable part({"N", "Name"}, {TextTable::Align::kRight, TextTable::Align::kLeft});
  whole.AddRow(rows[0]);
  single.AddRow(rows[0]);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    single.AddRow(rows[i]);
    part.AddRow(rows[i]);
  }
  whole.AddRows(std::move(part));
  whole.AddRow({"4", "last"});
  single.AddRow({"4", "last"});
  std::ostringstream expected;
  std::ostringstream actual;
  single.Write(expected);
  whole.Write(actual);
  EXPECT_EQ(actual.str(), expected.str());
}

// The cells of `rows` one after another in one text, and their ends, as the people listing hands
// its chunks' lines over.
std::pair<OutputBuffer, std::vector<std::size_t>> RowsText(const std::vector<std::vector<std::string>>& rows) {
  OutputBuffer text;
  std::vector<std::size_t> ends;
  for (const auto& row : rows) {
    for (const std::string& cell : row) {
      text.Append(cell);
      ends.push_back(text.View().size());
    }
  }
  return {std::move(text), ends};
}

// Rows handed over in one text read as if each had been added alone: rows shown as they are, rows
// cut or made visible (written again after the text), and a row added after them.
TEST(TextTableTest, RowsTakenOverInOneTextMatchRowsAddedOneByOne) {
  const std::string longAscii(TextTable::kCellLimit + 1, 'x');
  std::string accents;
  for (std::size_t i = 0; i < TextTable::kCellLimit; ++i) accents += "é";  // over the limit in bytes only
  const std::vector<std::vector<std::vector<std::string>>> cases{
      {{"1", "Ann", "a"}, {"22", "", "b c"}, {"3", "Bo", ""}},
      {{"1", "Åsa", "Malmö"}, {"2", accents, "x"}},
      {{"1", longAscii, "a"}, {"2", "Bo", std::string(TextTable::kLastCellLimit + 5, 'p')}},
      {{"1", "a\tb", "x"}, {"2", "ok", "y"}, {"3", "c\x01", "z"}},
      {{"1", "tail\xc3", "\xa9head"}, {"2", "\xff", "\x7f"}},
      {{"1", "trailing  ", "  "}, {"", "", ""}},
  };
  for (const auto& rows : cases) {
    TextTable single({"N", "Name", "Place"}, {TextTable::Align::kRight, TextTable::Align::kLeft, TextTable::Align::kLeft});
    TextTable taken({"N", "Name", "Place"}, {TextTable::Align::kRight, TextTable::Align::kLeft, TextTable::Align::kLeft});
    for (const auto& row : rows) single.AddRow(row);
    auto [text, ends] = RowsText(rows);
    taken.AddRows(std::move(text), ends, false);
    single.AddRow({"9", "last", "row"});
    taken.AddRow({"9", "last", "row"});
    std::ostringstream expected;
    std::ostringstream actual;
    single.Write(expected);
    taken.Write(actual);
    EXPECT_EQ(actual.str(), expected.str()) << rows[0][1];
  }
}

// Rows of random pieces, `cells` cells each, lengths around the limits. Without `wellFormed`, any
// bytes: controls, UTF-8, stray bytes, blanks; with it, only well-formed UTF-8.
std::vector<std::vector<std::string>> RandomRows(std::mt19937& random, std::size_t count, std::size_t cells,
                                                 bool wellFormed) {
  const std::string pieces[] = {"a", "Z", " ", "\t", "\x01", "\x7f", "\xc3\xa9", "\xe2\x80\xa6", "\xff", "\xc3"};
  const std::size_t kinds = std::size(pieces) - (wellFormed ? 2 : 0);
  std::vector<std::vector<std::string>> rows(count);
  for (auto& row : rows) {
    for (std::size_t column = 0; column < cells; ++column) {
      std::string cell;
      const std::size_t length = random() % 3 == 0 ? random() % 300 : random() % 12;
      while (cell.size() < length) cell += random() % 4 == 0 ? pieces[random() % kinds] : "x";
      row.push_back(cell);
    }
  }
  return rows;
}

TextTable NamesAndPlaces() {
  return TextTable({"N", "Name", "Place"},
                   {TextTable::Align::kRight, TextTable::Align::kLeft, TextTable::Align::kLeft});
}

std::string Written(const TextTable& table) {
  std::ostringstream out;
  table.Write(out);
  return out.str();
}

// Random rows handed over in one text read as if each had been added alone, whether or not the
// text is said to be well-formed UTF-8 (widths are then counted the quick way).
TEST(TextTableTest, RandomRowsTakenOverMatchRowsAddedOneByOne) {
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    const bool wellFormed = round % 2 == 1;
    const auto rows = RandomRows(random, 1 + random() % 6, 3, wellFormed);
    TextTable single = NamesAndPlaces();
    TextTable taken = NamesAndPlaces();
    for (const auto& row : rows) single.AddRow(row);
    auto [text, ends] = RowsText(rows);
    taken.AddRows(std::move(text), ends, wellFormed);
    ASSERT_EQ(Written(taken), Written(single)) << round;
  }
}

// A UTF-8 sequence cut between two cells of a well-formed row leaves each cell as wide as it is
// alone: the row's cells are not counted the quick way.
TEST(TextTableTest, ASequenceCutBetweenCellsCountsAsTheCellsAlone) {
  const std::vector<std::vector<std::string>> rows = {
      {"x\xc3", "\xa9y", "z"}, {"\xe2\x80", "\xa6", "é"}, {"é", "\xc3\xa9", "\xe2\x80\xa6"}};
  TextTable single = NamesAndPlaces();
  TextTable taken = NamesAndPlaces();
  for (const auto& row : rows) single.AddRow(row);
  auto [text, ends] = RowsText(rows);
  taken.AddRows(std::move(text), ends, false);
  EXPECT_EQ(Written(taken), Written(single));
}

// Parts of a listing copied one after another, of sizes that fill the room taken for them exactly,
// leave it short, or overflow it, read as if each row had been added alone; the first part may be
// taken over whole, as the listing's first chunks are.
TEST(TextTableTest, RowsCopiedInPartsMatchRowsAddedOneByOne) {
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    TextTable single = NamesAndPlaces();
    TextTable copied = NamesAndPlaces();
    for (int part = 0; part < 12; ++part) {
      const std::size_t count = round % 3 == 0 ? 64 : random() % 2 == 0 ? 1 + random() % 200 : random() % 3;
      const auto rows = RandomRows(random, count, 3, true);
      for (const auto& row : rows) single.AddRow(row);
      auto [text, ends] = RowsText(rows);
      TextTable rowsTable = NamesAndPlaces();
      rowsTable.AddRows(std::move(text), ends, true);
      if (part == 0 && round % 2 == 0) {
        copied.AddRows(std::move(rowsTable));
      } else {
        copied.CopyRows(rowsTable);
      }
      // A row added alone between copies goes into the block the copies have room in.
      if (part % 5 == 2) {
        const std::vector<std::string> alone{"7", std::string(part * 9, 'w'), "alone"};
        single.AddRow(alone);
        copied.AddRow(alone);
      }
    }
    single.AddRow({"9", "last", "row"});
    copied.AddRow({"9", "last", "row"});
    ASSERT_EQ(Written(copied), Written(single)) << round;
  }
}

TEST(TextTableTest, RowsOfTheWrongShapeAreRefused) {
  using Align = TextTable::Align;
  EXPECT_THROW(TextTable({}, {}), std::invalid_argument);
  EXPECT_THROW(TextTable({"N", "Name"}, {Align::kRight}), std::invalid_argument);
  EXPECT_THROW(TextTable({std::string(256, 'H'), "B"}, {Align::kLeft, Align::kLeft}), std::invalid_argument);
  TextTable table({"N", "Name"}, {TextTable::Align::kRight, TextTable::Align::kLeft});
  EXPECT_THROW(table.CopyRows(table), std::invalid_argument);
  auto [text, ends] = RowsText({{"1", "Ann"}, {"2", "Bo"}});
  const std::vector<std::size_t> odd(ends.begin(), ends.end() - 1);
  EXPECT_THROW(table.AddRows(OutputBuffer(), odd, false), std::invalid_argument);
  const std::vector<std::size_t> backwards{1, 4, 3, 4};
  EXPECT_THROW(table.AddRows(std::move(text), backwards, false), std::invalid_argument);
}

// A table of many rows, added in parts as the people listing adds them, keeps every row once and in
// order, its rows laid out in several runs.
TEST(TextTableTest, ManyRowsAddedInPartsComeOutInOrder) {
  constexpr std::size_t kRows = 100000;
  constexpr std::size_t kPartRows = 3000;
  const auto name = [](std::size_t row) {
    return "person " + std::to_string(row) + std::string(row % 50, 'x');
  };
  TextTable table({"N", "Name"}, {TextTable::Align::kRight, TextTable::Align::kLeft});
  for (std::size_t first = 0; first < kRows; first += kPartRows) {
    // Parts come both as tables and as texts.
    std::vector<std::vector<std::string>> rows;
    for (std::size_t row = first; row < std::min(kRows, first + kPartRows); ++row)
      rows.push_back({std::to_string(row), name(row)});
    if (first / kPartRows % 2 == 0) {
      TextTable part({"N", "Name"}, {TextTable::Align::kRight, TextTable::Align::kLeft});
      for (const auto& row : rows) part.AddRow(row);
      table.AddRows(std::move(part));
    } else {
      auto [text, ends] = RowsText(rows);
      table.AddRows(std::move(text), ends, false);
    }
  }
  std::ostringstream out;
  table.Write(out);
  std::istringstream lines(out.str());
  std::string line;
  std::getline(lines, line);
  std::getline(lines, line);
  std::size_t row = 0;
  for (; std::getline(lines, line); ++row) {
    const std::string index = std::to_string(row);
    ASSERT_EQ(line, std::string(5 - index.size(), ' ') + index + "  " + name(row)) << row;
  }
  EXPECT_EQ(row, kRows);
}

}  // namespace
}  // namespace kinshelf::cli
