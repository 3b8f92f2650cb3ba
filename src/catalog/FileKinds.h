// The nine kinds of genealogy files: their codes in the catalog, display names, names on the
// command line and the order in which the side panel lists them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kinshelf {

// Kind codes as stored in the catalog's Type column; fixed by the stored data.
namespace kind {
inline constexpr int kAncestralQuest = 1;
inline constexpr int kFamilyTreeMaker = 2;
inline constexpr int kGedcom = 3;
inline constexpr int kHeritage = 4;
inline constexpr int kLegacy = 5;
inline constexpr int kPaf = 6;
inline constexpr int kRootsMagic = 7;
inline constexpr int kMasterGenealogist = 8;
inline constexpr int kGenbox = 9;
}  // namespace kind

struct FileKindInfo {
  int code;
  std::string_view displayName;  // as lists and reports show it
  std::string_view caption;      // the side panel's check box
  std::string_view commandName;  // as the command line names it
};

// The kinds in the side panel's order, which is also the order of the listing's kind conditions.
inline constexpr std::array<FileKindInfo, 9> kFileKinds{{
    {kind::kLegacy, "Legacy", "Legacy Family Tree", "legacy"},
    {kind::kRootsMagic, "RootsMagic", "RootsMagic", "rootsmagic"},
    {kind::kPaf, "PAF", "PAF", "paf"},
    {kind::kGedcom, "Gedcom", "GEDCOM", "gedcom"},
    {kind::kFamilyTreeMaker, "Family Tree Maker", "Family Tree Maker", "ftm"},
    {kind::kAncestralQuest, "Ancestral Quest", "Ancestral Quest", "aq"},
    {kind::kHeritage, "Heritage Family Tree", "Heritage Family Tree", "hft"},
    {kind::kMasterGenealogist, "TMG", "The Master Genealogist", "tmg"},
    {kind::kGenbox, "Genbox", "Genbox", "genbox"},
}};

// The kind with that code, or nothing for codes outside 1..9.
const FileKindInfo* FindKind(int code);
// The kind with that command-line name (compared without regard to ASCII case), or nothing.
const FileKindInfo* FindKindByCommandName(std::string_view name);

// One flag per kind code 1..9 (index 0 unused): which kinds a listing shows or a search looks for.
using KindSet = std::array<bool, 10>;
// Every kind set.
KindSet AllKinds();

}  // namespace kinshelf
