// A GEDCOM repository record.
#include "gedcom/WGEDRepo.h"

#include "gedcom/GedcomLines.h"
#include "gedcom/WGEDAddress.h"
#include "gedcom/WGEDCollection.h"

namespace kinshelf {

using namespace gedcom;

WGEDRepo::WGEDRepo(WGEDCollection& collection, const char* record)
    : collection_(collection), record_(record) {
  const char* end = collection.Text().TextEnd();
  ForEachRecordLine(collection.Text(), record, [&](const char* line) {
    const std::uint32_t word = LineTag(line, end);
    if (word == tag::kName) name_ = line;
    if (word == tag::kAddr) address_ = line;
    return true;
  });
}

std::string WGEDRepo::GetName() {
  if (!nameText_) nameText_ = collection_.ConvertText(JoinedValue(collection_.Text(), name_, "\r"));
  return *nameText_;
}

std::unique_ptr<WABSAddress> WGEDRepo::GetAddress() {
  return address_ != nullptr ? std::make_unique<WGEDAddress>(collection_, address_) : nullptr;
}

std::string WGEDRepo::GetRecordText() {
  return collection_.ConvertText(collection_.Text().GetRecordText(record_));
}

}  // namespace kinshelf
