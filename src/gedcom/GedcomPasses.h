// The forward passes that open a GEDCOM file: the index pass that finds every record and its
// identifier, the link passes that connect individuals and families (all of them, or the few a
// page reads), the character-set check and the quick count of individuals. Each pass is one
// forward scan of the mapped text; each tests the cancel flag as it goes. Called from one thread at
// a time.
#pragma once

#include <cstdint>
#include <functional>

#include "gedcom/GedcomIndexes.h"
#include "gedcom/WGEDTextMMF.h"

namespace kinshelf::gedcom {

// Records every record with an identifier after the header (the first '0' of the text) up to the
// trailer "0 TR" in its category's indexes and sets the header position; the identifier keys are
// sorted by the first lookup that needs their order. Lets pending events through at the 1st,
// 501st ... record. False when the cancel flag stopped it.
bool IndexRecords(const WGEDTextMMF& text, GedcomIndexes& indexes);

// Calls visit(record) for each individual record IndexRecords indexes, in its order, until visit
// returns false or keepGoing(), asked before each record, does. Touches no index: it may run while
// IndexRecords does, on another thread.
void ForEachIndividualRecord(const WGEDTextMMF& text, const std::function<bool(const char*)>& visit,
                             const std::function<bool()>& keepGoing);

// Builds the individual and family links from the level-1 FAMC, FAMS (and their long forms),
// HUSB, WIFE and CHIL lines, individuals first, for every record whose links LinkRecordsAround did
// not build. Pointers that do not resolve are ignored. Worker threads find the lines while this
// thread applies them in record order, so the links are those of one forward walk. False when the
// cancel flag stopped it; the next pass then builds every record's links anew.
bool LinkFamilies(const WGEDTextMMF& text, GedcomIndexes& indexes);

// The character-set code of the first level-1 CHAR line of the header; 0 without one.
int DetectCharSet(const WGEDTextMMF& text, const char* header);

// The number of individual records, counted without building any index.
std::int32_t CountIndividualRecords(const WGEDTextMMF& text);

}  // namespace kinshelf::gedcom
