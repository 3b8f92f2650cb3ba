// Fields of comma-separated text.
#include "text/CsvField.h"

#include <gtest/gtest.h>

#include <string>

namespace kinshelf {
namespace {

TEST(CsvFieldTest, QuotesOnlyFieldsThatWouldSplitOrBreak) {
  EXPECT_EQ(CsvField("tree.ged"), "tree.ged");
  EXPECT_EQ(CsvField("O'Brien tree.ged"), "O'Brien tree.ged");
  EXPECT_EQ(CsvField(""), "");
  EXPECT_EQ(CsvField("Smith, John.ged"), "\"Smith, John.ged\"");
  EXPECT_EQ(CsvField("say \"hi\".ged"), "\"say \"\"hi\"\".ged\"");
  EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(CsvField("cr\r"), "\"cr\r\"");
  EXPECT_EQ(CsvField("\"\"edge\""), "\"\"\"\"\"edge\"\"\"");
}

// A byte that splits or breaks a field is found wherever it stands, in texts of every length up
// to past two sixteen-byte steps.
TEST(CsvFieldTest, AnySplittingByteAnywhereQuotesTheField) {
  for (std::size_t size = 1; size <= 40; ++size) {
    const std::string plain(size, 'a');
    EXPECT_EQ(CsvField(plain), plain);
    for (std::size_t at = 0; at < size; ++at) {
      for (const char odd : {',', '\r', '\n', '"'}) {
        std::string text = plain;
        text[at] = odd;
        std::string quoted = text;
        if (odd == '"') quoted.insert(at, 1, '"');
        EXPECT_EQ(CsvField(text), '"' + quoted + '"') << size << " " << at << " " << int{odd};
      }
    }
  }
}

// A field of quotes only takes all the room it is given, and no more.
TEST(CsvFieldTest, WritesInTheRoomItIsGiven) {
  const std::string quotes(5, '"');
  std::string room(CsvFieldRoom(quotes.size()) + 1, '#');
  char* end = PutCsvField(room.data(), quotes);
  EXPECT_EQ(std::string(room.data(), end), '"' + std::string(10, '"') + '"');
  EXPECT_EQ(room.back(), '#');
}

}  // namespace
}  // namespace kinshelf
