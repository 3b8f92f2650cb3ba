// What the GEDCOM record objects read from their collection.
#include "gedcom/GedcomRecordContext.h"

#include "gedcom/GedcomIndexes.h"

namespace kinshelf {

using namespace gedcom;

std::string GedcomRecordContext::ConvertRecordText(std::string_view text) const {
  std::string converted = ConvertText(text);
  return text_.IsLFText() ? WithCrLfBreaks(converted) : converted;
}

std::int32_t GedcomRecordContext::Count(Category category) const {
  return indexes_ != nullptr ? indexes_->Count(category) : 0;
}

const char* GedcomRecordContext::RecordPosition(Category category, std::int32_t index) const {
  if (index < 1 || index > Count(category)) return nullptr;
  return text_.TextStart() + indexes_->OffsetOf(category, index);
}

}  // namespace kinshelf
