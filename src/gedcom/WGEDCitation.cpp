// A citation of a GEDCOM source.
#include "gedcom/WGEDCitation.h"

#include "gedcom/GedcomLines.h"
#include "gedcom/WGEDCollection.h"
#include "gedcom/WGEDNote.h"
#include "gedcom/WGEDSource.h"

namespace kinshelf {

using namespace gedcom;

WGEDCitation::WGEDCitation(WGEDCollection& collection, const char* line)
    : collection_(collection), line_(line) {
  const WGEDTextMMF& text = collection.Text();
  ForEachSubLine(text, line, true, [&](const char* sub) {
    const std::uint32_t word = LineTag(sub, text.TextEnd());
    if (word == tag::kPage) page_ = sub;
    if (word == tag::kNote) note_ = sub;
    return true;
  });
}

std::string WGEDCitation::GetDetailText() {
  return collection_.ConvertText(ValueAfterTag(page_, collection_.Text().TextEnd()));
}

std::unique_ptr<WABSNote> WGEDCitation::GetNote() {
  return WGEDNote::Resolve(collection_, note_);
}

std::unique_ptr<WABSSource> WGEDCitation::GetSource() {
  const WGEDTextMMF& text = collection_.Text();
  const std::string_view pointer = text.GetXRef(InLine(line_, kValuePointerOffset, text.TextEnd()));
  if (pointer.empty()) return std::make_unique<WGEDSource>(collection_, line_, false);
  return collection_.GetSource(collection_.FindSource(pointer));
}

std::unique_ptr<WABSCitation> WGEDCitation::At(WGEDCollection& collection, const CitationLines& lines,
                                               std::int32_t n) {
  const char* line = lines.At(n);
  return line != nullptr ? std::make_unique<WGEDCitation>(collection, line) : nullptr;
}

}  // namespace kinshelf
