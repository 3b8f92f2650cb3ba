// A GEDCOM family record as a marriage.
#include "gedcom/WGEDMarriage.h"

#include "gedcom/EMemoryError.h"
#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDCollection.h"
#include "gedcom/WGEDLDSEvent.h"
#include "gedcom/WGEDNote.h"
#include "model/dates/WDate.h"
#include "settings/WOptions.h"

namespace kinshelf {

using namespace gedcom;

WGEDMarriage::WGEDMarriage(WGEDCollection& collection, std::int32_t index)
    : WABSMarriage(collection, index), collection_(collection) {
  GedcomIndexes* indexes = collection.Indexes();
  if (indexes == nullptr) throw EMemoryError("marriage", index);
  const std::int64_t offset = indexes->Offsets(kFamilies).GetOffset(index);
  record_ = collection.Text().TextStart() + offset;
  if (!collection.Text().Contains(record_)) throw EMemoryError("marriage", index);
  SetChildCount(indexes->familyLinks != nullptr ? indexes->familyLinks->ChildCount(index) : 0);
  const char* end = collection.Text().TextEnd();
  ForEachRecordLine(collection.Text(), record_, [&](const char* line) {
    switch (LineTag(line, end)) {
      case tag::kSlgs:
        sealing_ = line;
        break;
      case tag::kMarr:
        if (marriage_ == nullptr) marriage_ = line;
        break;
      case tag::kSour:
        citations_.Add(line);
        break;
      case tag::kNote:
        if (note_ == nullptr) note_ = line;
        break;
      default:
        break;
    }
    return true;
  });
  SetCitationCount(citations_.Count());
}

void WGEDMarriage::LoadDate() {
  if (marriage_ == nullptr) return;
  std::unique_ptr<WDate> date;
  collection_.ReadDate(date, marriage_, true);
  SetDate(std::move(date));
}

std::int32_t WGEDMarriage::GetHusband() {
  const GedcomIndexes* indexes = collection_.Indexes();
  return indexes->familyLinks != nullptr ? indexes->familyLinks->Husband(Index()) : 0;
}

std::int32_t WGEDMarriage::GetWife() {
  const GedcomIndexes* indexes = collection_.Indexes();
  return indexes->familyLinks != nullptr ? indexes->familyLinks->Wife(Index()) : 0;
}

std::int32_t WGEDMarriage::GetChild(std::int32_t n) {
  const GedcomIndexes* indexes = collection_.Indexes();
  return indexes->familyLinks != nullptr ? indexes->familyLinks->Child(Index(), n) : 0;
}

std::int32_t WGEDMarriage::SpouseCount() {
  return (GetHusband() != 0 ? 1 : 0) + (GetWife() != 0 ? 1 : 0);
}

void WGEDMarriage::SortChildren() {
  GedcomIndexes* indexes = collection_.Indexes();
  if (indexes->familyLinks != nullptr) {
    indexes->familyLinks->SortChildren(Index(), collection_.Options().GetBool(opt::SortChildren));
  }
}

bool WGEDMarriage::HasSealing() {
  return sealing_ != nullptr;
}

std::unique_ptr<WABSLDSEvent> WGEDMarriage::GetSealing(std::int32_t /*n*/) {
  return sealing_ != nullptr ? std::make_unique<WGEDLDSEvent>(collection_, sealing_) : nullptr;
}

std::string WGEDMarriage::GetPlaceText() {
  return collection_.ConvertText(FindPlaceValue(collection_.Text(), marriage_));
}

std::string WGEDMarriage::GetRecordText() {
  return collection_.ConvertText(collection_.Text().GetRecordText(record_));
}

std::unique_ptr<WABSCitation> WGEDMarriage::GetCitation(std::int32_t n) {
  return WGEDCitation::At(collection_, citations_, n);
}

std::unique_ptr<WABSNote> WGEDMarriage::GetNote() {
  return WGEDNote::Resolve(collection_, note_);
}

}  // namespace kinshelf
