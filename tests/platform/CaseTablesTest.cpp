// Case tables of the C locale, of UTF-8 locales and of a single-byte locale.
#include "platform/CaseTables.h"

#include <gtest/gtest.h>

#include "support/CompiledLocale.h"

namespace kinshelf::platform {
namespace {

// Only the 26 ASCII letters change case; every other byte maps to itself.
void ExpectAsciiOnly(const CaseTables& tables) {
  for (int c = 0; c < 256; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool lower = c >= 'a' && c <= 'z';
    const bool upper = c >= 'A' && c <= 'Z';
    EXPECT_EQ(tables.Upper(byte), lower ? c - 'a' + 'A' : c) << c;
    EXPECT_EQ(tables.Lower(byte), upper ? c - 'A' + 'a' : c) << c;
  }
}

TEST(CaseTablesTest, CLocaleChangesAsciiLettersOnly) {
  ExpectAsciiOnly(CaseTables("C"));
}

TEST(CaseTablesTest, BuiltInUtf8LocaleLeavesHighBytes) {
  ExpectAsciiOnly(CaseTables("C.UTF-8"));
}

TEST(CaseTablesTest, UnknownLocaleFallsBackToAscii) {
  ExpectAsciiOnly(CaseTables("xx_NOWHERE.ISO-8859-1"));
}

TEST(CaseTablesTest, UserTablesFollowTheEnvironment) {
  // The test run sets LC_ALL=C before any test.
  ExpectAsciiOnly(CaseTables::User());
  EXPECT_EQ(&CaseTables::User(), &CaseTables::User());
}

TEST(CaseTablesTest, Utf8LocaleLeavesHighBytes) {
  const test::CompiledLocale compiled("en_US", "UTF-8");
  if (!compiled.Ok()) GTEST_SKIP() << compiled.Problem();
  const test::ScopedEnv path("LOCPATH", compiled.Folder());
  ExpectAsciiOnly(CaseTables(compiled.Name()));
}

TEST(CaseTablesTest, SingleByteLocaleChangesItsOwnLetters) {
  const test::CompiledLocale compiled("en_US", "ISO-8859-1");
  if (!compiled.Ok()) GTEST_SKIP() << compiled.Problem();
  const test::ScopedEnv path("LOCPATH", compiled.Folder());
  const CaseTables tables(compiled.Name());
  EXPECT_EQ(tables.Upper(0xE9), 0xC9);  // é
  EXPECT_EQ(tables.Lower(0xC9), 0xE9);
  EXPECT_EQ(tables.Upper(0xFE), 0xDE);  // þ
  EXPECT_EQ(tables.Upper(0xDF), 0xDF);  // ß has no single-byte capital
  EXPECT_EQ(tables.Upper(0xF7), 0xF7);  // ÷ is no letter
  EXPECT_EQ(tables.Lower(0xD7), 0xD7);  // × is no letter
  EXPECT_EQ(tables.UpperCase("Ren\xE9 M\xFCller"), "REN\xC9 M\xDCLLER");
  EXPECT_EQ(tables.LowerCase("REN\xC9 M\xDCLLER"), "ren\xE9 m\xFCller");
}

TEST(CaseTablesTest, StringsMapEveryByteIncludingNul) {
  const CaseTables tables("C");
  const std::string mixed("Smith\0jones 1850 \xE9", 18);
  EXPECT_EQ(tables.UpperCase(mixed), std::string("SMITH\0JONES 1850 \xE9", 18));
  EXPECT_EQ(tables.LowerCase(mixed), std::string("smith\0jones 1850 \xE9", 18));
  EXPECT_EQ(tables.UpperCase(""), "");
}

}  // namespace
}  // namespace kinshelf::platform
