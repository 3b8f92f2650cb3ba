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
    FileKind kind;
    int setting;
    std::string_view name;
    std::string_view key;
  };
  const Row rows[] = {
      {FileKind::kUnknown, -1, "", ""},
      {FileKind::kAncestralQuest, opt::AppAQ, "Ancestral Quest", "AppAQ"},
      {FileKind::kFamilyTreeMaker, opt::AppFTM, "Family Tree Maker", "AppFTM"},
      {FileKind::kGedcom, opt::AppGed, "Gedcom", "AppGed"},
      {FileKind::kHeritage, opt::AppHFT, "Heritage", "AppHFT"},
      {FileKind::kLegacy, opt::AppLeg, "Legacy", "AppLeg"},
      {FileKind::kPaf, opt::AppPAF, "PAF", "AppPAF"},
      {FileKind::kRootsMagic, opt::AppRM, "RootsMagic", "AppRM"},
      {FileKind::kMasterGenealogist, opt::AppTMG, "TMG", "AppTMG"},
      {FileKind::kGenbox, opt::App2, "Genbox", "App2"},
      {static_cast<FileKind>(10), -1, "", ""},
      {static_cast<FileKind>(-1), -1, "", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ProgramSettingForKind(row.kind), row.setting) << KindCode(row.kind);
    EXPECT_EQ(ProgramNameForKind(row.kind), row.name) << KindCode(row.kind);
    EXPECT_EQ(ProgramSettingKey(row.kind), row.key) << KindCode(row.kind);
  }
}

TEST(ProgramAssociationsTest, PedoraIsEnabledByKindExtensionAndPresence) {
  struct Row {
    const char* rule;
    std::string appPedora;
    bool fileExists;
    FileKind kind;
    std::string extension;
    bool current;
    bool enabled;
  };
  const std::string pedora = "/opt/pedora.exe";
  const Row rows[] = {
      {"no viewer: offer it", "", false, FileKind::kGenbox, "gdb", false, true},
      {"missing file", pedora, false, FileKind::kGedcom, "ged", true, false},
      {"Ancestral Quest", pedora, true, FileKind::kAncestralQuest, "aq", true, false},
      {"Heritage", pedora, true, FileKind::kHeritage, "zed", true, false},
      {"Genbox", pedora, true, FileKind::kGenbox, "gdb", true, false},
      {"Family Tree Maker ftm", pedora, true, FileKind::kFamilyTreeMaker, "ftm", true, false},
      {"Family Tree Maker FTMB", pedora, true, FileKind::kFamilyTreeMaker, "FTMB", true, false},
      {"Family Tree Maker ftw", pedora, true, FileKind::kFamilyTreeMaker, "ftw", false, true},
      {"RootsMagic rmgc", pedora, true, FileKind::kRootsMagic, "rmgc", true, false},
      {"RootsMagic RMGC with dot", pedora, true, FileKind::kRootsMagic, ".RMGC", true, false},
      {"RootsMagic rmg", pedora, true, FileKind::kRootsMagic, "rmg", false, true},
      {"GEDCOM", pedora, true, FileKind::kGedcom, "ged", false, true},
      {"Legacy", pedora, true, FileKind::kLegacy, "fdb", false, true},
      {"PAF", pedora, true, FileKind::kPaf, "paf", false, true},
      {"TMG", pedora, true, FileKind::kMasterGenealogist, "pjc", false, true},
      {"kind 0 keeps enabled", pedora, true, FileKind::kUnknown, "", true, true},
      {"kind 0 keeps disabled", pedora, true, FileKind::kUnknown, "", false, false},
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
  // A backslash in a Linux name would name another file to Windows.
  const std::string legacy = folder_.WriteFile("prefix/drive_c/legacy/Legacy.exe", "MZ");
  EXPECT_THROW(LaunchProgram(legacy, folder_.WriteFile("Trees\\Smith.ged", "0 HEAD\n")), std::runtime_error);
  EXPECT_FALSE(wine.Ran());
}

}  // namespace
}  // namespace kinshelf
