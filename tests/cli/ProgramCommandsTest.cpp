// kinshelf open and kinshelf programs, against a made-up Wine prefix and search path.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CliTestSupport.h"
#include "catalog/FileKinds.h"
#include "catalog/store/WFileStore.h"
#include "support/FakeProgram.h"

namespace kinshelf::test {
namespace {

class ProgramCommandsTest : public CliTest {
 protected:
  // Catalogs a file of the kind at `relative` in the home folder; the file itself is written only
  // when `onDisk`. Returns its path.
  std::string Catalogue(const std::string& relative, FileKind kind, bool onDisk = true) {
    const auto store = OpenCatalog();
    const std::string path = home_.WriteFile(relative, "0 HEAD\n");
    store->NewFile(path, kind)->SaveToStore();
    if (!onDisk) std::filesystem::remove(path);
    return path;
  }

  const std::string prefix_ = home_.MakeFolder("prefix");
  const std::string bin_ = home_.MakeFolder("bin");
  const ScopedEnvironment winePrefix_{"WINEPREFIX", prefix_};
  const ScopedEnvironment path_{"PATH", bin_};
};

TEST_F(ProgramCommandsTest, OpenByIdOrPathStartsTheKindsProgramOnTheFile) {
  const FakeProgram program(home_, "bin/viewer");
  const std::string file = Catalogue("My Trees/Smith & \"Jones\"; $(id).ged", FileKind::kGedcom);
  ASSERT_EQ(Run({"settings", "AppGed", program.Path()}).status, 0);
  const auto result = Run({"open", "1"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Started " + program.Path() + " on " + file + "\n");
  EXPECT_EQ(program.Arguments(), std::vector<std::string>{file});
  const FakeProgram other(home_, "bin/other");
  Run({"settings", "AppGed", other.Path()});
  EXPECT_EQ(Run({"open", file}).status, 0);
  EXPECT_EQ(other.Arguments(), std::vector<std::string>{file});
}

TEST_F(ProgramCommandsTest, OpenLooksForTheProgramFirstWhenNoneIsSet) {
  const FakeProgram wine(home_, "bin/wine");
  const std::string legacy = home_.WriteFile("prefix/drive_c/legacy/legacy.exe", "MZ");
  const std::string file = Catalogue("trees/family.fdb", FileKind::kLegacy);
  const auto result = Run({"open", "1"});
  ASSERT_EQ(result.status, 0) << result.err;
  std::string winePath = "Z:" + file;
  std::replace(winePath.begin(), winePath.end(), '/', '\\');
  EXPECT_EQ(wine.Arguments(), (std::vector<std::string>{legacy, winePath}));
  EXPECT_NE(ReadFile(SettingsFile()).find("AppLeg=" + legacy + "\n"), std::string::npos)
      << "what was found is saved";
}

TEST_F(ProgramCommandsTest, MissingFileNamesItsFolderAndWhatToDo) {
  const std::string file = Catalogue("trees/gone.ged", FileKind::kGedcom, false);
  auto result = Run({"open", "1"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "kinshelf open: " + file + " was not found. Its folder " + home_.Path("trees") +
                            " still exists; run 'kinshelf open --folder 1' or 'kinshelf search'\n");
  std::filesystem::remove(home_.Path("trees"));
  result = Run({"open", "1"});
  EXPECT_EQ(result.err, "kinshelf open: " + file + " was not found. Its folder " + home_.Path("trees") +
                            " no longer exists; run 'kinshelf search'\n");
  EXPECT_EQ(Run({"open", "--folder", "1"}).status, 1);
}

TEST_F(ProgramCommandsTest, KindWithoutProgramNamesTheSettingToFill) {
  Catalogue("trees/family.fdb", FileKind::kLegacy);
  const auto result = Run({"open", "1"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "kinshelf open: no program is set for Legacy files: set one with 'kinshelf settings AppLeg "
            "PROGRAM'\n");
  EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "nothing found, nothing saved";
}

TEST_F(ProgramCommandsTest, FailuresToStartOrFindAreErrors) {
  Catalogue("trees/a.ged", FileKind::kGedcom);
  Run({"settings", "AppGed", "/no/such/program"});
  auto result = Run({"open", "1"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "kinshelf open: cannot start /no/such/program: No such file or directory\n");
  Run({"settings", "AppGed", "C:\\Pedora\\pedora.exe"});
  result = Run({"open", "1"});
  EXPECT_EQ(result.err,
            "kinshelf open: cannot start C:\\Pedora\\pedora.exe through wine: No such file or directory\n")
      << "no wine on the search path";
  result = Run({"open", home_.Path("trees/other.ged")});
  EXPECT_EQ(result.err, "kinshelf open: " + home_.Path("trees/other.ged") +
                            " is not in the catalog; run 'kinshelf search' to add it\n");
  EXPECT_EQ(Run({"open", "7"}).err, "kinshelf open: no catalogued file has the id 7\n");
  // A search would never add a folder or a file of no genealogy kind.
  EXPECT_EQ(Run({"open", home_.Path("trees")}).err,
            "kinshelf open: " + home_.Path("trees") + " is a folder, not a catalogued file\n");
  const std::string notes = home_.WriteFile("trees/notes.txt", "x");
  EXPECT_EQ(Run({"open", notes}).err,
            "kinshelf open: " + notes + " is not a genealogy file, and is not in the catalog\n");
  EXPECT_EQ(Run({"open"}).status, 2);
}

TEST_F(ProgramCommandsTest, FolderOptionOpensTheFilesFolder) {
  const FakeProgram xdgOpen(home_, "bin/xdg-open");
  Catalogue("trees/a.ged", FileKind::kGedcom);
  const auto result = Run({"open", "--folder", "1"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Started xdg-open on " + home_.Path("trees") + "\n");
  EXPECT_EQ(xdgOpen.Arguments(), std::vector<std::string>{home_.Path("trees")});
}

TEST_F(ProgramCommandsTest, ProgramsShowsWhatDiscoveryFoundAndSavesIt) {
  const std::string rootsMagic =
      home_.WriteFile("prefix/drive_c/Program Files/RootsMagic 4/RootsMagic.exe", "MZ");
  const FakeProgram gramps(home_, "bin/gramps");
  const auto result = Run({"programs", "--format", "json"});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto row = [](std::string_view kind, int code, std::string_view setting, const std::string& program) {
    return "  {\n    \"kind\": \"" + std::string(kind) + "\",\n    \"kind_code\": " + std::to_string(code) +
           ",\n    \"setting\": \"" + std::string(setting) +
           "\",\n    \"program\": " + (program.empty() ? "null" : "\"" + program + "\"") + "\n  }";
  };
  EXPECT_EQ(result.out, "[\n" + row("Pedora", 0, "AppPedora", "") + ",\n" + row("Legacy", 5, "AppLeg", "") +
                            ",\n" + row("RootsMagic", 7, "AppRM", rootsMagic) + ",\n" +
                            row("PAF", 6, "AppPAF", "") + ",\n" + row("Gedcom", 3, "AppGed", gramps.Path()) +
                            ",\n" + row("Family Tree Maker", 2, "AppFTM", "") + ",\n" +
                            row("Ancestral Quest", 1, "AppAQ", "") + ",\n" +
                            row("Heritage Family Tree", 4, "AppHFT", "") + ",\n" +
                            row("TMG", 8, "AppTMG", "") + ",\n" + row("Genbox", 9, "App2", "") + "\n]\n");
  // Kept in the settings file, not only found again by the next command.
  EXPECT_NE(ReadFile(SettingsFile()).find("AppRM=" + rootsMagic + "\n"), std::string::npos);
  const auto text = Run({"programs"}).out;
  EXPECT_NE(text.find("RootsMagic            AppRM      " + rootsMagic + "\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Genbox                App2       (none)\n"), std::string::npos) << text;
}

TEST_F(ProgramCommandsTest, ProgramsSavesNothingWhenNothingIsFound) {
  ASSERT_EQ(Run({"programs"}).status, 0);
  EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
  EXPECT_EQ(Run({"programs", "--format", "csv"}).status, 2);
}

}  // namespace
}  // namespace kinshelf::test
