// Fields of comma-separated text.
#include "text/CsvField.h"

#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace kinshelf
