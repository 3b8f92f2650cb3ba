// kinshelf settings: listing, reading and writing settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CliTestSupport.h"

namespace kinshelf::test {
namespace {

class SettingsCommandTest : public CliTest {};

TEST_F(SettingsCommandTest, WritingOneKeyWritesEveryRowAndKeepsForeignLines) {
  home_.WriteFile("config/Orrinvale/Kinshelf1/Kinshelf.ini", "; my notes\n[Mine]\nColour=blue\n");
  const auto result = Run({"settings", "fontzoom", "12"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string ini = ReadFile(SettingsFile());
  EXPECT_EQ(ini.rfind("; my notes\n[Mine]\nColour=blue\n", 0), 0u) << ini;
  EXPECT_NE(ini.find("[Kinshelf]\nsearchdrives=\n"), std::string::npos);
  EXPECT_NE(ini.find("FontZoom=12\n"), std::string::npos);
  EXPECT_NE(ini.find("[General]\nUseLDS=F\nFirstTime=T\n"), std::string::npos);
  EXPECT_NE(ini.find("ListColumns=1,2,7,65,67,19,18\n"), std::string::npos);
  EXPECT_NE(ini.find("[Help]\nDispInitHelp="), std::string::npos);
  EXPECT_EQ(std::count(ini.begin(), ini.end(), '='), 1 + 139 + 49);
  EXPECT_EQ(Run({"settings", "FONTZOOM"}).out, "12\n");
  ASSERT_EQ(Run({"settings", "FNValue", "-5"}).status, 0);
  EXPECT_EQ(Run({"settings", "FNValue"}).out, "-5\n");
  // The value shown is the one stored, and a terminal's escape in it is shown, not obeyed.
  EXPECT_EQ(Run({"settings", "AppLeg", "  /opt/\x1b[31mred  "}).out, "/opt/^[[31mred\n");
  EXPECT_NE(ReadFile(SettingsFile()).find("AppLeg=/opt/\x1b[31mred\n"), std::string::npos);
}

TEST_F(SettingsCommandTest, ListsEverySettingWithItsSection) {
  const auto text = Run({"settings"});
  ASSERT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("\nKinshelf     SideFontZoom     8\n"), std::string::npos) << text.out;
  const auto csv = Run({"settings", "--format", "csv"}).out;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 139 + 49);
  EXPECT_NE(csv.find("General,DesColumns,\"65,67,19,59,60\"\r\n"), std::string::npos);
  const auto json = Run({"settings", "--format", "json"}).out;
  EXPECT_NE(json.find("\"section\": \"Internet\",\n    \"key\": \"YearRange\""), std::string::npos) << json;
}

TEST_F(SettingsCommandTest, UnknownKeyIsAUsageErrorThatNamesIt) {
  const auto result = Run({"settings", "FontZoomm"});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("unknown setting \"FontZoomm\""), std::string::npos);
  EXPECT_EQ(Run({"settings", "FontZoomm", "3"}).status, 2);
}

struct ValueRow {
  const char* rule;
  const char* key;
  const char* value;
  int status;
  std::string shown;  // success: the value stored and printed; failure: part of the message
};

class SettingValueTest : public CliTest, public testing::WithParamInterface<ValueRow> {};

TEST_P(SettingValueTest, StoresTheCheckedValueOrRefusesItAndWritesNothing) {
  const ValueRow& row = GetParam();
  const auto result = Run({"settings", row.key, row.value});
  ASSERT_EQ(result.status, row.status) << result.err;
  if (row.status != 0) {
    EXPECT_NE(result.err.find(row.shown), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
    return;
  }
  EXPECT_EQ(result.out, row.shown + "\n");
  EXPECT_EQ(Run({"settings", row.key}).out, row.shown + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingValueTest,
    testing::Values(
        ValueRow{"BooleanYesAnyCaseKey", "usELDs", "yes", 0, "T"},
        ValueRow{"BooleanOff", "AutoUpdate", "OFF", 0, "F"}, ValueRow{"BooleanZero", "FCAtoZ", "0", 0, "F"},
        ValueRow{"BooleanOtherWord", "UseLDS", "maybe", 2, "UseLDS takes T or F"},
        ValueRow{"NumberInRange", "FontZoom", "12", 0, "12"},
        ValueRow{"NumberBoundWithLeadingZero", "FontZoom", "016", 0, "16"},
        ValueRow{"NumberBelowRange", "FontZoom", "7", 2, "FontZoom takes a whole number from 8 to 16"},
        ValueRow{"SortColumnZero", "FileColumn", "0", 2, "from 1 to 5"},
        ValueRow{"NumberWithUnit", "FontZoom", "12pt", 2, "not \"12pt\""},
        ValueRow{"UnboundedNegativeNumber", "FNValue", "-5", 0, "-5"},
        ValueRow{"NumberPastInt", "HLCol", "99999999999", 2, "whole decimal number"},
        ValueRow{"TextAsTyped", "AppGed", "/usr/bin/gramps --open", 0, "/usr/bin/gramps --open"},
        ValueRow{"TextEmpty", "AppGed", "", 0, ""},
        ValueRow{"TextThatLooksBoolean", "searchdrives", "yes", 0, "yes"},
        ValueRow{"UnknownKeySuggestsTheNearest", "FontZomm", "12", 2, "did you mean \"FontZoom\"?"},
        ValueRow{"SuggestionIgnoresCase", "USELD", "T", 2, "did you mean \"UseLDS\"?"},
        ValueRow{"NothingNearIsNoGuess", "xyzzyplugh", "T", 2, "run 'kinshelf settings' to see them all"}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST_F(SettingsCommandTest, ValueWithALineBreakIsRefusedAndNothingIsWritten) {
  const auto result = Run({"settings", "AppGed", "/usr/bin/gramps\n[General]"});
  EXPECT_EQ(result.status, 1);
  EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

}  // namespace
}  // namespace kinshelf::test
