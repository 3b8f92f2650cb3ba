// The common base of individuals and marriages: a view of one record of a collection, addressed
// by its 1-based index. The item keeps a reference to its collection, which must outlive it.
#pragma once

#include <cstdint>

namespace kinshelf {

class WABSCollection;

class WABSCollectionItem {
 public:
  WABSCollectionItem(const WABSCollectionItem&) = delete;
  WABSCollectionItem& operator=(const WABSCollectionItem&) = delete;
  virtual ~WABSCollectionItem() = default;

  // The item's index in its collection.
  std::int32_t Index() const { return index_; }
  // The collection the item belongs to.
  WABSCollection& Collection() const { return *collection_; }

 protected:
  WABSCollectionItem(WABSCollection& collection, std::int32_t index)
      : collection_(&collection), index_(index) {}
  // For a reader's LoadRecord, which points the object at another record.
  void SetIndex(std::int32_t index) { index_ = index; }

 private:
  WABSCollection* collection_;
  std::int32_t index_;
};

}  // namespace kinshelf
