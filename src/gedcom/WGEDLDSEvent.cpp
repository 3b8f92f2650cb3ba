// An LDS ordinance in a GEDCOM record.
#include "gedcom/WGEDLDSEvent.h"

#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDNote.h"
#include "gedcom/WGEDPlace.h"
#include "model/dates/WDate.h"

namespace kinshelf {

using namespace gedcom;

namespace {

EventKind OrdinanceKind(const GedcomRecordContext& context, const char* line) {
  switch (LineTag(line, context.Text().TextEnd())) {
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

WGEDLDSEvent::WGEDLDSEvent(const GedcomRecordContext& context, const char* line)
    : WABSLDSEvent(OrdinanceKind(context, line)), context_(context) {
  const char* end = context.Text().TextEnd();
  ForEachSubLine(context.Text(), line, true, [&](const char* sub) {
    switch (LineTag(sub, end)) {
      case tag::kType:
        SetTypeName(context_.ConvertText(ValueAfterTag(sub, end)));
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
  const char* end = context_.Text().TextEnd();
  if (date_ != nullptr) {
    context_.ReadDate(date, date_);
  } else if (const std::string_view status = ValueAfterTag(status_, end); !status.empty()) {
    date = std::make_unique<WDate>(TrimShortText(status));
  } else if (const std::string_view qualifier = ValueAfterTag(qualifier_, end); !qualifier.empty()) {
    date = std::make_unique<WDate>(TrimShortText(qualifier));
  }
  SetDate(std::move(date));
}

std::unique_ptr<WABSPlace> WGEDLDSEvent::GetPlace() {
  return std::make_unique<WGEDPlace>(context_, place_);
}

std::unique_ptr<WABSCitation> WGEDLDSEvent::GetCitation(std::int32_t n) {
  return WGEDCitation::At(context_, citations_, n);
}

bool WGEDLDSEvent::HasNote() {
  return GetNote() != nullptr;
}

std::unique_ptr<WABSNote> WGEDLDSEvent::GetNote() {
  return WGEDNote::Resolve(context_, note_);
}

}  // namespace kinshelf
