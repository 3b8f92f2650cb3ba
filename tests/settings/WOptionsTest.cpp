// The settings store: defaults, typed values, the file it reads and writes, and its states.
#include "settings/WOptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/IniFile.h"
#include "platform/UserFolders.h"
#include "settings/OptionTables.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

std::string_view DefaultOf(int id) {
  return id < opt::kCatalogFirst
             ? opt::GeneralRows()[static_cast<std::size_t>(id - opt::kGeneralFirst)].defaultValue
             : opt::CatalogRows()[static_cast<std::size_t>(id - opt::kCatalogFirst)].defaultValue;
}

class WOptionsTest : public testing::Test {
 protected:
  WOptions Loaded(int kind = WOptions::kCatalogKind) const {
    WOptions options;
    options.Open(path_);
    options.Load(kind);
    return options;
  }

  test::ScratchFolder folder_;
  std::string path_ = folder_.Path("Kinshelf.ini");
};

TEST_F(WOptionsTest, FreshMachineGivesEveryDefaultAndSaveWritesEveryRow) {
  WOptions options = Loaded();
  const auto entries = options.Entries();
  ASSERT_EQ(entries.size(), 139u + 49u);
  for (const auto& entry : entries) EXPECT_EQ(options.Value(entry.id), DefaultOf(entry.id)) << entry.key;
  EXPECT_TRUE(options.GetBool(opt::FirstTime));
  EXPECT_EQ(options.GetInt(opt::FileColumn), 4);

  options.Save();
  const platform::IniFile written(path_);
  for (const auto& entry : entries) {
    EXPECT_EQ(written.ReadString(entry.section, entry.key, "<missing>"), DefaultOf(entry.id)) << entry.key;
  }
}

TEST_F(WOptionsTest, ValuesComeBackAfterSaveAndReload) {
  {
    WOptions options = Loaded();
    options.SetBool(opt::FirstTime, false);
    options.SetInt(opt::LastTab, -3);
    options.SetString(opt::searchdrives, "/,/media/me/USB/");
    options.SetInt(opt::FontZoom, 12);
    options.Save();
    options.Close();
  }
  const WOptions again = Loaded();
  EXPECT_EQ(again.GetString(opt::FirstTime), "F");
  EXPECT_EQ(again.GetInt(opt::LastTab), -3);
  EXPECT_EQ(again.GetString(opt::searchdrives), "/,/media/me/USB/");
  EXPECT_EQ(again.GetInt(opt::FontZoom), 12);
}

TEST_F(WOptionsTest, OnlyExactlyCapitalTReadsTrue) {
  folder_.WriteFile("Kinshelf.ini",
                    "[General]\nUseLDS=t\nFirstTime=True\nFindInList=\nChrono=T\n[Kinshelf]\nAutoUpdate=1\n");
  const WOptions options = Loaded();
  EXPECT_FALSE(options.GetBool(opt::UseLDS));
  EXPECT_FALSE(options.GetBool(opt::FirstTime));
  EXPECT_FALSE(options.GetBool(opt::FindInList));
  EXPECT_TRUE(options.GetBool(opt::Chrono));
  EXPECT_FALSE(options.GetBool(opt::AutoUpdate));
}

TEST_F(WOptionsTest, IntegersReadZeroUnlessWhollyADecimalNumber) {
  WOptions options;
  const std::vector<std::pair<std::string, int>> cases = {
      {"12", 12}, {"-7", -7}, {"", 0}, {"abc", 0}, {"12abc", 0}, {"0x10", 0}, {"1.5", 0}, {"99999999999", 0}};
  for (const auto& [text, number] : cases) {
    options.SetString(opt::DateOpt, text);
    EXPECT_EQ(options.GetInt(opt::DateOpt), number) << '"' << text << '"';
  }
}

TEST_F(WOptionsTest, SaveKeepsLinesItDoesNotKnow) {
  folder_.WriteFile("Kinshelf.ini", "; a comment\n[General]\nStranger=1\nUseLDS=T\n\n[Foreign]\nKeep=me\n");
  WOptions options = Loaded();
  options.SetBool(opt::UseLDS, false);
  options.Save();
  const std::string text = test::ReadFile(path_);
  EXPECT_EQ(text.rfind("; a comment\n[General]\nStranger=1\nUseLDS=F\n", 0), 0u) << text;
  EXPECT_NE(text.find("\n[Foreign]\nKeep=me\n"), std::string::npos) << text;
  EXPECT_EQ(options.ReadUnlisted("general", "stranger", "x"), "1");
  EXPECT_EQ(options.ReadUnlisted("General", "Absent", "x"), "x");
  options.Close();
  EXPECT_EQ(options.ReadUnlisted("General", "Stranger", "x"), "x");
}

TEST_F(WOptionsTest, SaveKeepsWhatAnotherProcessWroteSinceOpen) {
  WOptions options = Loaded();
  platform::IniFile other(path_);
  other.WriteString("Elsewhere", "Added", "later");
  other.WriteString("General", "FontSize", "11");
  other.Save();

  other.WriteString("General", "LastDir", "/elsewhere");
  other.Save();

  options.SetString(opt::LastDir, "/home/me");
  options.Save();
  const platform::IniFile written(path_);
  EXPECT_EQ(written.ReadString("Elsewhere", "Added", ""), "later");
  // A setting changed here is written; one changed only by the other process keeps its value, in
  // the file and from now on in memory.
  EXPECT_EQ(written.ReadString("General", "LastDir", ""), "/home/me");
  EXPECT_EQ(written.ReadString("General", "FontSize", ""), "11");
  EXPECT_EQ(options.GetInt(opt::FontSize), 11);
}

// A save that fails (here a file too large to be read again) leaves the changes to the next one.
TEST_F(WOptionsTest, ChangesASaveCouldNotWriteAreWrittenByTheNext) {
  WOptions options = Loaded();
  options.Save();
  options.SetInt(opt::FontSize, 12);
  options.SetString(opt::LastDir, std::string(platform::IniFile::kSizeLimit, 'x'));
  EXPECT_THROW(options.Save(), std::runtime_error);
  options.SetString(opt::LastDir, "/home/me");
  options.Save();
  EXPECT_EQ(platform::IniFile(path_).ReadString("General", "FontSize", ""), "12");
  EXPECT_EQ(options.GetInt(opt::FontSize), 12);
}

// Processes that each change one setting at the same moment keep every change.
TEST_F(WOptionsTest, SavesMadeTogetherKeepEveryChange) {
  Loaded().Save();
  const std::vector<opt::Catalog> settings{opt::SearchFTLeg, opt::SearchFTRM,  opt::SearchFTPAF,
                                           opt::SearchFTGED, opt::SearchFTFTM, opt::SearchFTAQ};
  for (int round = 0; round < 5; ++round) {
    std::vector<std::thread> savers;
    for (const opt::Catalog setting : settings) {
      savers.emplace_back([this, setting, round] {
        WOptions options = Loaded();
        options.SetBool(setting, round % 2 == 0);
        options.Save();
      });
    }
    for (std::thread& saver : savers) saver.join();
    const WOptions after = Loaded();
    for (const opt::Catalog setting : settings) EXPECT_EQ(after.GetBool(setting), round % 2 == 0) << round;
  }
}

TEST_F(WOptionsTest, OtherKindsLoadAndSaveOnlyTheGeneralTable) {
  WOptions options = Loaded(1);
  EXPECT_EQ(options.Entries().size(), 139u);
  EXPECT_FALSE(options.FindId("FontZoom").has_value());
  EXPECT_THROW(options.Value(opt::FontZoom), std::out_of_range);
  options.Save();
  EXPECT_EQ(test::ReadFile(path_).find("[Kinshelf]"), std::string::npos);

  options.Load(WOptions::kCatalogKind);
  EXPECT_EQ(options.Entries().back().id, opt::SideFontZoom);
  EXPECT_EQ(options.FindId("FontZoom"), opt::FontZoom);
}

TEST_F(WOptionsTest, EntriesAndIdsForTheSettingsCommand) {
  WOptions options = Loaded();
  const auto entries = options.Entries();
  EXPECT_EQ(entries[0].id, 1);
  EXPECT_EQ(entries[138].id, 139);
  EXPECT_EQ(entries[139].id, 3001);
  EXPECT_EQ(entries[139].section, "Kinshelf");
  EXPECT_EQ(entries[139].key, "searchdrives");

  EXPECT_EQ(options.FindId("uselds"), 1);
  EXPECT_EQ(options.FindId("SIDEFONTZOOM"), 3049);
  EXPECT_FALSE(options.FindId("NoSuchKey").has_value());
  EXPECT_FALSE(options.FindId("").has_value());

  options.SetValue(3048, "10");
  EXPECT_EQ(options.GetInt(opt::FontZoom), 10);
  EXPECT_EQ(options.Value(opt::LastTab), "1");
  for (int id : {0, 140, 3000, 3050, -1}) {
    EXPECT_THROW(options.Value(id), std::out_of_range) << id;
    EXPECT_THROW(options.SetValue(id, "x"), std::out_of_range) << id;
  }
}

TEST_F(WOptionsTest, LineBreaksAreRefusedBeforeTheyReachMemory) {
  WOptions options = Loaded();
  try {
    options.SetString(opt::LastDir, "/a\nb");
    FAIL() << "a line break was accepted";
  } catch (const std::invalid_argument& error) {
    EXPECT_NE(std::string(error.what()).find("LastDir"), std::string::npos) << error.what();
  }
  EXPECT_THROW(options.SetString(opt::AppGed, "x\r"), std::invalid_argument);
  EXPECT_THROW(options.SetValue(opt::File1, "\n"), std::invalid_argument);
  EXPECT_EQ(options.GetString(opt::LastDir), "");
  EXPECT_EQ(options.GetString(opt::AppGed), "");
  EXPECT_NO_THROW(options.Save());
  // The blanks around a value go, as the file's reading would drop them.
  options.SetString(opt::AppGed, " \t/opt/my viewer  ");
  EXPECT_EQ(options.GetString(opt::AppGed), "/opt/my viewer");
}

TEST_F(WOptionsTest, ClosedStoreRefusesFileWorkButKeepsItsValues) {
  WOptions options;
  EXPECT_THROW(options.Load(WOptions::kCatalogKind), std::logic_error);
  EXPECT_THROW(options.Save(), std::logic_error);
  EXPECT_NO_THROW(options.Close());

  options.Open(path_);
  EXPECT_THROW(options.Open(path_), std::logic_error);
  EXPECT_EQ(options.Path(), path_);
  options.Load(WOptions::kCatalogKind);
  options.SetInt(opt::FontZoom, 9);
  options.Close();
  EXPECT_FALSE(options.IsOpen());
  EXPECT_EQ(options.Path(), "");
  EXPECT_EQ(options.GetInt(opt::FontZoom), 9);
  EXPECT_THROW(options.Save(), std::logic_error);
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(WOptionsTest, DefaultPathIsInTheSettingsFolderWhichItCreates) {
  const std::string path = WOptions::DefaultPath();
  EXPECT_EQ(path, platform::ConfigHome() + "/Orrinvale/Kinshelf1/Kinshelf.ini");
  EXPECT_TRUE(std::filesystem::is_directory(platform::SettingsFolder()));
}

TEST_F(WOptionsTest, EmptyPathFallsBackToTheProgramsOwnName) {
  const std::string fallback = WOptions::FallbackPath();
  EXPECT_EQ(fallback, std::filesystem::read_symlink("/proc/self/exe").string() + ".ini");
  WOptions options;
  options.Open("");
  EXPECT_EQ(options.Path(), fallback);
}

}  // namespace
}  // namespace kinshelf
