// The nine kinds of genealogy files: their codes in the catalog, display names, names on the
// command line and the order in which the side panel lists them.
#pragma once

#include <array>
#include <string_view>

namespace kinshelf {

// Kind codes as stored in the catalog's Type column; fixed by the stored data. A row of a damaged
// catalog may hold any other number, which keeps its value through this type.
enum class FileKind : int {
  kUnknown = 0,
  kAncestralQuest = 1,
  kFamilyTreeMaker = 2,
  kGedcom = 3,
  kHeritage = 4,
  kLegacy = 5,
  kPaf = 6,
  kRootsMagic = 7,
  kMasterGenealogist = 8,
  kGenbox = 9,
};

// The number the catalog stores and the listings print.
constexpr int KindCode(FileKind kind) {
  return static_cast<int>(kind);
}

struct FileKindInfo {
  FileKind kind;
  std::string_view displayName;  // as lists and reports show it
  std::string_view caption;      // the side panel's check box
  std::string_view commandName;  // as the command line names it
};

// The kinds in the side panel's order, which is also the order of the listing's kind conditions.
inline constexpr std::array<FileKindInfo, 9> kFileKinds{{
    {FileKind::kLegacy, "Legacy", "Legacy Family Tree", "legacy"},
    {FileKind::kRootsMagic, "RootsMagic", "RootsMagic", "rootsmagic"},
    {FileKind::kPaf, "PAF", "PAF", "paf"},
    {FileKind::kGedcom, "Gedcom", "GEDCOM", "gedcom"},
    {FileKind::kFamilyTreeMaker, "Family Tree Maker", "Family Tree Maker", "ftm"},
    {FileKind::kAncestralQuest, "Ancestral Quest", "Ancestral Quest", "aq"},
    {FileKind::kHeritage, "Heritage Family Tree", "Heritage Family Tree", "hft"},
    {FileKind::kMasterGenealogist, "TMG", "The Master Genealogist", "tmg"},
    {FileKind::kGenbox, "Genbox", "Genbox", "genbox"},
}};

// The kind's entry, or nothing for kUnknown and codes outside 1..9.
const FileKindInfo* FindKind(FileKind kind);
// The kind with that command-line name (compared without regard to ASCII case), or nothing.
const FileKindInfo* FindKindByCommandName(std::string_view name);

}  // namespace kinshelf
