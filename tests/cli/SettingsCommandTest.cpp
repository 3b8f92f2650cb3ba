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

TEST_F(SettingsCommandTest, UnknownKeyIsAnErrorThatNamesIt) {
  const auto result = Run({"settings", "FontZoomm"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("unknown setting \"FontZoomm\""), std::string::npos);
  EXPECT_EQ(Run({"settings", "FontZoomm", "3"}).status, 1);
}

TEST_F(SettingsCommandTest, ValueWithALineBreakIsRefusedAndNothingIsWritten) {
  const auto result = Run({"settings", "AppGed", "/usr/bin/gramps\n[General]"});
  EXPECT_EQ(result.status, 1);
  EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

}  // namespace
}  // namespace kinshelf::test
