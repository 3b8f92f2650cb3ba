// Counts with thousands separators: grouping in threes, signs, and the separator of the user's locale.
#include "text/CountFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "support/CompiledLocale.h"

namespace kinshelf {
namespace {

struct GroupCase {
  const char* label;
  std::int64_t value;
  const char* expected;
};

// Test listings show the row's label instead of its bytes.
void PrintTo(const GroupCase& row, std::ostream* out) {
  *out << row.label;
}

class FormatCountTest : public testing::TestWithParam<GroupCase> {};

TEST_P(FormatCountTest, GroupsInThrees) {
  EXPECT_EQ(FormatCount(GetParam().value, ","), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatCountTest,
    testing::Values(
        GroupCase{"Zero", 0, "0"}, GroupCase{"ThreeDigits", 999, "999"},
        GroupCase{"FourDigits", 1000, "1,000"}, GroupCase{"Example", 12345, "12,345"},
        GroupCase{"SixDigits", 123456, "123,456"}, GroupCase{"SevenDigits", 1234567, "1,234,567"},
        GroupCase{"NegativeSmall", -5, "-5"}, GroupCase{"NegativeNoSeparatorAfterSign", -123456, "-123,456"},
        GroupCase{"Largest", std::numeric_limits<std::int64_t>::max(), "9,223,372,036,854,775,807"},
        GroupCase{"Smallest", std::numeric_limits<std::int64_t>::min(), "-9,223,372,036,854,775,808"}),
    [](const testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.label); });

TEST(FormatCountTest, SeparatorIsUsedAsGiven) {
  EXPECT_EQ(FormatCount(1234567, ""), "1234567");
  EXPECT_EQ(FormatCount(1234567, "\xE2\x80\xAF"),
            "1\xE2\x80\xAF"
            "234\xE2\x80\xAF"
            "567");
}

TEST(FormatCountTest, TheCLocaleHasNoSeparator) {
  // The test run sets LC_ALL=C before any test, so the cached separator is the C locale's too.
  EXPECT_EQ(UserThousandsSeparator(), "");
  EXPECT_EQ(FormatCount(1234567), "1234567");
}

TEST(FormatCountTest, AnUnknownLocaleHasNoSeparator) {
  const test::ScopedEnv locale("LC_ALL", "xx_NOWHERE.UTF-8");
  EXPECT_EQ(UserThousandsSeparator(), "");
}

struct LocaleCase {
  const char* definition;
  const char* separator;
};

// Test listings show the row's label instead of its bytes.
void PrintTo(const LocaleCase& row, std::ostream* out) {
  *out << row.definition;
}

class CountSeparatorOfLocaleTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(CountSeparatorOfLocaleTest, ComesFromTheLocaleInTheEnvironment) {
  const test::CompiledLocale compiled(GetParam().definition, "UTF-8");
  if (!compiled.Ok()) GTEST_SKIP() << compiled.Problem();
  const test::ScopedEnv path("LOCPATH", compiled.Folder());
  const test::ScopedEnv locale("LC_ALL", compiled.Name());
  EXPECT_EQ(UserThousandsSeparator(), GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(Locales, CountSeparatorOfLocaleTest,
                         testing::Values(LocaleCase{"en_US", ","}, LocaleCase{"de_DE", "."}),
                         [](const testing::TestParamInfo<LocaleCase>& info) {
                           return std::string(info.param.definition);
                         });

}  // namespace
}  // namespace kinshelf
