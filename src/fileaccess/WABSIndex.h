// The common base of the program's indexes. It holds nothing; it lets an owner keep any index
// through one pointer type and delete it through that pointer.
#pragma once

namespace kinshelf {

class WABSIndex {
 public:
  virtual ~WABSIndex() = default;
};

}  // namespace kinshelf
