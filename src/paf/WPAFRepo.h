// A repository record of a PAF file and its address. A repository that can't be located reads as
// empty texts.
#pragma once

#include <memory>
#include <string>

#include "model/WABSAddress.h"
#include "model/WABSRepo.h"
#include "paf/PafRecord.h"
#include "paf/PafRecordFields.h"

namespace kinshelf {

class WPAFCollection;

class WPAFRepo final : public WABSRepo {
 public:
  // Over the repository record (which may not exist) of the collection, which must outlive it.
  WPAFRepo(WPAFCollection& collection, PafRecord record) : collection_(collection), record_(record) {}

  std::string GetName() override;
  std::unique_ptr<WABSAddress> GetAddress() override;

 private:
  WPAFCollection& collection_;
  PafRecord record_;
};

}  // namespace kinshelf
