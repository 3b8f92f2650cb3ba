// A postal address in a GEDCOM record: an ADDR line and the address lines after it. Keeps positions
// into the collection's mapped text and caches the texts it has read; free it before the collection.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/WABSAddress.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDAddress : public WABSAddress {
 public:
  // The address whose ADDR line is at `line`: from that line to the end of its record, at any
  // level, the last ADDR, ADR1, ADR2, CITY, STAE, POST, CTRY and PHON lines.
  WGEDAddress(const GedcomRecordContext& context, const char* line);

  // Each the whole value with its continuation lines, joined by CR LF; empty without the line.
  std::string GetAddress() override;
  std::string GetAddress1() override;
  std::string GetAddress2() override;
  std::string GetCity() override;
  std::string GetState() override;
  std::string GetPostalCode() override;
  std::string GetCountry() override;
  std::string GetPhone() override;

 private:
  enum Field { kAddress, kAddress1, kAddress2, kCity, kState, kPostalCode, kCountry, kPhone, kFieldCount };

  void Take(const char* line);
  std::string FieldText(Field field);

  const GedcomRecordContext& context_;
  std::array<const char*, kFieldCount> lines_{};
  std::array<std::optional<std::string>, kFieldCount> texts_;
};

}  // namespace kinshelf
