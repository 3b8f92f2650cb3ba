// Finding installed programs in a made-up Wine prefix and search path.
#include "catalog/programs/ProgramDiscovery.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/FakeProgram.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

using test::ScratchFolder;

constexpr std::string_view kRegHeader = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";

class ProgramDiscoveryTest : public testing::Test {
 protected:
  ProgramDiscoveryTest() { folder_.MakeFolder("prefix/drive_c"); }

  ProgramEnvironment Environment() const {
    return {folder_.Path("prefix"), folder_.Path("bin"), folder_.MakeFolder("program")};
  }
  // Installs a file in the prefix and returns its Linux path.
  std::string Install(std::string_view relative) const {
    return folder_.WriteFile("prefix/" + std::string(relative), "MZ");
  }
  void WriteRegistry(std::string_view keys) const {
    folder_.WriteFile("prefix/system.reg", std::string(kRegHeader) + std::string(keys));
  }
  bool Discover() { return DiscoverPrograms(options_, Environment()); }
  std::string Get(opt::Catalog id) const { return options_.GetString(id); }

  ScratchFolder folder_;
  WOptions options_;
};

TEST_F(ProgramDiscoveryTest, EmptyPrefixFindsNothing) {
  EXPECT_FALSE(Discover());
  for (const auto id : {opt::AppPedora, opt::AppGed, opt::AppLeg, opt::AppRM, opt::AppTMG, opt::App2})
    EXPECT_EQ(Get(id), "") << id;
}

TEST_F(ProgramDiscoveryTest, FixedLegacyPathWinsOverTheRegistry) {
  const std::string legacy = Install("drive_c/Legacy/Legacy.exe");
  WriteRegistry("[Software\\\\Millennia Corporation\\\\Legacy 7.5] 1\n\"InstallPath\"=\"C:\\\\Other\"\n");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppLeg), legacy);
}

TEST_F(ProgramDiscoveryTest, OnlyKeyGivesItsInstallPathEvenWhenTheProgramIsMissing) {
  WriteRegistry(
      "[Software\\\\Millennia Corporation\\\\Legacy 5.0] 1\n\"InstallPath\"=\"C:\\\\Legacy5\\\\\"\n");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppLeg), folder_.Path("prefix/drive_c/Legacy5/legacy.exe"));
}

TEST_F(ProgramDiscoveryTest, NewestLegacyKeyWinsInEitherRegistryView) {
  WriteRegistry(
      "[Software\\\\Millennia Corporation\\\\Legacy 3.0] 1\n\"InstallPath\"=\"C:\\\\Legacy3\"\n"
      "[Software\\\\Wow6432Node\\\\Millennia Corporation\\\\Legacy 7.0] "
      "1\n\"InstallPath\"=\"D:\\\\Legacy7\"\n");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppLeg), folder_.Path("prefix/drive_d/Legacy7/legacy.exe"));
}

TEST_F(ProgramDiscoveryTest, LegacyKeyWithoutInstallPathFindsNothing) {
  WriteRegistry(
      "[Software\\\\Millennia Corporation\\\\Legacy 7.5\\\\Settings] 1\n\"Theme\"=\"blue\"\n"
      "[Software\\\\Millennia Corporation\\\\Legacy 6.0] 1\n\"InstallPath\"=\"C:\\\\Legacy6\"\n");
  EXPECT_FALSE(Discover());
  EXPECT_EQ(Get(opt::AppLeg), "");
}

// A registry path holding a control character (a line break the settings could not hold) names no
// program, and nothing else found is lost over it.
TEST_F(ProgramDiscoveryTest, RegistryPathsWithControlCharactersAreNoPrograms) {
  const std::string roots = Install("drive_c/Program Files (x86)/rootsmagic 4/RootsMagic.exe");
  WriteRegistry(
      "[Software\\Millennia Corporation\\Legacy 7.5] 1\n\"InstallPath\"=\"C:\\\\Leg\\nacy\"\n"
      "[Software\\Microsoft\\Windows\\CurrentVersion] 1\n\"ProgramFilesDir\"=\"C:\\\\Pro\\tgrams\"\n");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppLeg), "");
  EXPECT_EQ(Get(opt::AppRM), roots);
}

TEST_F(ProgramDiscoveryTest, RootsMagicIsFoundInTheThirtyTwoBitProgramFiles) {
  const std::string rootsMagic = Install("drive_c/Program Files (x86)/RootsMagic 4/RootsMagic.exe");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppRM), rootsMagic);
}

TEST_F(ProgramDiscoveryTest, EarlierCandidateWinsWhicheverProgramFilesHoldsIt) {
  Install("drive_c/Program Files/Family Tree Maker 2006/FTW.exe");
  const std::string ftm2010 = Install("drive_c/Program Files (x86)/Family Tree Maker 2010/FTM.exe");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppFTM), ftm2010);
}

TEST_F(ProgramDiscoveryTest, ProgramFilesFolderNamedByTheRegistryIsSearched) {
  WriteRegistry(
      "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion] 1\n\"ProgramFilesDir\"=\"C:\\\\Programme\"\n");
  const std::string paf = Install("drive_c/Programme/FamilySearch/PAF5/paf5.exe");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppPAF), paf);
}

TEST_F(ProgramDiscoveryTest, PedoraAlsoBecomesTheGedcomProgram) {
  const std::string pedora = Install("drive_c/Program Files/Orrinvale/Pedora/Pedora.exe");
  folder_.MakeFolder("bin");
  const test::FakeProgram gramps(folder_, "bin/gramps");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppPedora), pedora);
  EXPECT_EQ(Get(opt::AppGed), pedora);
}

TEST_F(ProgramDiscoveryTest, PedoraLiteBesideTheProgramIsTheFallback) {
  const std::string lite = folder_.WriteFile("program/pedoralite.exe", "MZ");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppPedora), lite);
  EXPECT_EQ(Get(opt::AppGed), lite);
}

TEST_F(ProgramDiscoveryTest, GrampsOnTheSearchPathOpensGedcomWhenNoViewerIs) {
  const test::FakeProgram gramps(folder_, "bin/gramps");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppGed), gramps.Path());
  EXPECT_EQ(Get(opt::AppPedora), "");
}

TEST_F(ProgramDiscoveryTest, UserValuesSurviveEvenWhenTheirFilesAreGone) {
  Install("drive_c/Program Files/Orrinvale/Pedora/pedora.exe");
  Install("drive_c/Program Files/RootsMagic 3/RootsMagic.exe");
  Install("drive_c/legacy/legacy.exe");
  options_.SetString(opt::AppGed, "/gone/gramps");
  options_.SetString(opt::AppRM, "/gone/rm.exe");
  options_.SetString(opt::AppLeg, "C:\\legacy\\legacy.exe");
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(opt::AppGed), "/gone/gramps");
  EXPECT_EQ(Get(opt::AppRM), "/gone/rm.exe");
  EXPECT_EQ(Get(opt::AppLeg), "C:\\legacy\\legacy.exe");
  options_.SetString(opt::AppPedora, "/gone/pedora.exe");
  EXPECT_FALSE(Discover()) << "nothing left to fill";
}

// Every probed path of the programs below a Program Files folder, checked against the table.
struct ProbeRow {
  opt::Catalog setting;
  std::string_view installed;  // below drive_c/Program Files
};

void PrintTo(const ProbeRow& row, std::ostream* out) {
  *out << row.installed;
}

class ProgramFilesProbeTest : public ProgramDiscoveryTest, public testing::WithParamInterface<ProbeRow> {};

TEST_P(ProgramFilesProbeTest, FindsTheProgramAtItsPath) {
  const std::string program = Install("drive_c/Program Files/" + std::string(GetParam().installed));
  EXPECT_TRUE(Discover());
  EXPECT_EQ(Get(GetParam().setting), program);
}

INSTANTIATE_TEST_SUITE_P(
    Probes, ProgramFilesProbeTest,
    testing::Values(ProbeRow{opt::AppPedora, "orrinvale/pedora/pedora.exe"},
                    ProbeRow{opt::AppRM, "rootsmagic 3/RootsMagic.exe"},
                    ProbeRow{opt::AppRM, "rootsmagic 4/RootsMagic.exe"},
                    ProbeRow{opt::AppPAF, "FamilySearch/paf5/paf5.exe"},
                    ProbeRow{opt::AppFTM, "Family Tree Maker 2010/FTM.exe"},
                    ProbeRow{opt::AppFTM, "Family Tree Maker 2009/FTM.exe"},
                    ProbeRow{opt::AppFTM, "Family Tree Maker 2006/FTW.exe"},
                    ProbeRow{opt::AppAQ, "Incline Software/Ancestral Quest 12.1/ancquest.exe"},
                    ProbeRow{opt::AppAQ, "Incline Software/Ancestral Quest 12/ancquest.exe"},
                    ProbeRow{opt::AppHFT, "MyHeritage/Bin/MyHeritage.exe"},
                    ProbeRow{opt::App2, "Genbox Family History/genbox.exe"},
                    ProbeRow{opt::AppTMG, "The Master Genealogist v7/tmg7.exe"},
                    ProbeRow{opt::AppTMG, "The Master Genealogist v6/tmg6.exe"}));

}  // namespace
}  // namespace kinshelf
