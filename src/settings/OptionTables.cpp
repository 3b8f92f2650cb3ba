// The fixed tables of settings. The order of the rows is the order of the ids in OptionIds.h.
#include "settings/OptionTables.h"

#include <algorithm>
#include <iterator>

namespace kinshelf::opt {

namespace {

constexpr std::string_view kGen = "General";
constexpr std::string_view kPrint = "Printing";
constexpr std::string_view kNet = "Internet";
constexpr std::string_view kSelf = "SelfExtract";
constexpr std::string_view kHelp = "Help";
constexpr std::string_view kTmg = "TMG";
constexpr std::string_view kCat = "Kinshelf";

constexpr Row kGeneral[] = {
    {kGen, "UseLDS", "F"},
    {kGen, "FirstTime", "T"},
    {kGen, "MailingList", "F"},
    {kGen, "GEDAssoc", "F"},
    {kPrint, "Ped_Single", "F"},
    {kPrint, "List_Grey", "F"},
    {kPrint, "List_Divider", "T"},
    {kPrint, "List_HL", "F"},
    {kPrint, "HL_Grey", "F"},
    {kPrint, "HL_Divider", "T"},
    {kPrint, "Island_Grey", "F"},
    {kPrint, "Island_Divider", "T"},
    {kGen, "FindDlg", "3"},
    {kGen, "FindInList", "F"},
    {kGen, "Finddir", ""},
    {kNet, "YearRange", "2"},
    {kNet, "UseYear", "F"},
    {kNet, "MatchAll", "F"},
    {kGen, "SrcCol1", ""},
    {kGen, "SrcCol2", ""},
    {kGen, "SrcCol3", ""},
    {kGen, "SrcCol4", ""},
    {kGen, "SrcCol5", ""},
    {kGen, "SrcCol6", ""},
    {kGen, "SrcCol7", ""},
    {kGen, "SrcCol8", ""},
    {kGen, "File1", ""},
    {kGen, "File2", ""},
    {kGen, "File3", ""},
    {kGen, "File4", ""},
    {kGen, "File5", ""},
    {kGen, "File6", ""},
    {kGen, "File7", ""},
    {kGen, "File8", ""},
    {kGen, "File9", ""},
    {kGen, "File10", ""},
    {kGen, "OpenLastFile", "F"},
    {kGen, "LastTab", "1"},
    {kGen, "LastID", "0"},
    {kGen, "LastPanel", "0"},
    {kGen, "LastPanelWidth", ""},
    {kGen, "LastPanelState", "0"},
    {kGen, "LastDrive", ""},
    {kGen, "LastDir", ""},
    {kGen, "HLManual", "F"},
    {kSelf, "Name", ""},
    {kSelf, "Email", ""},
    {kSelf, "Addr1", ""},
    {kSelf, "Addr2", ""},
    {kSelf, "Addr3", ""},
    {kSelf, "BNRadio", "0"},
    {kSelf, "sendmsg", "sendmsg.txt"},
    {kSelf, "Title", ""},
    {kSelf, "Phone", ""},
    {kSelf, "AllowExtract", "F"},
    {kSelf, "Dir", ""},
    {kSelf, "Web", ""},
    {kGen, "FamCol1", ""},
    {kGen, "FamCol2", ""},
    {kGen, "FamCol3", ""},
    {kGen, "FamCol4", ""},
    {kGen, "FamCol5", ""},
    {kGen, "FamCol6", ""},
    {kGen, "FontSize", "8"},
    {kGen, "GridHeight", "14"},
    {kGen, "HLText", "F"},
    {kGen, "FHCOpen", "F"},
    {kGen, "AutoSearch", "F"},
    {kGen, "DesColumns", "65,67,19,59,60"},
    {kGen, "DesNameCol", "1"},
    {kGen, "DesGenLimit", "32"},
    {kGen, "DesShowLines", "T"},
    {kGen, "DesRepDups", "F"},
    {kGen, "DesIndent", "2"},
    {kPrint, "DesColW", ""},
    {kPrint, "DesPC", "F"},
    {kPrint, "DesDLines", "F"},
    {kGen, "CheckUpdates", "T"},
    {kGen, "LastUpdate", ""},
    {kGen, "UpdatePeriod", "30"},
    {kGen, "AgeCalcCB", "T"},
    {kGen, "ShowHlPanel", "T"},
    {kGen, "ShowIndHint", "T"},
    {kGen, "LoadLastFile", "F"},
    {kGen, "LEGCacheNames", "F"},
    {kGen, "SortFirstColumn", "F"},
    {kPrint, "SaveToFileDir", "F"},
    {kGen, "IslandColumns", "1,2,7,65,67,19,18,54,55"},
    {kGen, "FNValueFlag", "T"},
    {kGen, "FNValue", "1"},
    {kPrint, "IndNotes", "F"},
    {kGen, "OpenDir", ""},
    {kPrint, "ViewSaved", "F"},
    {kHelp, "DispInitHelp", "T"},
    {kHelp, "IH1", "T"},
    {kHelp, "IH2", "T"},
    {kHelp, "IH3", "T"},
    {kHelp, "IH4", "T"},
    {kHelp, "IH5", "T"},
    {kHelp, "IH6", "T"},
    {kHelp, "IH7", "T"},
    {kHelp, "IH8", "T"},
    {kHelp, "IH9", "T"},
    {kHelp, "IH10", "T"},
    {kHelp, "IH11", "T"},
    {kHelp, "IH12", "T"},
    {kHelp, "IH13", "T"},
    {kHelp, "IH14", "T"},
    {kHelp, "IH15", "T"},
    {kHelp, "IH16", "T"},
    {kHelp, "IH17", "T"},
    {kHelp, "IH18", "T"},
    {kHelp, "IH19", "T"},
    {kHelp, "IH20", "T"},
    {kHelp, "IH21", "T"},
    {kHelp, "IH22", "T"},
    {kHelp, "IH23", "T"},
    {kHelp, "IH24", "T"},
    {kHelp, "IH25", "T"},
    {kGen, "CalcIslands", "F"},
    {kGen, "HLCol", "65535"},
    {kGen, "HLTCol", "0"},
    {kGen, "NameSlash", "T"},
    {kGen, "NameUpper", "F"},
    {kGen, "PreSuf", "T"},
    {kTmg, "TMGTagSent", "T"},
    {kTmg, "TMGEngage", "F"},
    {kGen, "Chrono", "F"},
    {kGen, "IslandWit", "F"},
    {kGen, "SrcCol9", ""},
    {kGen, "SrcCol10", ""},
    {kGen, "SrcCol11", ""},
    {kGen, "IndMod", "F"},
    {kGen, "QFind", "F"},
    {kGen, "SortChildren", "T"},
    {kGen, "PlaceCommas", "T"},
    {kGen, "FamBirChr", "T"},
    {kGen, "ShowSplash", "T"},
    {kGen, "ListColumns", "1,2,7,65,67,19,18"},
};

constexpr Row kCatalog[] = {
    {kCat, "searchdrives", ""},
    {kCat, "excludeddrives", ""},
    {kCat, "SearchFTLeg", "T"},
    {kCat, "SearchFTRM", "T"},
    {kCat, "SearchFTPAF", "T"},
    {kCat, "SearchFTGED", "T"},
    {kCat, "SearchFTFTM", "T"},
    {kCat, "DispFTLeg", "T"},
    {kCat, "DispFTRM", "T"},
    {kCat, "DispFTPAF", "T"},
    {kCat, "DispFTGed", "T"},
    {kCat, "DispFTFTM", "T"},
    {kCat, "FileColumn", "4"},
    {kCat, "FCAtoZ", "F"},
    {kCat, "AppPedora", ""},
    {kCat, "AppTwinwell", ""},
    {kCat, "AppLeg", ""},
    {kCat, "AppRM", ""},
    {kCat, "AppGed", ""},
    {kCat, "AppPAF", ""},
    {kCat, "AppFTM", ""},
    {kCat, "AppAQ", ""},
    {kCat, "AppHFT", ""},
    {kCat, "AppTMG", ""},
    {kCat, "App2", ""},
    {kCat, "App3", ""},
    {kCat, "App4", ""},
    {kCat, "App5", ""},
    {kCat, "App6", ""},
    {kCat, "App7", ""},
    {kCat, "App8", ""},
    {kCat, "App9", ""},
    {kCat, "SearchFTAQ", "T"},
    {kCat, "SearchFTHFT", "T"},
    {kCat, "DispFTAQ", "T"},
    {kCat, "DispFTHFT", "T"},
    {kCat, "DispFTTMG", "T"},
    {kCat, "SearchFTTMG", "T"},
    {kCat, "AutoUpdate", "T"},
    {kCat, "filterBM", "F"},
    {kCat, "SearchFTGenbox", "T"},
    {kCat, "BKFiltChk", "F"},
    {kCat, "FileSKeep", "F"},
    {kCat, "DispFTGB", "T"},
    {kCat, "DateOpt", "1"},
    {kCat, "DateSep", "1"},
    {kCat, "DateTimeOpt", "1"},
    {kCat, "FontZoom", "8"},
    {kCat, "SideFontZoom", "8"},
};

// Only the bounds that the settings' meaning gives: a sort column of the file list's five, a
// date format of six, a separator of four, a clock of two, and the font sizes the options allow.
constexpr Range kRanges[] = {
    {FileColumn, 1, 5},  {DateOpt, 1, 6},   {DateSep, 1, 4},
    {DateTimeOpt, 1, 2}, {FontZoom, 8, 16}, {SideFontZoom, 8, 10},
};

static_assert(std::size(kGeneral) == kGeneralLast - kGeneralFirst + 1, "one general row per id");
static_assert(std::size(kCatalog) == kCatalogLast - kCatalogFirst + 1, "one catalog row per id");

}  // namespace

std::span<const Row> GeneralRows() {
  return kGeneral;
}

std::span<const Row> CatalogRows() {
  return kCatalog;
}

const Row* FindRow(int id) {
  if (id >= kGeneralFirst && id <= kGeneralLast) return &kGeneral[id - kGeneralFirst];
  if (id >= kCatalogFirst && id <= kCatalogLast) return &kCatalog[id - kCatalogFirst];
  return nullptr;
}

ValueKind KindOf(const Row& row) {
  const std::string_view value = row.defaultValue;
  if (value == "T" || value == "F") return ValueKind::kBoolean;
  const bool digits =
      !value.empty() && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
  return digits ? ValueKind::kNumber : ValueKind::kText;
}

std::span<const Range> Ranges() {
  return kRanges;
}

const Range* FindRange(int id) {
  const auto found = std::find_if(std::begin(kRanges), std::end(kRanges),
                                  [id](const Range& range) { return range.id == id; });
  return found == std::end(kRanges) ? nullptr : found;
}

}  // namespace kinshelf::opt
