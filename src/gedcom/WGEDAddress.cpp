// A postal address in a GEDCOM record.
#include "gedcom/WGEDAddress.h"

#include <cstdint>

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomRecordContext.h"

namespace kinshelf {

using namespace gedcom;

namespace {

// The tag of each field, in field order.
constexpr std::array<std::uint32_t, 8> kFieldTags = {tag::kAddr, tag::kAdr1, tag::kAdr2, tag::kCity,
                                                     tag::kStae, tag::kPost, tag::kCtry, tag::kPhon};

}  // namespace

WGEDAddress::WGEDAddress(const GedcomRecordContext& context, const char* line) : context_(context) {
  Take(line);
  ForEachRecordLine(context.Text(), line, [&](const char* next) {
    Take(next);
    return true;
  });
}

void WGEDAddress::Take(const char* line) {
  const std::uint32_t word = LineTag(line, context_.Text().TextEnd());
  for (std::size_t field = 0; field < kFieldTags.size(); ++field) {
    if (kFieldTags[field] == word) lines_[field] = line;
  }
}

std::string WGEDAddress::FieldText(Field field) {
  if (!texts_[field])
    texts_[field] = context_.ConvertText(JoinedValue(context_.Text(), lines_[field], "\r\n"));
  return *texts_[field];
}

std::string WGEDAddress::GetAddress() {
  return FieldText(kAddress);
}
std::string WGEDAddress::GetAddress1() {
  return FieldText(kAddress1);
}
std::string WGEDAddress::GetAddress2() {
  return FieldText(kAddress2);
}
std::string WGEDAddress::GetCity() {
  return FieldText(kCity);
}
std::string WGEDAddress::GetState() {
  return FieldText(kState);
}
std::string WGEDAddress::GetPostalCode() {
  return FieldText(kPostalCode);
}
std::string WGEDAddress::GetCountry() {
  return FieldText(kCountry);
}
std::string WGEDAddress::GetPhone() {
  return FieldText(kPhone);
}

}  // namespace kinshelf
