// An event of a GEDCOM individual.
#include "gedcom/WGEDVitEvent.h"

#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDNote.h"
#include "gedcom/WGEDPlace.h"
#include "model/ItemTexts.h"
#include "model/dates/WDate.h"

namespace kinshelf {

using namespace gedcom;

namespace {

const EventTag* EventOfLine(const GedcomRecordContext& context, const char* line) {
  return FindEventTag(LineTag(line, context.Text().TextEnd()));
}

EventKind KindOfLine(const GedcomRecordContext& context, const char* line) {
  const EventTag* row = EventOfLine(context, line);
  return row != nullptr ? row->kind : EventKind::kOther;
}

}  // namespace

WGEDVitEvent::WGEDVitEvent(const GedcomRecordContext& context, const char* line)
    : WABSVitEvent(KindOfLine(context, line)), context_(context), line_(line) {
  const EventTag* row = EventOfLine(context, line);
  SetTypeName(row != nullptr ? std::string(row->caption) : std::string());
  const char* end = context.Text().TextEnd();
  ForEachSubLine(context.Text(), line, true, [&](const char* sub) {
    switch (LineTag(sub, end)) {
      case tag::kType:
        SetTypeName(context_.ConvertText(ValueAfterTag(sub, end)));
        break;
      case tag::kCaus:
      case tag::kRela:
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
  context_.ReadDate(date, date_);
  SetDate(std::move(date));
}

std::string WGEDVitEvent::GetDescription() {
  const char* end = context_.Text().TextEnd();
  return JoinedPieces(ValueText(), context_.ConvertText(ValueAfterTag(cause_, end)));
}

// The event line's value; an associate's pointer becomes the associate's name and identifier.
std::string WGEDVitEvent::ValueText() const {
  const char* end = context_.Text().TextEnd();
  const std::string_view value = ValueAfterTag(line_, end);
  const bool pointer = value.size() >= 3 && value.front() == '@' && value.back() == '@';
  if (LineTag(line_, end) == tag::kAsso && pointer) {
    WABSCollection& collection = context_.Collection();
    const std::int32_t associate = collection.FindIndividual(value.substr(1, value.size() - 2));
    if (associate != 0) return collection.NameWithIDText(associate);
  }
  return context_.ConvertText(value);
}

std::unique_ptr<WABSPlace> WGEDVitEvent::GetPlace() {
  return place_ != nullptr ? std::make_unique<WGEDPlace>(context_, place_) : nullptr;
}

std::unique_ptr<WABSCitation> WGEDVitEvent::GetCitation(std::int32_t n) {
  return WGEDCitation::At(context_, citations_, n);
}

bool WGEDVitEvent::HasNote() {
  return GetNote() != nullptr;
}

std::unique_ptr<WABSNote> WGEDVitEvent::GetNote() {
  return WGEDNote::Resolve(context_, note_);
}

}  // namespace kinshelf
