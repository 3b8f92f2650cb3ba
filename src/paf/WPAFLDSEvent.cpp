// An LDS ordinance of a PAF file.
#include "paf/WPAFLDSEvent.h"

#include <utility>

#include "model/WABSNote.h"
#include "model/dates/WDate.h"
#include "paf/WPAFCollection.h"
#include "paf/WPAFPlace.h"

namespace kinshelf {

namespace {

// A PAF 3/4 date word of 1: the 32-bit value after it links the text record holding the date.
constexpr std::uint16_t kTextDateWord = 1;
constexpr std::size_t kTextDateLink = 2;

}  // namespace

WPAFLDSEvent::WPAFLDSEvent(WPAFCollection& collection, EventKind kind, PafRecord structure,
                           PafRecord extension)
    : WABSLDSEvent(kind),
      collection_(collection),
      structure_(structure),
      extension_(extension),
      citations_(collection, structure.Int32(collection.Fields().lds.citation)) {}

std::unique_ptr<WABSPlace> WPAFLDSEvent::GetPlace() {
  const auto& fields = collection_.Fields();
  std::string text = collection_.Text(structure_.Int32(fields.lds.temple));
  if (!structure_.HasLink(fields.lds.temple) && extension_.Exists())
    text = collection_.JoinedTexts(extension_, fields.extension.ldsPlaces);
  return std::make_unique<WPAFPlace>(collection_, std::move(text), 0, NoteLink());
}

std::int32_t WPAFLDSEvent::NoteLink() const {
  return structure_.Int32(collection_.Fields().lds.note);
}

bool WPAFLDSEvent::HasNote() {
  return PafRecord::IsLink(NoteLink());
}

std::unique_ptr<WABSNote> WPAFLDSEvent::GetNote() {
  if (collection_.Fields().lds.note == paf::kMissing) return nullptr;
  return collection_.Note(NoteLink());
}

void WPAFLDSEvent::LoadDate() {
  const auto& fields = collection_.Fields().lds;
  if (fields.textDates && IsUsed(structure_) && structure_.Word(0) == kTextDateWord) {
    const std::int32_t link = structure_.Int32(kTextDateLink);
    if (!PafRecord::IsLink(link)) return;
    auto date = std::make_unique<WDate>(WDate::FromConvertedText(collection_.Text(link)));
    if (date->IsValid()) SetDate(std::move(date));
    return;
  }
  SetDate(collection_.PackedDate(structure_, fields.dateWidth));
}

}  // namespace kinshelf
