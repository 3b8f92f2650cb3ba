// An LDS ordinance in a GEDCOM record.
#include "gedcom/WGEDLDSEvent.h"

#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDCollection.h"
#include "gedcom/WGEDNote.h"
#include "gedcom/WGEDPlace.h"
#include "model/dates/WDate.h"

namespace kinshelf {

using namespace gedcom;

namespace {

EventKind OrdinanceKind(const WGEDCollection& collection, const char* line) {
  switch (LineTag(line, collection.Text().TextEnd())) {
    case tag::kBapl:
    case tag::kCons:
      return EventKind::kLdsBaptism;
    case tag::kEndl:
      return EventKind::kLdsEndowment;
    case tag::kSlgc:
      return EventKind::kLdsSealingToParents;
    default:
      return EventKind::kNone;
  }
}

}  // namespace

WGEDLDSEvent::WGEDLDSEvent(WGEDCollection& collection, const char* line)
    : WABSLDSEvent(OrdinanceKind(collection, line)), collection_(collection) {
  const char* end = collection.Text().TextEnd();
  ForEachSubLine(collection.Text(), line, true, [&](const char* sub) {
    switch (LineTag(sub, end)) {
      case tag::kType:
        SetTypeName(collection_.ConvertText(ValueAfterTag(sub, end)));
        break;
      case tag::kStat:
        status_ = sub;
        break;
      case tag::kDate:
        date_ = sub;
        break;
      case tag::kQual:
        qualifier_ = sub;
        break;
      case tag::kPlac:
      case tag::kTemp:
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

void WGEDLDSEvent::LoadDate() {
  std::unique_ptr<WDate> date;
  const char* end = collection_.Text().TextEnd();
  if (date_ != nullptr) {
    collection_.ReadDate(date, date_, false);
  } else if (const std::string_view status = ValueAfterTag(status_, end); !status.empty()) {
    date = std::make_unique<WDate>(TrimShortText(status));
  } else if (const std::string_view qualifier = ValueAfterTag(qualifier_, end); !qualifier.empty()) {
    date = std::make_unique<WDate>(TrimShortText(qualifier));
  }
  SetDate(std::move(date));
}

std::unique_ptr<WABSPlace> WGEDLDSEvent::GetPlace() {
  return std::make_unique<WGEDPlace>(collection_, place_);
}

std::unique_ptr<WABSCitation> WGEDLDSEvent::GetCitation(std::int32_t n) {
  return WGEDCitation::At(collection_, citations_, n);
}

bool WGEDLDSEvent::HasNote() {
  return GetNote() != nullptr;
}

std::unique_ptr<WABSNote> WGEDLDSEvent::GetNote() {
  return WGEDNote::Resolve(collection_, note_);
}

}  // namespace kinshelf
