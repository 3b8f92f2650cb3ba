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
  FileKind kind;
};

class RecogniseKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(RecogniseKindTest, GivesTheKind) {
  test::ScratchFolder folder;
  const auto& row = GetParam();
  const auto path = folder.WriteFile(row.name, row.content);
  EXPECT_EQ(RecogniseKind(row.name, path, KindSet::All()), row.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RecogniseKindTest,
    testing::Values(KindCase{"GedcomLower", "tree.ged", "0 HEAD", FileKind::kGedcom},
                    KindCase{"GedcomUpper", "tree.GED", "0 HEAD", FileKind::kGedcom},
                    KindCase{"RootsMagicBoth", "a.rmgc", "", FileKind::kRootsMagic},
                    KindCase{"Paf", "a.PaF", "", FileKind::kPaf},
                    KindCase{"FamilyTreeMaker", "a.ftmb", "", FileKind::kFamilyTreeMaker},
                    KindCase{"AncestralQuest", "a.aq", "", FileKind::kAncestralQuest},
                    KindCase{"Heritage", "a.zed", "", FileKind::kHeritage},
                    KindCase{"MasterGenealogist", "a.PJC", "", FileKind::kMasterGenealogist},
                    KindCase{"LegacyWithJetHeader", "a.fdb", kJetHeader, FileKind::kLegacy},
                    KindCase{"LegacyHeaderInCapitals", "a.FDB",
                             std::string("\x00\x01\x00\x00", 4) + "STANDARD JET DB" + std::string(8, '\0'),
                             FileKind::kLegacy},
                    KindCase{"FdbWithoutJetHeader", "a.fdb", "Firebird database file", FileKind::kUnknown},
                    KindCase{"FdbOfSixteenBytes", "a.fdb", kJetHeader.substr(0, 16), FileKind::kUnknown},
                    KindCase{"FdbOfSeventeenBytes", "a.fdb", kJetHeader.substr(0, 17), FileKind::kLegacy},
                    KindCase{"EmptyFdb", "a.fdb", "", FileKind::kUnknown},
                    KindCase{"GenboxWithJetHeader", "family.gdb", kJetHeader, FileKind::kGenbox},
                    KindCase{"GeoDbIsNeverGenbox", "GeoDB.gdb", kJetHeader, FileKind::kUnknown},
                    KindCase{"GeoDbOtherCaseIsGenbox", "geodb.gdb", kJetHeader, FileKind::kGenbox},
                    KindCase{"NoDot", "ged", "0 HEAD", FileKind::kUnknown},
                    KindCase{"TrailingDot", "tree.", "", FileKind::kUnknown},
                    KindCase{"Decoy", "tree.ged.bak", "0 HEAD", FileKind::kUnknown},
                    KindCase{"LongerExtension", "notes.gedcom", "", FileKind::kUnknown}),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.label); });

TEST(RecogniseKindTest, OnlyEnabledKindsAreRecognised) {
  test::ScratchFolder folder;
  const auto path = folder.WriteFile("a.ged", "0 HEAD");
  KindSet enabled = KindSet::All();
  enabled[FileKind::kGedcom] = false;
  EXPECT_EQ(RecogniseKind("a.ged", path, enabled), FileKind::kUnknown);
}

TEST(RecogniseKindTest, RulesCoverEachKindOnceInTheirOrder) {
  KindSet seen{};
  for (const auto& rule : KindRules()) {
    EXPECT_FALSE(seen[rule.kind]);
    seen[rule.kind] = true;
    EXPECT_EQ(rule.needsJetHeader, rule.kind == FileKind::kLegacy || rule.kind == FileKind::kGenbox);
  }
  EXPECT_EQ(seen, KindSet::All());
  EXPECT_EQ(KindRules().front().kind, FileKind::kLegacy);
  EXPECT_EQ(KindRules().back().kind, FileKind::kGenbox);
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
