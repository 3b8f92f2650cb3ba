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
          for (const char* separator : {" ", "  ", "-"}) {
            const std::string text = Joined({keyword, day, month, year}, separator);
            const auto simple = InterpretSimpleDate(text);
            // Letters in either case read alike.
            EXPECT_EQ(ReadSimpleDate(LowerCased(text)).has_value(), simple.has_value()) << text;
            if (!simple) continue;
            ++quick;
            const DatePhrase general = InterpretDateTokens(DateTokens::Split(text));
            EXPECT_EQ(simple->qualifier, general.qualifier) << text;
            EXPECT_EQ(simple->secondQualifier, general.secondQualifier) << text;
            EXPECT_EQ(simple->textOnly, general.textOnly) << text;
            ExpectSamePart(simple->first, general.first, text);
            ExpectSamePart(simple->second, general.second, text);
          }
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

}  // namespace
}  // namespace kinshelf
