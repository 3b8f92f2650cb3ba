// The submitter of a PAF file, kept in the file's header.
#pragma once

#include <string>

#include "model/WABSSubmitter.h"
#include "paf/PafRecord.h"
#include "paf/PafRecordFields.h"

namespace kinshelf {

class WPAFCollection;

class WPAFSubmitter final : public WABSSubmitter {
 public:
  // Over the collection's header; the collection must outlive it.
  explicit WPAFSubmitter(const WPAFCollection& collection);

  // PAF 3 and 4 keep the name in two parts, joined by a space; trimmed of surrounding blanks.
  std::string GetName() override;
  std::string GetAddressLine1() override { return header_.Text(fields_.address1); }
  std::string GetAddressLine2() override { return header_.Text(fields_.address2); }
  std::string GetAddressLine3() override { return header_.Text(fields_.address3); }
  std::string GetCountry() override { return header_.Text(fields_.country); }
  std::string GetPhone() override { return header_.Text(fields_.phone); }
  // Empty in PAF 3, which keeps none.
  std::string GetEmail() override { return header_.Text(fields_.email); }
  std::string GetRecordText() override { return {}; }

 private:
  const paf::SubmitterFields& fields_;
  PafRecord header_;
};

}  // namespace kinshelf
