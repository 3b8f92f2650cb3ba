// Splitting date phrases into tokens: fixed layouts by position, any other text at separators.
#include "model/dates/DateTokens.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kinshelf {
namespace {

struct TokenRow {
  const char* label;
  const char* text;
  const char* tokens;   // joined by "|"
  const char* numeric;  // one 1 or 0 per token
};

void PrintTo(const TokenRow& row, std::ostream* out) {
  *out << row.label;
}

class DateTokensTest : public testing::TestWithParam<TokenRow> {};

TEST_P(DateTokensTest, Splits) {
  const auto tokens = DateTokens::Split(GetParam().text);
  std::string joined;
  std::string numeric;
  for (std::size_t i = 0; i < tokens.Count(); ++i) {
    joined += (i == 0 ? "" : "|") + std::string(tokens.Text(i));
    numeric += tokens.Numeric(i) ? '1' : '0';
  }
  EXPECT_EQ(joined, GetParam().tokens);
  EXPECT_EQ(numeric, GetParam().numeric);
}

std::string Label(const testing::TestParamInfo<TokenRow>& info) {
  return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DateTokensTest,
    testing::Values(TokenRow{"TwoYearsWithDot", "1750.1751", "1750|1751", "10"},
                    TokenRow{"DayMonthYear", "12/03/1950", "1950|12|03", "100"},
                    TokenRow{"DayShortMonthYear", "12/3/1950", "1950|12|3", "100"},
                    TokenRow{"ShortDayMonthYear", "1.12.1950", "1950|1|12", "100"},
                    TokenRow{"MonthYearLettersLeaveEmptyToken", "AB/1950", "|1950", "10"},
                    TokenRow{"LayoutNeedsItsExactLength", "12/03/19501", "12|03|19501", "111"}),
    Label);

INSTANTIATE_TEST_SUITE_P(
    Separators, DateTokensTest,
    testing::Values(TokenRow{"Blank", "ABT 1850", "ABT|1850", "01"},
                    TokenRow{"SlashAndDash", "1-JAN/1900", "1|JAN|1900", "101"},
                    TokenRow{"RunsLeadingAndTrailingLeaveNoEmptyToken", " -/1  2/ ", "1|2", "11"},
                    TokenRow{"EmptyTextLeavesOneEmptyNumericToken", "", "", "1"},
                    TokenRow{"LongTokenCutAtSeven", "12345678 ABCDEFGHIJ", "1234567|ABCDEFG", "10"},
                    TokenRow{"DroppedLetterClearsNumericMark", "1234567X", "1234567", "0"},
                    TokenRow{"AtMostFourteenTokens", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16",
                             "1|2|3|4|5|6|7|8|9|10|11|12|13|14", "11111111111111"}),
    Label);

TEST(DateTokensBoundsTest, PastTheLastTokenIsEmptyAndNotNumeric) {
  const auto tokens = DateTokens::Split("1 2 3 4 5 6 7 8 9 10 11 12 13 14");
  ASSERT_EQ(tokens.Count(), DateTokens::kMaxTokens);
  EXPECT_EQ(tokens.Text(DateTokens::kMaxTokens), "");
  EXPECT_FALSE(tokens.Numeric(DateTokens::kMaxTokens));
  EXPECT_EQ(tokens.Text(static_cast<std::size_t>(-1)), "");
}

}  // namespace
}  // namespace kinshelf
