// The place of a GEDCOM event.
#include "gedcom/WGEDPlace.h"

#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDNote.h"

namespace kinshelf {

using namespace gedcom;

WGEDPlace::WGEDPlace(const GedcomRecordContext& context, const char* line) : context_(context), line_(line) {
  const WGEDTextMMF& text = context.Text();
  ForEachSubLine(text, line, true, [&](const char* sub) {
    const std::uint32_t word = LineTag(sub, text.TextEnd());
    if (word == tag::kSour) citations_.Add(sub);
    if (word == tag::kNote) note_ = sub;
    return true;
  });
  SetCitationCount(citations_.Count());
}

std::string WGEDPlace::GetPlaceText() {
  return context_.ConvertText(ValueAfterTag(line_, context_.Text().TextEnd()));
}

std::unique_ptr<WABSCitation> WGEDPlace::GetCitation(std::int32_t n) {
  return WGEDCitation::At(context_, citations_, n);
}

std::unique_ptr<WABSNote> WGEDPlace::GetNote() {
  return WGEDNote::Resolve(context_, note_);
}

}  // namespace kinshelf
