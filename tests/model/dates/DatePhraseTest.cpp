// The quick reading of simple date phrases against the general one, over every mix of keyword,
// day, month and year words, well formed or not.
#include "model/dates/DatePhrase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kinshelf {
namespace {

void ExpectSamePart(const DateRec& quick, const DateRec& general, const std::string& text) {
  EXPECT_EQ(quick.bc, general.bc) << text;
  EXPECT_EQ(quick.calendar, general.calendar) << text;
  EXPECT_EQ(quick.day, general.day) << text;
  EXPECT_EQ(quick.month, general.month) << text;
  EXPECT_EQ(quick.year, general.year) << text;
  EXPECT_EQ(quick.valid, general.valid) << text;
  EXPECT_EQ(quick.dualYear, general.dualYear) << text;
}

std::string Joined(const std::vector<std::string>& words, const char* separator) {
  std::string text;
  for (const std::string& word : words) {
    if (word.empty()) continue;
    text += (text.empty() ? "" : std::string(separator)) + word;
  }
  return text;
}

std::string LowerCased(std::string text) {
  for (char& c : text) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

// True when the quick reading takes the text; it must then read what the tokens read and show what
// their phrase shows.
bool ReadAsTheTokensRead(const std::string& text) {
  const auto simple = InterpretSimpleDate(text);
  // Letters in either case read alike.
  EXPECT_EQ(ReadSimpleDate(LowerCased(text)).has_value(), simple.has_value()) << text;
  if (!simple) return false;
  const DatePhrase general = InterpretDateTokens(DateTokens::Split(text));
  EXPECT_EQ(simple->qualifier, general.qualifier) << text;
  EXPECT_EQ(simple->secondQualifier, general.secondQualifier) << text;
  EXPECT_EQ(simple->textOnly, general.textOnly) << text;
  ExpectSamePart(simple->first, general.first, text);
  ExpectSamePart(simple->second, general.second, text);
  if (!general.textOnly) {
    EXPECT_EQ(WDate::ConvertedDisplayText(text),
              WDate::ShownPartsText(general.first, general.second, general.qualifier))
        << text;
  }
  return true;
}

TEST(InterpretSimpleDate, ReadsWhatTheTokensReadOrLeavesTheText) {
  // Seven-character words make the longest simple text, 31 bytes; one more word or byte is too long.
  const std::vector<std::string> keywords{"",    "ABT", "BEF.", "BET",     "FROM",
                                          "AND", "SAY", "XYZ",  "ABOUTXX", "@#DJULIAN@"};
  const std::vector<std::string> days{"", "0", "1", "01", "9", "28", "31", "32", "99", "1A", "0000001"};
  const std::vector<std::string> months{"",     "JAN",     "DEC",       "MAY", "NOX",
                                        "SEPT", "SEPTEMB", "SEPTEMBER", "12",  "ABT"};
  const std::vector<std::string> years{"",     "0",    "31",    "32",      "999",     "0976",    "1976",
                                       "2999", "3000", "65536", "1750/51", "0001976", "00001976"};
  int quick = 0;
  for (const std::string& keyword : keywords) {
    for (const std::string& day : days) {
      for (const std::string& month : months) {
        for (const std::string& year : years) {
          for (const char* separator : {" ", "  ", "-"})
            quick += ReadAsTheTokensRead(Joined({keyword, day, month, year}, separator));
        }
      }
    }
  }
  EXPECT_GT(quick, 700);
  for (const char* common : {"1976", "NOV 1976", "19 NOV 1976", "ABT 1976", "BEF 3 JAN 1900", "SEPT 1752",
                             "ABOUTXX 0000001 SEPTEMB 0001976", "abt 3 Jan 1900"})
    EXPECT_TRUE(InterpretSimpleDate(common)) << common;
  for (const char* left : {" 1976", "1976 ", "ABT  1976", "", "ABOUTXX 0000001 SEPTEMB 00001976",
                           "19\xe9"
                           "76",
                           "1976\t",
                           "ABT\x7f"
                           "1976",
                           "ABT 1976 {"})
    EXPECT_FALSE(InterpretSimpleDate(left)) << left;
}

TEST(InterpretSimpleDate, ReadsRangesAsTheTokensRead) {
  const std::vector<std::string> openings{"BET", "FROM", "ABT", "TO", ""};
  const std::vector<std::string> betweens{"AND", "TO", "ABT", "FROM", "", "AND 1700 AND"};
  const std::vector<std::string> parts{"",           "1623",         "JUN 1623", "12 JUN 1623", "5 1623",
                                       "0 JUN 1623", "32 JUN 1623",  "JUN",      "AND 1623",    "1623 1625",
                                       "3000",       "12 JUNE 1623", "7 JUL 99"};
  int quick = 0;
  for (const std::string& opening : openings) {
    for (const std::string& between : betweens) {
      for (const std::string& first : parts) {
        for (const std::string& second : parts)
          quick += ReadAsTheTokensRead(Joined({opening, first, between, second}, " "));
      }
    }
  }
  EXPECT_GT(quick, 100);
  for (const char* range :
       {"BET 1623 AND 1626", "FROM 12 JAN 1850 TO 13 MAR 1860", "bet 12 jun 1623 and 14 jul 1626"})
    EXPECT_NE(InterpretSimpleDate(range).value_or(DatePhrase{}).secondQualifier, 0) << range;
}

}  // namespace
}  // namespace kinshelf
