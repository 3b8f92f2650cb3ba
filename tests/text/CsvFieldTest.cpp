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

TEST(CsvFieldTest, AppendsAfterWhatIsThere) {
  std::string out = "1,";
  AppendCsvField(out, "a,b");
  out += ',';
  AppendCsvField(out, "\"x\" y");
  EXPECT_EQ(out, "1,\"a,b\",\"\"\"x\"\" y\"");
}

}  // namespace
}  // namespace kinshelf
