// The submitter record of a GEDCOM file.
#include "gedcom/WGEDSubmitter.h"

#include <cstdint>

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomRecordContext.h"

namespace kinshelf {

using namespace gedcom;

WGEDSubmitter::WGEDSubmitter(const GedcomRecordContext& context, const char* record)
    : context_(context), record_(record) {}

std::string WGEDSubmitter::FirstValue(std::uint32_t word) const {
  const WGEDTextMMF& text = context_.Text();
  std::string value;
  ForEachRecordLine(text, record_, [&](const char* line) {
    if (LineTag(line, text.TextEnd()) != word) return true;
    value = context_.ConvertText(GetLineValue(text, line));
    return false;
  });
  return value;
}

std::string WGEDSubmitter::AddressLine(std::size_t n) {
  if (!address_) {
    const WGEDTextMMF& text = context_.Text();
    address_.emplace();
    ForEachRecordLine(text, record_, [&](const char* line) {
      if (LineTag(line, text.TextEnd()) != tag::kAddr) return true;
      *address_ = text.GetMultiLineValue(TagStart(line, text.TextEnd()));
      return false;
    });
  }
  return n < address_->size() ? context_.ConvertText((*address_)[n]) : std::string();
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
  return context_.ConvertText(context_.Text().GetRecordText(record_));
}

}  // namespace kinshelf
