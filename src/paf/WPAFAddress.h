// The address of a PAF repository: three address texts and a phone number in the repository record.
#pragma once

#include <string>

#include "model/WABSAddress.h"
#include "paf/PafRecord.h"
#include "paf/PafRecordFields.h"

namespace kinshelf {

class WPAFAddress final : public WABSAddress {
 public:
  // Over a repository record; `fields` must outlive the address.
  WPAFAddress(const paf::RepositoryFields& fields, PafRecord record) : fields_(fields), record_(record) {}

  std::string GetAddress() override { return record_.Text(fields_.address); }
  std::string GetAddress1() override { return record_.Text(fields_.address1); }
  std::string GetAddress2() override { return record_.Text(fields_.address2); }
  // PAF keeps no city, state, postal code or country for a repository.
  std::string GetCity() override { return {}; }
  std::string GetState() override { return {}; }
  std::string GetPostalCode() override { return {}; }
  std::string GetCountry() override { return {}; }
  std::string GetPhone() override { return record_.Text(fields_.phone); }

 private:
  const paf::RepositoryFields& fields_;
  PafRecord record_;
};

}  // namespace kinshelf
