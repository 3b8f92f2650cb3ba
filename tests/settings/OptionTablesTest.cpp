// The fixed tables of settings: one row per id, keys that match the enumerators, sections, defaults.
#include "settings/OptionTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kinshelf::opt {
namespace {

const Row& GeneralRow(General id) {
  return GeneralRows()[static_cast<std::size_t>(id - kGeneralFirst)];
}
const Row& CatalogRow(Catalog id) {
  return CatalogRows()[static_cast<std::size_t>(id - kCatalogFirst)];
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return upper;
}

TEST(SettingsTablesTest, EveryIdHasOneWritableRow) {
  ASSERT_EQ(GeneralRows().size(), 139u);
  ASSERT_EQ(CatalogRows().size(), 49u);
  for (const auto rows : {GeneralRows(), CatalogRows()}) {
    for (const Row& row : rows) {
      EXPECT_FALSE(row.key.empty());
      EXPECT_FALSE(row.section.empty()) << row.key;
      EXPECT_EQ(row.defaultValue.find_first_of("\r\n"), std::string_view::npos) << row.key;
    }
  }
}

// Boundaries of every run of numbered keys and every row the program uses: a row left out or
// added twice shifts all the ids after it and shows here.
TEST(SettingsTablesTest, EnumeratorsNameTheirOwnRows) {
  const std::vector<std::pair<General, std::string_view>> general = {{UseLDS, "UseLDS"},
                                                                     {FirstTime, "FirstTime"},
                                                                     {FindDlg, "FindDlg"},
                                                                     {FindInList, "FindInList"},
                                                                     {SrcCol1, "SrcCol1"},
                                                                     {SrcCol8, "SrcCol8"},
                                                                     {File1, "File1"},
                                                                     {File10, "File10"},
                                                                     {LastTab, "LastTab"},
                                                                     {Name, "Name"},
                                                                     {Web, "Web"},
                                                                     {FamCol1, "FamCol1"},
                                                                     {FamCol6, "FamCol6"},
                                                                     {FontSize, "FontSize"},
                                                                     {ShowIndHint, "ShowIndHint"},
                                                                     {IH1, "IH1"},
                                                                     {IH25, "IH25"},
                                                                     {HLCol, "HLCol"},
                                                                     {TMGTagSent, "TMGTagSent"},
                                                                     {Chrono, "Chrono"},
                                                                     {SrcCol9, "SrcCol9"},
                                                                     {SrcCol11, "SrcCol11"},
                                                                     {FamBirChr, "FamBirChr"},
                                                                     {ShowSplash, "ShowSplash"},
                                                                     {ListColumns, "ListColumns"}};
  for (const auto& [id, key] : general) EXPECT_EQ(GeneralRow(id).key, key) << id;
  const std::vector<std::pair<Catalog, std::string_view>> catalog = {{searchdrives, "searchdrives"},
                                                                     {FCAtoZ, "FCAtoZ"},
                                                                     {AppPedora, "AppPedora"},
                                                                     {App2, "App2"},
                                                                     {App3, "App3"},
                                                                     {App9, "App9"},
                                                                     {SearchFTAQ, "SearchFTAQ"},
                                                                     {AutoUpdate, "AutoUpdate"},
                                                                     {FileSKeep, "FileSKeep"},
                                                                     {DateOpt, "DateOpt"},
                                                                     {FontZoom, "FontZoom"},
                                                                     {SideFontZoom, "SideFontZoom"}};
  for (const auto& [id, key] : catalog) EXPECT_EQ(CatalogRow(id).key, key) << id;
}

// Numbered keys run in order inside their run: SrcCol1 ... SrcCol8, File1 ... File10 and so on.
TEST(SettingsTablesTest, NumberedKeysRunInOrder) {
  struct Run {
    int first;
    int last;
    std::string_view prefix;
    int number;
  };
  const Run general[] = {{SrcCol1, SrcCol8, "SrcCol", 1},
                         {File1, File10, "File", 1},
                         {FamCol1, FamCol6, "FamCol", 1},
                         {IH1, IH25, "IH", 1},
                         {SrcCol9, SrcCol11, "SrcCol", 9}};
  for (const Run& run : general) {
    for (int id = run.first; id <= run.last; ++id) {
      EXPECT_EQ(GeneralRow(General(id)).key,
                std::string(run.prefix) + std::to_string(run.number + id - run.first));
    }
  }
  for (int id = App2; id <= App9; ++id)
    EXPECT_EQ(CatalogRow(Catalog(id)).key, "App" + std::to_string(id - App2 + 2));
}

TEST(SettingsTablesTest, KeysAreUniqueAcrossBothTablesIgnoringCase) {
  std::set<std::string> seen;
  for (const auto rows : {GeneralRows(), CatalogRows()}) {
    for (const Row& row : rows) EXPECT_TRUE(seen.insert(Upper(row.key)).second) << row.key;
  }
}

std::string_view ExpectedSection(int id) {
  const auto in = [id](int first, int last) { return id >= first && id <= last; };
  if (in(Name, Web)) return "SelfExtract";
  if (in(DispInitHelp, IH25)) return "Help";
  if (in(TMGTagSent, TMGEngage)) return "TMG";
  if (in(YearRange, MatchAll)) return "Internet";
  if (in(Ped_Single, Island_Divider) || in(DesColW, DesDLines) || id == SaveToFileDir || id == IndNotes ||
      id == ViewSaved) {
    return "Printing";
  }
  return "General";
}

TEST(SettingsTablesTest, RowsLieInTheirSections) {
  for (int id = kGeneralFirst; id <= kGeneralLast; ++id) {
    EXPECT_EQ(GeneralRow(static_cast<General>(id)).section, ExpectedSection(id)) << id;
  }
  for (const Row& row : CatalogRows()) EXPECT_EQ(row.section, "Kinshelf") << row.key;
}

TEST(SettingsTablesTest, NamedGeneralDefaults) {
  const std::vector<std::pair<General, std::string_view>> defaults = {
      {UseLDS, "F"},
      {FirstTime, "T"},
      {FindInList, "F"},
      {File1, ""},
      {File10, ""},
      {LastTab, "1"},
      {ShowIndHint, "T"},
      {TMGTagSent, "T"},
      {Chrono, "F"},
      {FamBirChr, "T"},
      {ShowSplash, "T"},
      {FindDlg, "3"},
      {sendmsg, "sendmsg.txt"},
      {FontSize, "8"},
      {GridHeight, "14"},
      {DesColumns, "65,67,19,59,60"},
      {DesGenLimit, "32"},
      {UpdatePeriod, "30"},
      {IslandColumns, "1,2,7,65,67,19,18,54,55"},
      {HLCol, "65535"},
      {ListColumns, "1,2,7,65,67,19,18"},
      // The settings that shape the texts of a genealogy file, and the order of children.
      {NameSlash, "T"},
      {NameUpper, "F"},
      {PreSuf, "T"},
      {FNValueFlag, "T"},
      {FNValue, "1"},
      {PlaceCommas, "T"},
      {AgeCalcCB, "T"},
      {SortChildren, "T"}};
  for (const auto& [id, value] : defaults) EXPECT_EQ(GeneralRow(id).defaultValue, value) << id;
}

TEST(SettingsTablesTest, CatalogDefaults) {
  for (Catalog id : {SearchFTLeg, SearchFTRM, SearchFTPAF, SearchFTGED, SearchFTFTM, SearchFTAQ, SearchFTHFT,
                     SearchFTTMG, SearchFTGenbox, DispFTLeg, DispFTRM, DispFTPAF, DispFTGed, DispFTFTM,
                     DispFTAQ, DispFTHFT, DispFTTMG, DispFTGB, AutoUpdate}) {
    EXPECT_EQ(CatalogRow(id).defaultValue, "T") << id;
  }
  for (Catalog id : {FCAtoZ, filterBM, BKFiltChk, FileSKeep})
    EXPECT_EQ(CatalogRow(id).defaultValue, "F") << id;
  for (int id = searchdrives; id <= excludeddrives; ++id) EXPECT_EQ(CatalogRow(Catalog(id)).defaultValue, "");
  for (int id = AppPedora; id <= App9; ++id) EXPECT_EQ(CatalogRow(Catalog(id)).defaultValue, "") << id;
  const std::vector<std::pair<Catalog, std::string_view>> numbers = {{FileColumn, "4"}, {DateOpt, "1"},
                                                                     {DateSep, "1"},    {DateTimeOpt, "1"},
                                                                     {FontZoom, "8"},   {SideFontZoom, "8"}};
  for (const auto& [id, value] : numbers) EXPECT_EQ(CatalogRow(id).defaultValue, value) << id;
}

TEST(SettingsTablesTest, BoundsBelongToNumbersInIdOrderAndHoldTheirDefaults) {
  int previous = 0;
  for (const Range& range : Ranges()) {
    const Row* row = FindRow(range.id);
    ASSERT_NE(row, nullptr) << range.id;
    EXPECT_GT(range.id, previous) << row->key;
    previous = range.id;
    EXPECT_EQ(KindOf(*row), ValueKind::kNumber) << row->key;
    EXPECT_LE(range.low, range.high) << row->key;
    const int value = std::stoi(std::string(row->defaultValue));
    EXPECT_TRUE(value >= range.low && value <= range.high) << row->key;
    EXPECT_EQ(FindRange(range.id), &range);
  }
  EXPECT_EQ(FindRange(FNValue), nullptr);
}

}  // namespace
}  // namespace kinshelf::opt
