// The link lines of GEDCOM records: the level-1 lines of an individual or a family that link it to
// a family or an individual, found as every link pass finds them, and the record a line names.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "gedcom/GedcomIndexes.h"
#include "gedcom/WGEDTextMMF.h"

namespace kinshelf::gedcom {

// The identifier of a record line, looked for from its third byte on.
// A record line as short as "0" has none, even when the next line has one.
std::string_view RecordIdentifier(const WGEDTextMMF& text, const char* record);

// A link line found by a worker: what it links, and the record it names when the numbered tables
// could tell (-1 when only the key search can, which is left to the thread that applies it).
enum class LinkKind : std::uint8_t { kParentFamily, kSpouseFamily, kHusband, kWife, kChild };
struct FoundLink {
  const char* line;
  std::int32_t owner;
  std::int32_t target;
  LinkKind kind;
};

// True for the links an individual's lines make (to a family); false for a family's.
inline bool OfIndividual(LinkKind kind) {
  return kind == LinkKind::kParentFamily || kind == LinkKind::kSpouseFamily;
}

// Appends the links of the individual's FAMC and FAMS lines (and their long forms), in order,
// but those that name no family. Reads only: threads may call it side by side.
void FindIndividualLinks(const WGEDTextMMF& text, const GedcomIndexes& indexes, std::int32_t individual,
                         std::vector<FoundLink>& found);
// The same for the family's HUSB, WIFE and CHIL lines.
void FindFamilyLinks(const WGEDTextMMF& text, const GedcomIndexes& indexes, std::int32_t family,
                     std::vector<FoundLink>& found);

// The record a found link names, looked up by key when the numbered tables could not tell; 0 when
// it names none.
std::int32_t TargetOf(const WGEDTextMMF& text, GedcomIndexes& indexes, const FoundLink& link);

}  // namespace kinshelf::gedcom
