// An event of a GEDCOM individual.
#include "gedcom/WGEDVitEvent.h"

#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDCollection.h"
#include "gedcom/WGEDNote.h"
#include "gedcom/WGEDPlace.h"
#include "model/dates/WDate.h"

namespace kinshelf {

using namespace gedcom;

namespace {

const EventTag* EventOfLine(const WGEDCollection& collection, const char* line) {
  return FindEventTag(LineTag(line, collection.Text().TextEnd()));
}

EventKind KindOfLine(const WGEDCollection& collection, const char* line) {
  const EventTag* row = EventOfLine(collection, line);
  return row != nullptr ? row->kind : EventKind::kOther;
}

}  // namespace

WGEDVitEvent::WGEDVitEvent(WGEDCollection& collection, const char* line)
    : WABSVitEvent(KindOfLine(collection, line)), collection_(collection), line_(line) {
  const EventTag* row = EventOfLine(collection, line);
  SetTypeName(row != nullptr ? std::string(row->caption) : std::string());
  const char* end = collection.Text().TextEnd();
  ForEachSubLine(collection.Text(), line, true, [&](const char* sub) {
    switch (LineTag(sub, end)) {
      case tag::kType:
        SetTypeName(collection_.ConvertText(ValueAfterTag(sub, end)));
        break;
      case tag::kCaus:
        cause_ = sub;
        break;
      case tag::kDate:
        date_ = sub;
        break;
      case tag::kPlac:
        place_ = sub;
        break;
      case tag::kNote:
        note_ = sub;
        break;
      case tag::kSour:
        citations_.Add(sub);
        break;
      default:
        break;
    }
    return true;
  });
  SetCitationCount(citations_.Count());
}

void WGEDVitEvent::LoadDate() {
  std::unique_ptr<WDate> date;
  collection_.ReadDate(date, date_, false);
  SetDate(std::move(date));
}

std::string WGEDVitEvent::GetDescription() {
  const char* end = collection_.Text().TextEnd();
  std::string description(ValueAfterTag(line_, end));
  const std::string_view cause = ValueAfterTag(cause_, end);
  if (!cause.empty()) {
    if (!description.empty()) description += ", ";
    description += cause;
  }
  return collection_.ConvertText(description);
}

std::unique_ptr<WABSPlace> WGEDVitEvent::GetPlace() {
  return place_ != nullptr ? std::make_unique<WGEDPlace>(collection_, place_) : nullptr;
}

std::unique_ptr<WABSCitation> WGEDVitEvent::GetCitation(std::int32_t n) {
  return WGEDCitation::At(collection_, citations_, n);
}

bool WGEDVitEvent::HasNote() {
  return GetNote() != nullptr;
}

std::unique_ptr<WABSNote> WGEDVitEvent::GetNote() {
  return WGEDNote::Resolve(collection_, note_);
}

}  // namespace kinshelf
