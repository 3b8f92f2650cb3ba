// Chains of links in fixed blocks: any number of children of a family or families of a person in
// one record array. Main thread only.
//
// One block, little-endian, 52 bytes:
//   0  links 1 to 3, 16 bytes each:  0 key (the linked record's index; 0 marks an empty link)
//   48 index of the next block           4 first value
//      of the chain; 0 ends it           8 second value
//                                       12 order value
// Links fill a block from link 1 to link 3. A chain is named by the index of its first block;
// position n along it is link ((n - 1) mod 3) + 1 of its ((n - 1) div 3) + 1-th block.
// Operations that take a chain do nothing, or give 0, for a chain index out of range; walks stop
// at a block whose link 1 is empty, and after as many blocks as the array holds (a damaged chain
// that loops ends there).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "fileaccess/WABSArrayIndex.h"

namespace kinshelf {

class WLinkArray : public WABSArrayIndex {
 public:
  static constexpr std::int32_t kBlockSize = 52;
  static constexpr std::int32_t kLinksPerBlock = 3;

  struct Link {
    std::int32_t key = 0;
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::int32_t order = 0;
  };

  // An empty array in a temporary store sized for `capacity` blocks. Throws WMMFError when the
  // store can't be created.
  explicit WLinkArray(std::int32_t capacity);

  // Appends a block whose link 1 is (key, first, second, order) and returns its index, which names
  // the new chain. Throws like WABSArrayIndex::Add.
  std::int32_t NewChain(std::int32_t key, std::int32_t order, std::int32_t first, std::int32_t second);
  // Puts the link into the first empty place of the chain, appending a block when all are full, and
  // returns 1. Without `allowDuplicate`, a link with the same key met first only gets its order value
  // replaced and the result is 0. 0 for a chain out of range. Throws like WABSArrayIndex::Add.
  std::int32_t AddLink(std::int32_t chain, bool allowDuplicate, std::int32_t key, std::int32_t order,
                       std::int32_t first, std::int32_t second);
  // The key and the order value at position n (1-based); 0 when the chain is shorter.
  std::int32_t LinkKey(std::int32_t chain, std::int32_t n) const;
  std::int32_t LinkOrder(std::int32_t chain, std::int32_t n) const;
  // The link at position n, or nothing when the chain is shorter.
  std::optional<Link> GetLink(std::int32_t chain, std::int32_t n) const;
  // Rewrites key and both values at position n, keeping the order value; false when there is no
  // link at n.
  bool SetLink(std::int32_t chain, std::int32_t n, std::int32_t first, std::int32_t second, std::int32_t key);
  // Rewrites key and both values of the first link with `key`; false when there is none.
  bool ReplaceKey(std::int32_t chain, std::int32_t key, std::int32_t first, std::int32_t second,
                  std::int32_t newKey);
  // The 1-based position of the first link with `key`, 0 when absent.
  std::int32_t Position(std::int32_t chain, std::int32_t key) const;

  // Every link of the chain in order.
  std::vector<Link> Links(std::int32_t chain) const;
  // Writes links[i] over position i + 1, for as many positions as both the chain and `links` have.
  void StoreLinks(std::int32_t chain, const std::vector<Link>& links);
};

}  // namespace kinshelf
