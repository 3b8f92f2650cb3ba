// A repository that holds sources. Readers derive from it; every object a repository returns is new
// and belongs to the caller.
#pragma once

#include <memory>
#include <string>

#include "model/WABSAddress.h"
#include "model/WABSNote.h"

namespace kinshelf {

class WABSRepo {
 public:
  WABSRepo() = default;
  WABSRepo(const WABSRepo&) = delete;
  WABSRepo& operator=(const WABSRepo&) = delete;
  virtual ~WABSRepo() = default;

  // Virtual operations in this order.
  // The repository's name; empty when absent.
  virtual std::string GetName() = 0;
  // The repository's address, or nullptr.
  virtual std::unique_ptr<WABSAddress> GetAddress() = 0;
  // Left to each reader; the GEDCOM and PAF readers keep the base. Base: nullptr.
  virtual std::unique_ptr<WABSNote> GetNote() { return nullptr; }
  // The raw record as text. Base: empty.
  virtual std::string GetRecordText() { return std::string(); }
};

}  // namespace kinshelf
