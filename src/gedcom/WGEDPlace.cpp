// The place of a GEDCOM event.
#include "gedcom/WGEDPlace.h"

#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDCollection.h"
#include "gedcom/WGEDNote.h"

namespace kinshelf {

using namespace gedcom;

WGEDPlace::WGEDPlace(WGEDCollection& collection, const char* line) : collection_(collection), line_(line) {
  const WGEDTextMMF& text = collection.Text();
  ForEachSubLine(text, line, true, [&](const char* sub) {
    const std::uint32_t word = LineTag(sub, text.TextEnd());
    if (word == tag::kSour) citations_.Add(sub);
    if (word == tag::kNote) note_ = sub;
    return true;
  });
  SetCitationCount(citations_.Count());
}

std::string WGEDPlace::GetPlaceText() {
  return collection_.ConvertText(ValueAfterTag(line_, collection_.Text().TextEnd()));
}

std::unique_ptr<WABSCitation> WGEDPlace::GetCitation(std::int32_t n) {
  return WGEDCitation::At(collection_, citations_, n);
}

std::unique_ptr<WABSNote> WGEDPlace::GetNote() {
  return WGEDNote::Resolve(collection_, note_);
}

}  // namespace kinshelf
