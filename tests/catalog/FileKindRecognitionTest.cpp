// Which kind a found file is: extensions in any case, the Jet header test, and the GeoDB rule.
#include "catalog/FileKindRecognition.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

const std::string kJetHeader = std::string("\x00\x01\x00\x00", 4) + "Standard Jet DB" + std::string(32, '\0');

struct KindCase {
  const char* label;
  const char* name;
  std::string content;
  int kind;
};

class RecogniseKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(RecogniseKindTest, GivesTheKind) {
  test::ScratchFolder folder;
  const auto& row = GetParam();
  const auto path = folder.WriteFile(row.name, row.content);
  EXPECT_EQ(RecogniseKind(row.name, path, AllKinds()), row.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RecogniseKindTest,
    testing::Values(KindCase{"GedcomLower", "tree.ged", "0 HEAD", kind::kGedcom},
                    KindCase{"GedcomUpper", "tree.GED", "0 HEAD", kind::kGedcom},
                    KindCase{"RootsMagicBoth", "a.rmgc", "", kind::kRootsMagic},
                    KindCase{"Paf", "a.PaF", "", kind::kPaf},
                    KindCase{"FamilyTreeMaker", "a.ftmb", "", kind::kFamilyTreeMaker},
                    KindCase{"AncestralQuest", "a.aq", "", kind::kAncestralQuest},
                    KindCase{"Heritage", "a.zed", "", kind::kHeritage},
                    KindCase{"MasterGenealogist", "a.PJC", "", kind::kMasterGenealogist},
                    KindCase{"LegacyWithJetHeader", "a.fdb", kJetHeader, kind::kLegacy},
                    KindCase{"LegacyHeaderInCapitals", "a.FDB",
                             std::string("\x00\x01\x00\x00", 4) + "STANDARD JET DB" + std::string(8, '\0'),
                             kind::kLegacy},
                    KindCase{"FdbWithoutJetHeader", "a.fdb", "Firebird database file", 0},
                    KindCase{"FdbOfSixteenBytes", "a.fdb", kJetHeader.substr(0, 16), 0},
                    KindCase{"FdbOfSeventeenBytes", "a.fdb", kJetHeader.substr(0, 17), kind::kLegacy},
                    KindCase{"EmptyFdb", "a.fdb", "", 0},
                    KindCase{"GenboxWithJetHeader", "family.gdb", kJetHeader, kind::kGenbox},
                    KindCase{"GeoDbIsNeverGenbox", "GeoDB.gdb", kJetHeader, 0},
                    KindCase{"GeoDbOtherCaseIsGenbox", "geodb.gdb", kJetHeader, kind::kGenbox},
                    KindCase{"NoDot", "ged", "0 HEAD", 0},
                    KindCase{"TrailingDot", "tree.", "", 0},
                    KindCase{"Decoy", "tree.ged.bak", "0 HEAD", 0},
                    KindCase{"LongerExtension", "notes.gedcom", "", 0}),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.label); });

TEST(RecogniseKindTest, OnlyEnabledKindsAreRecognised) {
  test::ScratchFolder folder;
  const auto path = folder.WriteFile("a.ged", "0 HEAD");
  KindSet enabled = AllKinds();
  enabled[kind::kGedcom] = false;
  EXPECT_EQ(RecogniseKind("a.ged", path, enabled), 0);
}

TEST(RecogniseKindTest, RulesCoverEachKindOnceInTheirOrder) {
  KindSet seen{};
  for (const auto& rule : KindRules()) {
    EXPECT_FALSE(seen[static_cast<std::size_t>(rule.kind)]);
    seen[static_cast<std::size_t>(rule.kind)] = true;
    EXPECT_EQ(rule.needsJetHeader, rule.kind == kind::kLegacy || rule.kind == kind::kGenbox);
  }
  EXPECT_EQ(seen, AllKinds());
  EXPECT_EQ(KindRules().front().kind, kind::kLegacy);
  EXPECT_EQ(KindRules().back().kind, kind::kGenbox);
}

TEST(IsJetDatabaseTest, RealJetFilesAreRecognised) {
  for (const char* name : {"jet/delTestV1997.mdb", "jet/emptyJet4.mdb"}) {
    const std::string path = test::SharedTestData(name);
    if (path.empty()) GTEST_SKIP() << "the shared sample files are not beside the project";
    EXPECT_TRUE(IsJetDatabase(path)) << name;
  }
}

TEST(IsJetDatabaseTest, MissingFilesAndFoldersAreNot) {
  test::ScratchFolder folder;
  EXPECT_FALSE(IsJetDatabase(folder.Path("none.fdb")));
  EXPECT_FALSE(IsJetDatabase(folder.MakeFolder("dir.fdb")));
}

}  // namespace
}  // namespace kinshelf
