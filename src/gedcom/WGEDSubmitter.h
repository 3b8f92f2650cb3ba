// The submitter record of a GEDCOM file. Keeps positions into the collection's mapped text; free it
// before the collection.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/WABSSubmitter.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDSubmitter : public WABSSubmitter {
 public:
  // The submitter record at `record`.
  WGEDSubmitter(const GedcomRecordContext& context, const char* record);

  // Each the value of the first line of the record, at any level, with the tag: NAME, CTRY, PHON,
  // and for the e-mail _EMAIL, or EMAIL when that gives nothing.
  std::string GetName() override;
  // Lines 1 to 3 of the first ADDR value with its continuation lines; empty when missing.
  std::string GetAddressLine1() override;
  std::string GetAddressLine2() override;
  std::string GetAddressLine3() override;
  std::string GetCountry() override;
  std::string GetPhone() override;
  std::string GetEmail() override;
  std::string GetRecordText() override;

 private:
  std::string FirstValue(std::uint32_t word) const;
  std::string AddressLine(std::size_t n);

  const GedcomRecordContext& context_;
  const char* record_;
  std::optional<std::vector<std::string>> address_;
};

}  // namespace kinshelf
