// A GEDCOM family record as a marriage.
#include "gedcom/WGEDMarriage.h"

#include "gedcom/EMemoryError.h"
#include "gedcom/GedcomIndexes.h"
#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDLDSEvent.h"
#include "gedcom/WGEDNote.h"
#include "model/dates/WDate.h"
#include "settings/WOptions.h"

namespace kinshelf {

using namespace gedcom;

WGEDMarriage::WGEDMarriage(const GedcomRecordContext& context, std::int32_t index)
    : WABSMarriage(context.Collection(), index), context_(context) {
  GedcomIndexes* indexes = context.Indexes();
  if (indexes == nullptr) throw EMemoryError("marriage", index);
  const std::int64_t offset = indexes->Offsets(kFamilies).GetOffset(index);
  record_ = context.Text().TextStart() + offset;
  if (!context.Text().Contains(record_)) throw EMemoryError("marriage", index);
  context.LinkedIndexes(kFamilies, index);
  SetChildCount(indexes->familyLinks != nullptr ? indexes->familyLinks->ChildCount(index) : 0);
  const char* end = context.Text().TextEnd();
  // The marriage event is the first MARR line with a DATE of its own, else the first MARR line:
  // a family may record an undated marriage before the dated one.
  const char* openMarriage = nullptr;
  bool dated = false;
  ForEachRecordLine(context.Text(), record_, [&](const char* line) {
    const std::uint32_t lineTag = LineTag(line, end);
    if (*line == '1') openMarriage = lineTag == tag::kMarr ? line : nullptr;
    switch (lineTag) {
      case tag::kSlgs:
        sealing_ = line;
        break;
      case tag::kMarr:
        if (marriage_ == nullptr) marriage_ = line;
        break;
      case tag::kDate:
        if (!dated && openMarriage != nullptr && *line == '2') {
          marriage_ = openMarriage;
          dated = true;
        }
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
  // Writers put TYPE, _UID, PLAC or SOUR before the DATE as often as after it.
  context_.ReadDate(date, FindChildLine(context_.Text(), marriage_, tag::kDate));
  SetDate(std::move(date));
}

std::int32_t WGEDMarriage::GetHusband() {
  const GedcomIndexes* indexes = context_.Indexes();
  return indexes->familyLinks != nullptr ? indexes->familyLinks->Husband(Index()) : 0;
}

std::int32_t WGEDMarriage::GetWife() {
  const GedcomIndexes* indexes = context_.Indexes();
  return indexes->familyLinks != nullptr ? indexes->familyLinks->Wife(Index()) : 0;
}

std::int32_t WGEDMarriage::GetChild(std::int32_t n) {
  const GedcomIndexes* indexes = context_.Indexes();
  return indexes->familyLinks != nullptr ? indexes->familyLinks->Child(Index(), n) : 0;
}

std::int32_t WGEDMarriage::SpouseCount() {
  return (GetHusband() != 0 ? 1 : 0) + (GetWife() != 0 ? 1 : 0);
}

void WGEDMarriage::SortChildren() {
  GedcomIndexes* indexes = context_.Indexes();
  if (indexes->familyLinks != nullptr) {
    indexes->familyLinks->SortChildren(Index(), Collection().Options().GetBool(opt::SortChildren));
  }
}

bool WGEDMarriage::HasSealing() {
  return sealing_ != nullptr;
}

std::unique_ptr<WABSLDSEvent> WGEDMarriage::GetSealing(std::int32_t /*n*/) {
  return sealing_ != nullptr ? std::make_unique<WGEDLDSEvent>(context_, sealing_) : nullptr;
}

std::string WGEDMarriage::GetPlaceText() {
  return context_.ConvertText(FindPlaceValue(context_.Text(), marriage_));
}

std::string WGEDMarriage::GetRecordText() {
  return context_.ConvertText(context_.Text().GetRecordText(record_));
}

std::unique_ptr<WABSCitation> WGEDMarriage::GetCitation(std::int32_t n) {
  return WGEDCitation::At(context_, citations_, n);
}

std::unique_ptr<WABSNote> WGEDMarriage::GetNote() {
  return WGEDNote::Resolve(context_, note_);
}

}  // namespace kinshelf
