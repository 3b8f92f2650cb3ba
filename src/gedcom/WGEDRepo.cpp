// A GEDCOM repository record.
#include "gedcom/WGEDRepo.h"

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDAddress.h"

namespace kinshelf {

using namespace gedcom;

WGEDRepo::WGEDRepo(const GedcomRecordContext& context, const char* record)
    : context_(context), record_(record) {
  const char* end = context.Text().TextEnd();
  ForEachRecordLine(context.Text(), record, [&](const char* line) {
    const std::uint32_t word = LineTag(line, end);
    if (word == tag::kName) name_ = line;
    if (word == tag::kAddr) address_ = line;
    return true;
  });
}

std::string WGEDRepo::GetName() {
  if (!nameText_) nameText_ = context_.ConvertText(JoinedValue(context_.Text(), name_, "\r"));
  return *nameText_;
}

std::unique_ptr<WABSAddress> WGEDRepo::GetAddress() {
  return address_ != nullptr ? std::make_unique<WGEDAddress>(context_, address_) : nullptr;
}

std::string WGEDRepo::GetRecordText() {
  return context_.ConvertText(context_.Text().GetRecordText(record_));
}

}  // namespace kinshelf
