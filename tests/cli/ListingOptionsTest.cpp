// The listing options: kind lists as people type them and sort keys in any case.
#include "cli/ListingOptions.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "cli/ParsedArgs.h"

namespace kinshelf::cli {
namespace {

struct KindsRow {
  const char* rule;
  const char* list;
  std::vector<FileKind> kinds;  // empty: a usage error
};

class KindsOfTest : public testing::TestWithParam<KindsRow> {};

TEST_P(KindsOfTest, ReadsTheListOrNamesTheMistake) {
  const KindsRow& row = GetParam();
  if (row.kinds.empty()) {
    EXPECT_THROW(KindsOf(row.list), UsageError);
    return;
  }
  KindSet expected;
  for (const FileKind kind : row.kinds) expected[kind] = true;
  EXPECT_EQ(KindsOf(row.list), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, KindsOfTest,
    testing::Values(KindsRow{"OneName", "gedcom", {FileKind::kGedcom}},
                    KindsRow{"BlankAfterComma", "gedcom, paf", {FileKind::kGedcom, FileKind::kPaf}},
                    KindsRow{"BlanksAndTabsAround", " \tgedcom ,\tpaf ", {FileKind::kGedcom, FileKind::kPaf}},
                    KindsRow{"AnyCase", "GEDCOM,RootsMagic", {FileKind::kGedcom, FileKind::kRootsMagic}},
                    KindsRow{"UnknownName", "gedcom, word", {}}, KindsRow{"BlankInsideAName", "ged com", {}},
                    KindsRow{"EmptyName", "gedcom, ,paf", {}}, KindsRow{"TrailingComma", "gedcom,", {}}),
    [](const auto& info) { return std::string(info.param.rule); });

struct SortRow {
  const char* rule;
  const char* key;
  std::optional<ListingColumn> column;  // nothing: a usage error
};

class SortKeyTest : public testing::TestWithParam<SortRow> {};

TEST_P(SortKeyTest, NamesAColumnInAnyCase) {
  CommandSpec spec{"list", "", "", "", ListingOptions(), 0, 0};
  const ParsedArgs args = ParsedArgs::Parse(spec, {"--sort", GetParam().key});
  if (!GetParam().column) {
    EXPECT_THROW(ListingFilterOf(args), UsageError);
    return;
  }
  EXPECT_EQ(ListingFilterOf(args).sortColumn, *GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(Keys, SortKeyTest,
                         testing::Values(SortRow{"Lower", "size", ListingColumn::kSize},
                                         SortRow{"Upper", "PATH", ListingColumn::kFullPath},
                                         SortRow{"Mixed", "Modified", ListingColumn::kModified},
                                         SortRow{"Unknown", "colour", std::nullopt},
                                         SortRow{"PrefixOnly", "mod", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.rule); });

}  // namespace
}  // namespace kinshelf::cli
