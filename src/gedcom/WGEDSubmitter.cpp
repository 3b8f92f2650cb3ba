// The submitter record of a GEDCOM file.
#include "gedcom/WGEDSubmitter.h"

#include <cstdint>

#include "gedcom/GedcomLines.h"
#include "gedcom/WGEDCollection.h"

namespace kinshelf {

using namespace gedcom;

WGEDSubmitter::WGEDSubmitter(WGEDCollection& collection, const char* record)
    : collection_(collection), record_(record) {}

std::string WGEDSubmitter::FirstValue(std::uint32_t word) const {
  const WGEDTextMMF& text = collection_.Text();
  std::string value;
  ForEachRecordLine(text, record_, [&](const char* line) {
    if (LineTag(line, text.TextEnd()) != word) return true;
    value = collection_.ConvertText(GetLineValue(text, line));
    return false;
  });
  return value;
}

std::string WGEDSubmitter::AddressLine(std::size_t n) {
  if (!address_) {
    const WGEDTextMMF& text = collection_.Text();
    address_.emplace();
    ForEachRecordLine(text, record_, [&](const char* line) {
      if (LineTag(line, text.TextEnd()) != tag::kAddr) return true;
      *address_ = text.GetMultiLineValue(Advance(line, kTagOffset, text.TextEnd()));
      return false;
    });
  }
  return n < address_->size() ? collection_.ConvertText((*address_)[n]) : std::string();
}

std::string WGEDSubmitter::GetName() {
  return FirstValue(tag::kName);
}
std::string WGEDSubmitter::GetAddressLine1() {
  return AddressLine(0);
}
std::string WGEDSubmitter::GetAddressLine2() {
  return AddressLine(1);
}
std::string WGEDSubmitter::GetAddressLine3() {
  return AddressLine(2);
}
std::string WGEDSubmitter::GetCountry() {
  return FirstValue(tag::kCtry);
}
std::string WGEDSubmitter::GetPhone() {
  return FirstValue(tag::kPhon);
}

std::string WGEDSubmitter::GetEmail() {
  std::string email = FirstValue(tag::kUEma);
  return email.empty() ? FirstValue(tag::kEmai) : email;
}

std::string WGEDSubmitter::GetRecordText() {
  return collection_.ConvertText(collection_.Text().GetRecordText(record_));
}

}  // namespace kinshelf
