// Reading string values from Wine's text registry files: the format as Wine writes it, its escapes,
// the 32-bit view of a 64-bit prefix, and damaged text.
#include "platform/WineRegistry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cctype>

#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

using namespace std::string_view_literals;

// An excerpt of a 64-bit prefix's system.reg as Wine writes it.
constexpr std::string_view kSystemReg = R"reg(WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win64

[Software\\Microsoft\\Windows\\CurrentVersion] 1700000000
#time=1da0b1c2d3e4f50
"CommonFilesDir"="C:\\Program Files\\Common Files"
"ProgramFilesDir"="C:\\Program Files"
"ProgramFilesDir (x86)"="C:\\Program Files (x86)"
"ProgramFilesPath"=str(2):"%ProgramFiles%"
"InstallTime"=dword:5f5e1000
"Blob"=hex:01,02,03,\
  04,05
"Paths"=str(7):"a\0b\0"
@="the default"

[Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion] 1700000000
"ProgramFilesDir"="C:\\Program Files (x86)"

[Software\\Wow6432Node\\Millennia Corporation\\Legacy 7.5] 1700000001
"InstallPath"="C:\\Legacy"

[Software\\Orrinvale\\Only Subkeys\\Deeper] 1700000002
"Value"="x"
)reg";

TEST(WineRegistryTest, ReadsStringValuesOfWineSystemFile) {
  const WineRegistry registry(kSystemReg);
  const std::string_view key = "Software\\Microsoft\\Windows\\CurrentVersion";
  EXPECT_EQ(registry.ReadString(key, "ProgramFilesDir"), "C:\\Program Files");
  EXPECT_EQ(registry.ReadString(key, "ProgramFilesDir (x86)"), "C:\\Program Files (x86)");
  EXPECT_EQ(registry.ReadString(key, "ProgramFilesPath"), "%ProgramFiles%")
      << "expand strings stay unexpanded";
  EXPECT_EQ(registry.ReadString(key, ""), "the default");
  for (const char* other : {"InstallTime", "Blob", "Paths", "Missing"}) {
    EXPECT_EQ(registry.ReadString(key, other), std::nullopt) << other;
  }
  EXPECT_EQ(registry.ReadString("Software\\Missing", "ProgramFilesDir"), std::nullopt);
}

TEST(WineRegistryTest, KeysAndNamesMatchWithoutRegardToCaseOrOuterBackslashes) {
  const WineRegistry registry(kSystemReg);
  EXPECT_EQ(registry.ReadString("\\SOFTWARE\\microsoft\\WINDOWS\\currentversion\\", "PROGRAMFILESDIR"),
            "C:\\Program Files");
  EXPECT_TRUE(registry.KeyExists("software\\Wow6432Node\\MILLENNIA CORPORATION\\legacy 7.5\\"));
}

TEST(WineRegistryTest, KeyBelowSoftwareIsAlsoLookedForInTheThirtyTwoBitView) {
  const WineRegistry registry(kSystemReg);
  EXPECT_TRUE(registry.KeyExists("Software\\Millennia Corporation\\Legacy 7.5\\"));
  EXPECT_EQ(registry.ReadString("Software\\Millennia Corporation\\Legacy 7.5", "InstallPath"), "C:\\Legacy");
  // The native view wins where both have the key.
  EXPECT_EQ(registry.ReadString("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir"),
            "C:\\Program Files");
  EXPECT_FALSE(registry.KeyExists("Software\\Millennia Corporation\\Legacy 7.0"));
  EXPECT_FALSE(registry.KeyExists("System\\Millennia Corporation\\Legacy 7.5"));
}

TEST(WineRegistryTest, KeyWithOnlySubkeysExists) {
  const WineRegistry registry(kSystemReg);
  EXPECT_TRUE(registry.KeyExists("Software\\Orrinvale\\Only Subkeys"));
  EXPECT_TRUE(registry.KeyExists("Software\\Orrinvale"));
  EXPECT_EQ(registry.ReadString("Software\\Orrinvale\\Only Subkeys", "Value"), std::nullopt);
  EXPECT_FALSE(registry.KeyExists("Software\\Orrinvale\\Only"));
}

// A reader that names the keys it reads keeps only those and their subkeys, in either view.
TEST(WineRegistryTest, OnlyTheKeysAskedForAreKept) {
  constexpr std::array<std::string_view, 2> kKept{"Software\\Wow6432Node\\Millennia Corporation",
                                                  "software\\orrinvale\\only subkeys\\"};
  const WineRegistry registry(kSystemReg, kKept);
  EXPECT_EQ(registry.ReadString("Software\\Millennia Corporation\\Legacy 7.5", "InstallPath"), "C:\\Legacy");
  EXPECT_EQ(registry.ReadString("Software\\Orrinvale\\Only Subkeys\\Deeper", "Value"), "x");
  EXPECT_TRUE(registry.KeyExists("Software\\Orrinvale\\Only Subkeys"));
  EXPECT_FALSE(registry.KeyExists("Software\\Microsoft\\Windows\\CurrentVersion"));
  EXPECT_FALSE(registry.KeyExists("Software\\Millennia"));
}

struct EscapeRow {
  const char* rule;
  std::string_view written;  // between the quotes in the file
  std::string_view text;     // UTF-8
};

void PrintTo(const EscapeRow& row, std::ostream* out) {
  *out << row.rule;
}

class WineRegistryEscapeTest : public testing::TestWithParam<EscapeRow> {};

TEST_P(WineRegistryEscapeTest, DecodesValueText) {
  const std::string file = "[Software\\\\K] 1\n\"V\"=\"" + std::string(GetParam().written) + "\"\n";
  EXPECT_EQ(WineRegistry(file).ReadString("Software\\K", "V"), std::string(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Escapes, WineRegistryEscapeTest,
                         testing::Values(EscapeRow{"backslash", R"(C:\\Legacy\\)", "C:\\Legacy\\"},
                                         EscapeRow{"quote", R"(say \"hi\")", "say \"hi\""},
                                         EscapeRow{"short hex before a non-hex", R"(Caf\xe9 noir)",
                                                   "Caf\xc3\xa9 noir"},
                                         EscapeRow{"four hex digits before a hex digit", R"(\x00e9a)",
                                                   "\xc3\xa9"
                                                   "a"},
                                         EscapeRow{"three-byte character", R"(\x20ac)", "\xe2\x82\xac"},
                                         EscapeRow{"surrogate pair", R"(\xd83d\xde00)", "\xf0\x9f\x98\x80"},
                                         EscapeRow{"lone surrogate", R"(\xd83dx)", "\xef\xbf\xbdx"},
                                         EscapeRow{"control escapes", R"(a\tb\nc\r)", "a\tb\nc\r"},
                                         EscapeRow{"octal", R"(\33[\0)", "\x1b[\0"sv},
                                         EscapeRow{"any other character stands for itself", R"(\q\])", "q]"},
                                         EscapeRow{"x without digits", R"(\xyz)", "xyz"},
                                         EscapeRow{"raw UTF-8 passes",
                                                   "Gen\xc3\xa9"
                                                   "alogy",
                                                   "Gen\xc3\xa9"
                                                   "alogy"}),
                         [](const testing::TestParamInfo<EscapeRow>& info) {
                           std::string name;
                           for (const char c : std::string_view(info.param.rule))
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST(WineRegistryTest, EscapedBracketBelongsToTheKeyName) {
  const WineRegistry registry("[Software\\\\Odd\\]Name\\\\Sub] 1\n\"V\"=\"1\"\n");
  EXPECT_EQ(registry.ReadString("Software\\Odd]Name\\Sub", "V"), "1");
}

TEST(WineRegistryTest, DamagedLinesAreSkippedAndTheRestIsRead) {
  const WineRegistry registry(
      "\"Orphan\"=\"before any key\"\n"
      "[Software\\\\Good] 1\n"
      "\"Unterminated\"=\"no closing quote\n"
      "\"NoEquals\" \"x\"\n"
      "\"Trailing\"=\"ends in a backslash\\\n"
      "\x01\xff\xfe garbage \"=\n"
      "\"Fine\"=\"yes\"\r\n"
      "[Software\\\\Broken header 1\n"
      "\"Stray\"=\"belongs to no key\"\n"
      "[Software\\\\Good] 2\n"
      "\"Later\"=\"also read\"\n");
  EXPECT_EQ(registry.ReadString("Software\\Good", "Fine"), "yes");
  EXPECT_EQ(registry.ReadString("Software\\Good", "Later"), "also read");
  for (const char* name : {"Orphan", "Unterminated", "NoEquals", "Trailing", "Stray"}) {
    EXPECT_EQ(registry.ReadString("Software\\Good", name), std::nullopt) << name;
  }
}

TEST(WineRegistryTest, ValueOfAnotherTypeReplacesAnEarlierString) {
  const WineRegistry registry("[Software\\\\K]\n\"V\"=\"text\"\n\"V\"=dword:00000001\n");
  EXPECT_EQ(registry.ReadString("Software\\K", "V"), std::nullopt);
}

TEST(WineRegistryTest, LoadReadsTheFileAndAMissingFileIsEmpty) {
  test::ScratchFolder folder;
  const std::string path = folder.WriteFile("system.reg", kSystemReg);
  EXPECT_EQ(
      WineRegistry::Load(path).ReadString("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir"),
      "C:\\Program Files");
  EXPECT_FALSE(WineRegistry::Load(folder.Path("missing.reg")).KeyExists("Software\\Microsoft"));
  EXPECT_FALSE(WineRegistry::Load(folder.Path()).KeyExists("Software\\Microsoft")) << "a folder";
  // A pipe without a writer is not waited for.
  const std::string pipe = folder.Path("pipe.reg");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(WineRegistry::Load(pipe).KeyExists("Software\\Microsoft")) << "a pipe";
}

}  // namespace
}  // namespace kinshelf::platform
