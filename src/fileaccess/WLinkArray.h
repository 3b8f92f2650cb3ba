// Chains of links in fixed blocks: any number of children of a family or families of a person in
// one record array. Main thread only, reads too: they move the read cursors (below).
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
//
// Two memories make building and reading a long chain take time in proportion to its length
// rather than its square, and never change a result:
//  1. When adding a link walks past kLongChainBlocks blocks, the chain gets a remembered end: its
//     last block, how many links that block holds, and where each key first occurs. Further links
//     go straight to the end and the duplicate test is a lookup. The end is checked against its
//     block before each use (still the last of the chain, holding that many links), so a link added
//     by a walk that started at a later block of the chain only makes the end be read again.
//  2. The last kCursors blocks reached by position are kept as cursors, so reading a chain position
//     by position goes on from the block read last instead of walking from the first block again.
// Rewriting links (SetLink, ReplaceKey, StoreLinks) or clearing forgets both. Both trust that the
// blocks are written only through these operations.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
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

  void Clear() override;

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

 private:
  // A link's block and its place in it (0 to 2).
  struct Place {
    std::int32_t block = 0;
    std::int32_t slot = 0;
  };
  // The end of a long chain (see above).
  struct ChainEnd {
    std::int32_t block = 0;
    std::int32_t filled = 0;
    std::unordered_map<std::int32_t, Place> firstOf;
  };
  // A block reached by position: the ordinal-th (from 0) of the chain, every block before it full.
  struct Cursor {
    std::int32_t chain = 0;
    std::int32_t ordinal = 0;
    std::int32_t block = 0;
    std::uint64_t used = 0;
  };
  static constexpr std::int32_t kLongChainBlocks = 4;
  static constexpr std::size_t kCursors = 4;

  // AddLink by walking from the first block; `passed` becomes the number of blocks walked past.
  std::int32_t AddByWalk(std::int32_t chain, bool allowDuplicate, const Link& value, std::int32_t& passed);
  // AddLink at the remembered end, which it keeps up to date.
  std::int32_t AddAtEnd(ChainEnd& end, bool allowDuplicate, const Link& value);
  // The checked end of the chain, nullptr when it has none or it no longer fits the blocks.
  ChainEnd* EndOf(std::int32_t chain);
  // The end of the chain read from its blocks; nothing when the chain loops or has an empty link
  // before its last block or between links of it.
  std::optional<ChainEnd> ReadEnd(std::int32_t chain) const;
  // The bytes of the link at position n, found from the nearest cursor; nullptr when there is none.
  const unsigned char* ReadAt(std::int32_t chain, std::int32_t n) const;
  // The cursor of the chain nearest before its ordinal-th block, or its first block.
  Cursor StartFor(std::int32_t chain, std::int32_t ordinal) const;
  // Keeps the cursor in place of the chain's own, or else of the one used longest ago.
  void Remember(const Cursor& cursor) const;
  // Drops every remembered end and cursor.
  void Forget();

  std::unordered_map<std::int32_t, ChainEnd> ends_;  // by first block
  mutable std::array<Cursor, kCursors> cursors_{};
  mutable std::uint64_t reads_ = 0;
};

}  // namespace kinshelf
