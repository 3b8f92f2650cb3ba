// The keyword, calendar and month tables of date phrases, and matching by a token's first four characters.
#include "model/dates/DateWords.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace kinshelf {
namespace {

void ExpectShortUpperCaseSpellings(std::span<const DateWord> table) {
  for (const DateWord& word : table) {
    EXPECT_GE(word.spelling.size(), 2U) << word.spelling;
    EXPECT_LE(word.spelling.size(), 4U) << word.spelling;
    for (char c : word.spelling)
      EXPECT_TRUE((c >= 'A' && c <= 'Z') || c == '.' || c == '@' || c == '#') << word.spelling;
    EXPECT_EQ(word.packed, PackDateWord(word.spelling));
  }
}

// Each code and how often it is spelled; a spelling meaning two codes fails at once.
std::map<int, int> CodeCounts(std::span<const DateWord> table) {
  std::map<std::uint32_t, int> codeOf;
  std::map<int, int> counts;
  for (const DateWord& word : table) {
    const auto [entry, added] = codeOf.emplace(word.packed, word.code);
    EXPECT_EQ(entry->second, word.code) << word.spelling;
    if (added) ++counts[word.code];
  }
  return counts;
}

std::map<int, int> EachOnce(int from, int to, int times = 1) {
  std::map<int, int> counts;
  for (int code = from; code <= to; ++code) counts[code] = times;
  return counts;
}

TEST(DateWordsTest, TablesHoldShortUpperCaseSpellings) {
  ExpectShortUpperCaseSpellings(QualifierWords());
  ExpectShortUpperCaseSpellings(CalendarEscapes());
  for (int calendar = kCalendarGregorian; calendar <= kCalendarUnknown; ++calendar) {
    ExpectShortUpperCaseSpellings(MonthWords(calendar));
  }
}

TEST(DateWordsTest, TablesCoverEveryCode) {
  EXPECT_EQ(CodeCounts(QualifierWords()).size(), 11U);
  EXPECT_EQ(CodeCounts(CalendarEscapes()), EachOnce(0, 5));
  // Gregorian "MAY" is listed twice but counts once.
  std::map<int, int> gregorian = EachOnce(1, 12, 2);
  gregorian[5] = 1;
  EXPECT_EQ(CodeCounts(MonthWords(kCalendarGregorian)), gregorian);
  EXPECT_EQ(CodeCounts(MonthWords(kCalendarJulian)), gregorian);
  EXPECT_EQ(CodeCounts(MonthWords(kCalendarHebrew)), EachOnce(1, 13));
  EXPECT_EQ(CodeCounts(MonthWords(kCalendarFrench)), EachOnce(1, 13));
  EXPECT_TRUE(MonthWords(kCalendarRoman).empty());
  EXPECT_TRUE(MonthWords(kCalendarUnknown).empty());
  EXPECT_TRUE(MonthWords(-1).empty());
}

TEST(DateWordsTest, TokensMatchByTheirFirstFourCharacters) {
  EXPECT_EQ(QualifierCode("BEFORE"), kQualifierBefore);
  EXPECT_EQ(QualifierCode("AROUND"), kQualifierAbout);
  EXPECT_EQ(QualifierCode("TO"), kQualifierTo);
  EXPECT_EQ(QualifierCode("TOD"), 0);
  EXPECT_EQ(QualifierCode(""), 0);
  EXPECT_EQ(CalendarCode("@#DJULI"), kCalendarJulian);
  EXPECT_EQ(CalendarCode("@#D"), -1);
  EXPECT_EQ(MonthNumber(kCalendarGregorian, "SEPTEMB"), 9);
  EXPECT_EQ(MonthNumber(kCalendarGregorian, "SEP."), 0);
  EXPECT_EQ(MonthNumber(kCalendarHebrew, "ELL"), 13);
  EXPECT_EQ(MonthNumber(kCalendarHebrew, "JAN"), 0);
  EXPECT_EQ(MonthNumber(kCalendarFrench, "VENTOSE"), 6);
}

// The code a table's first entry of the same spelling has, or `missing`.
int LinearCode(std::span<const DateWord> table, std::string_view token, int missing) {
  for (const DateWord& word : table)
    if (word.packed == PackDateWord(token)) return word.code;
  return missing;
}

// The keyword and Gregorian month look-ups go through hashed tables: every spelling of up to four
// letters or dots finds what a search through the table finds.
TEST(DateWordsTest, LookUpsFindWhatTheTablesHold) {
  const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ.";
  std::vector<std::string> tokens{""};
  for (std::size_t length = 1; length <= 3; ++length) {
    const std::size_t shorter = tokens.size();
    for (std::size_t i = 0; i < shorter; ++i)
      if (tokens[i].size() == length - 1)
        for (char c : letters) tokens.push_back(tokens[i] + c);
  }
  for (const DateWord& word : QualifierWords()) tokens.emplace_back(word.spelling);
  for (const DateWord& word : MonthWords(kCalendarGregorian)) tokens.emplace_back(word.spelling);
  for (const std::string& token : tokens) {
    ASSERT_EQ(QualifierCode(token), LinearCode(QualifierWords(), token, 0)) << token;
    ASSERT_EQ(MonthNumber(kCalendarJulian, token), LinearCode(MonthWords(kCalendarGregorian), token, 0))
        << token;
  }
}

}  // namespace
}  // namespace kinshelf
