// A repository record of a PAF file.
#include "paf/WPAFRepo.h"

#include "paf/WPAFAddress.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

std::string WPAFRepo::GetName() {
  return record_.Text(collection_.Fields().repository.name);
}

std::unique_ptr<WABSAddress> WPAFRepo::GetAddress() {
  return std::make_unique<WPAFAddress>(collection_.Fields().repository, record_);
}

}  // namespace kinshelf
