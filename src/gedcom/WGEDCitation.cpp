// A citation of a GEDCOM source.
#include "gedcom/WGEDCitation.h"

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDNote.h"
#include "gedcom/WGEDSource.h"

namespace kinshelf {

using namespace gedcom;

WGEDCitation::WGEDCitation(const GedcomRecordContext& context, const char* line)
    : context_(context), line_(line) {
  const WGEDTextMMF& text = context.Text();
  ForEachSubLine(text, line, true, [&](const char* sub) {
    const std::uint32_t word = LineTag(sub, text.TextEnd());
    if (word == tag::kPage) page_ = sub;
    if (word == tag::kNote) note_ = sub;
    return true;
  });
}

std::string WGEDCitation::GetDetailText() {
  return context_.ConvertText(ValueAfterTag(page_, context_.Text().TextEnd()));
}

std::unique_ptr<WABSNote> WGEDCitation::GetNote() {
  return WGEDNote::Resolve(context_, note_);
}

std::unique_ptr<WABSSource> WGEDCitation::GetSource() {
  const WGEDTextMMF& text = context_.Text();
  const std::string_view pointer = text.GetXRef(ValueStart(line_, text.TextEnd()));
  if (pointer.empty()) return std::make_unique<WGEDSource>(context_, line_, false);
  WABSCollection& collection = context_.Collection();
  return collection.GetSource(collection.FindSource(pointer));
}

std::unique_ptr<WABSCitation> WGEDCitation::At(const GedcomRecordContext& context, const CitationLines& lines,
                                               std::int32_t n) {
  const char* line = lines.At(n);
  return line != nullptr ? std::make_unique<WGEDCitation>(context, line) : nullptr;
}

}  // namespace kinshelf
