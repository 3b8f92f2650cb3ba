// The program of each kind, when the viewer can be used, and starting programs on files.
#include "catalog/programs/ProgramAssociations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "catalog/FileKinds.h"
#include "settings/OptionIds.h"
#include "support/FakeProgram.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

using test::FakeProgram;
using test::ScratchFolder;

TEST(ProgramAssociationsTest, EveryKindHasItsSettingAndName) {
  struct Row {
    int kind;
    int setting;
    std::string_view name;
    std::string_view key;
  };
  const Row rows[] = {
      {0, -1, "", ""},
      {kind::kAncestralQuest, opt::AppAQ, "Ancestral Quest", "AppAQ"},
      {kind::kFamilyTreeMaker, opt::AppFTM, "Family Tree Maker", "AppFTM"},
      {kind::kGedcom, opt::AppGed, "Gedcom", "AppGed"},
      {kind::kHeritage, opt::AppHFT, "Heritage", "AppHFT"},
      {kind::kLegacy, opt::AppLeg, "Legacy", "AppLeg"},
      {kind::kPaf, opt::AppPAF, "PAF", "AppPAF"},
      {kind::kRootsMagic, opt::AppRM, "RootsMagic", "AppRM"},
      {kind::kMasterGenealogist, opt::AppTMG, "TMG", "AppTMG"},
      {kind::kGenbox, opt::App2, "Genbox", "App2"},
      {10, -1, "", ""},
      {-1, -1, "", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ProgramSettingForKind(row.kind), row.setting) << row.kind;
    EXPECT_EQ(ProgramNameForKind(row.kind), row.name) << row.kind;
    EXPECT_EQ(ProgramSettingKey(row.kind), row.key) << row.kind;
  }
}

TEST(ProgramAssociationsTest, PedoraIsEnabledByKindExtensionAndPresence) {
  struct Row {
    const char* rule;
    std::string appPedora;
    bool fileExists;
    int kind;
    std::string extension;
    bool current;
    bool enabled;
  };
  const std::string pedora = "/opt/pedora.exe";
  const Row rows[] = {
      {"no viewer: offer it", "", false, kind::kGenbox, "gdb", false, true},
      {"missing file", pedora, false, kind::kGedcom, "ged", true, false},
      {"Ancestral Quest", pedora, true, kind::kAncestralQuest, "aq", true, false},
      {"Heritage", pedora, true, kind::kHeritage, "zed", true, false},
      {"Genbox", pedora, true, kind::kGenbox, "gdb", true, false},
      {"Family Tree Maker ftm", pedora, true, kind::kFamilyTreeMaker, "ftm", true, false},
      {"Family Tree Maker FTMB", pedora, true, kind::kFamilyTreeMaker, "FTMB", true, false},
      {"Family Tree Maker ftw", pedora, true, kind::kFamilyTreeMaker, "ftw", false, true},
      {"RootsMagic rmgc", pedora, true, kind::kRootsMagic, "rmgc", true, false},
      {"RootsMagic RMGC with dot", pedora, true, kind::kRootsMagic, ".RMGC", true, false},
      {"RootsMagic rmg", pedora, true, kind::kRootsMagic, "rmg", false, true},
      {"GEDCOM", pedora, true, kind::kGedcom, "ged", false, true},
      {"Legacy", pedora, true, kind::kLegacy, "fdb", false, true},
      {"PAF", pedora, true, kind::kPaf, "paf", false, true},
      {"TMG", pedora, true, kind::kMasterGenealogist, "pjc", false, true},
      {"kind 0 keeps enabled", pedora, true, 0, "", true, true},
      {"kind 0 keeps disabled", pedora, true, 0, "", false, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(PedoraEnabled(row.appPedora, row.fileExists, row.kind, row.extension, row.current), row.enabled)
        << row.rule;
  }
}

TEST(ProgramAssociationsTest, WindowsProgramsAreTheExeFiles) {
  EXPECT_TRUE(IsWindowsProgram("C:\\legacy\\Legacy.EXE"));
  EXPECT_TRUE(IsWindowsProgram("/home/me/.wine/drive_c/x.exe"));
  EXPECT_FALSE(IsWindowsProgram("/usr/bin/gramps"));
  EXPECT_FALSE(IsWindowsProgram("/usr/bin/exe"));
  EXPECT_FALSE(IsWindowsProgram(".ex"));
}

class LaunchTest : public testing::Test {
 protected:
  ScratchFolder folder_;
  const std::string file_ = folder_.WriteFile("Trees/Smith; $(reboot) \"Jones\".ged", "0 HEAD\n");
};

TEST_F(LaunchTest, WindowsProgramStartsThroughWineWithTheWinePathOfTheFile) {
  const FakeProgram wine(folder_, "bin/wine");
  const std::string legacy = folder_.WriteFile("prefix/drive_c/legacy/Legacy.Exe", "MZ");
  const test::ScopedEnvironment path("PATH", folder_.Path("bin"));
  ASSERT_TRUE(LaunchProgram(legacy, file_)) << std::strerror(errno);
  std::string winePath = "Z:" + file_;
  std::replace(winePath.begin(), winePath.end(), '/', '\\');
  EXPECT_EQ(wine.Arguments(), (std::vector<std::string>{legacy, winePath}));
}

TEST_F(LaunchTest, NothingStartsWithoutProgramOrFileOrWithAMissingWindowsProgram) {
  const FakeProgram wine(folder_, "bin/wine");
  const test::ScopedEnvironment path("PATH", folder_.Path("bin"));
  EXPECT_FALSE(LaunchProgram("", file_));
  EXPECT_FALSE(LaunchProgram(wine.Path(), ""));
  EXPECT_FALSE(LaunchProgram(folder_.Path("prefix/drive_c/gone.exe"), file_));
  EXPECT_EQ(errno, ENOENT);
  EXPECT_FALSE(wine.Ran());
}

}  // namespace
}  // namespace kinshelf
