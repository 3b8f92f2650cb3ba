// A personal name, its citations and its note.
#include "model/WABSName.h"

#include "model/ItemTexts.h"
#include "model/WABSNote.h"

namespace kinshelf {

WABSName::~WABSName() = default;

std::string WABSName::CitationsText() {
  return CitationListText(CitationCount(), [this](std::int32_t n) { return GetCitation(n); });
}

NameParts WABSName::GetParts() {
  return {GetPrefix(), GetGivenNames(), GetSurname(), GetSuffix()};
}

std::string WABSName::NoteText() {
  return NoteTextOf(GetNote().get());
}

}  // namespace kinshelf
