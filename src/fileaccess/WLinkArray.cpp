// Chains of links in fixed blocks, three links per block.
#include "fileaccess/WLinkArray.h"

#include <array>
#include <string>
#include <utility>

#include "fileaccess/LittleEndian.h"

namespace kinshelf {

namespace {

constexpr int kLinkSize = 16;
constexpr int kNextOffset = 48;
constexpr int kKeyOffset = 0;
constexpr int kFirstOffset = 4;
constexpr int kSecondOffset = 8;
constexpr int kOrderOffset = 12;

std::int32_t LoadInt(const unsigned char* bytes) {
  return static_cast<std::int32_t>(LoadUint32LE(bytes));
}

void StoreInt(unsigned char* bytes, std::int32_t value) {
  StoreUint32LE(bytes, static_cast<std::uint32_t>(value));
}

WLinkArray::Link ReadLink(const unsigned char* link) {
  return {LoadInt(link + kKeyOffset), LoadInt(link + kFirstOffset), LoadInt(link + kSecondOffset),
          LoadInt(link + kOrderOffset)};
}

void WriteKeyAndValues(unsigned char* link, std::int32_t key, std::int32_t first, std::int32_t second) {
  StoreInt(link + kKeyOffset, key);
  StoreInt(link + kFirstOffset, first);
  StoreInt(link + kSecondOffset, second);
}

void WriteLink(unsigned char* link, const WLinkArray::Link& value) {
  WriteKeyAndValues(link, value.key, value.first, value.second);
  StoreInt(link + kOrderOffset, value.order);
}

std::array<unsigned char, WLinkArray::kBlockSize> BlockWith(const WLinkArray::Link& link) {
  std::array<unsigned char, WLinkArray::kBlockSize> block{};
  WriteLink(block.data(), link);
  return block;
}

// How many links of the block are in use before its first empty one.
std::int32_t LeadingLinks(const unsigned char* bytes) {
  std::int32_t used = 0;
  while (used < WLinkArray::kLinksPerBlock && LoadInt(bytes + used * kLinkSize + kKeyOffset) != 0) ++used;
  return used;
}

// True when every link of the block from `slot` on is empty.
bool EmptyFrom(const unsigned char* bytes, std::int32_t slot) {
  for (; slot < WLinkArray::kLinksPerBlock; ++slot) {
    if (LoadInt(bytes + slot * kLinkSize + kKeyOffset) != 0) return false;
  }
  return true;
}

// The next block after `bytes`, 0 at the end of the chain (or a next index outside the array).
template <typename Array>
std::int32_t NextBlock(Array& blocks, const unsigned char* bytes) {
  const std::int32_t next = LoadInt(bytes + kNextOffset);
  return blocks.InRange(next) ? next : 0;
}

// Calls visit(position, link bytes) for each link of the chain in order until it returns true, and
// returns that position; 0 when it never did. Stops at the first empty link and after as many
// blocks as the array holds, so a damaged chain that loops ends.
template <typename Array, typename Visit>
std::int32_t Walk(Array& blocks, std::int32_t chain, Visit visit) {
  std::int32_t block = blocks.InRange(chain) ? chain : 0;
  std::int32_t position = 0;
  for (std::int32_t steps = 0; block != 0 && steps < blocks.Count(); ++steps) {
    auto* bytes = blocks.Item(block);
    for (int i = 0; i < WLinkArray::kLinksPerBlock; ++i) {
      auto* link = bytes + i * kLinkSize;
      if (LoadInt(link + kKeyOffset) == 0) return 0;
      if (visit(++position, link)) return position;
    }
    block = NextBlock(blocks, bytes);
  }
  return 0;
}

// The bytes of the link at position n, nullptr when there is none.
template <typename Array>
auto* LinkAt(Array& blocks, std::int32_t chain, std::int32_t n) {
  decltype(blocks.Item(0)) found = nullptr;
  if (n >= 1) {
    Walk(blocks, chain, [&](std::int32_t position, auto* link) {
      if (position == n) found = link;
      return position == n;
    });
  }
  return found;
}

}  // namespace

WLinkArray::WLinkArray(std::int32_t capacity) : WABSArrayIndex(std::string(), false, kBlockSize, capacity) {}

void WLinkArray::Clear() {
  WABSArrayIndex::Clear();
  Forget();
}

std::int32_t WLinkArray::NewChain(std::int32_t key, std::int32_t order, std::int32_t first,
                                  std::int32_t second) {
  return Add(BlockWith({key, first, second, order}).data());
}

std::int32_t WLinkArray::AddLink(std::int32_t chain, bool allowDuplicate, std::int32_t key,
                                 std::int32_t order, std::int32_t first, std::int32_t second) {
  const Link value{key, first, second, order};
  // A link with key 0 stays empty, so the end of the chain does not move; the walk handles it.
  if (key != 0) {
    if (ChainEnd* end = EndOf(chain)) return AddAtEnd(*end, allowDuplicate, value);
  }
  std::int32_t passed = 0;
  const std::int32_t result = AddByWalk(chain, allowDuplicate, value, passed);
  if (passed >= kLongChainBlocks) {
    if (std::optional<ChainEnd> end = ReadEnd(chain)) ends_[chain] = std::move(*end);
  }
  return result;
}

std::int32_t WLinkArray::AddByWalk(std::int32_t chain, bool allowDuplicate, const Link& value,
                                   std::int32_t& passed) {
  std::int32_t block = InRange(chain) ? chain : 0;
  for (passed = 0; block != 0 && passed < Count(); ++passed) {
    unsigned char* bytes = Item(block);
    for (int i = 0; i < kLinksPerBlock; ++i) {
      unsigned char* link = bytes + i * kLinkSize;
      const std::int32_t linkKey = LoadInt(link + kKeyOffset);
      if (linkKey == 0) {
        WriteLink(link, value);
        return 1;
      }
      if (!allowDuplicate && linkKey == value.key) {
        StoreInt(link + kOrderOffset, value.order);
        return 0;
      }
    }
    const std::int32_t next = NextBlock(*this, bytes);
    if (next == 0) {
      const std::int32_t added = Add(BlockWith(value).data());
      StoreInt(Item(block) + kNextOffset, added);  // Add may have moved the store
      return 1;
    }
    block = next;
  }
  return 0;
}

std::int32_t WLinkArray::AddAtEnd(ChainEnd& end, bool allowDuplicate, const Link& value) {
  if (!allowDuplicate) {
    if (const auto found = end.firstOf.find(value.key); found != end.firstOf.end()) {
      StoreInt(Item(found->second.block) + found->second.slot * kLinkSize + kOrderOffset, value.order);
      return 0;
    }
  }
  Place place{end.block, end.filled};
  if (end.filled == kLinksPerBlock) {
    place = {Add(BlockWith(value).data()), 0};
    StoreInt(Item(end.block) + kNextOffset, place.block);
    end.block = place.block;
    end.filled = 0;
  } else {
    WriteLink(Item(place.block) + place.slot * kLinkSize, value);
  }
  ++end.filled;
  end.firstOf.emplace(value.key, place);
  return 1;
}

WLinkArray::ChainEnd* WLinkArray::EndOf(std::int32_t chain) {
  const auto found = ends_.find(chain);
  if (found == ends_.end()) return nullptr;
  const unsigned char* bytes = Item(found->second.block);
  if (bytes != nullptr && NextBlock(*this, bytes) == 0 && LeadingLinks(bytes) == found->second.filled &&
      EmptyFrom(bytes, found->second.filled)) {
    return &found->second;
  }
  ends_.erase(found);
  return nullptr;
}

std::optional<WLinkArray::ChainEnd> WLinkArray::ReadEnd(std::int32_t chain) const {
  ChainEnd end;
  std::int32_t block = InRange(chain) ? chain : 0;
  for (std::int32_t steps = 0; block != 0 && steps < Count(); ++steps) {
    const unsigned char* bytes = Item(block);
    const std::int32_t used = LeadingLinks(bytes);
    const std::int32_t next = NextBlock(*this, bytes);
    if (used < kLinksPerBlock && (next != 0 || !EmptyFrom(bytes, used))) return std::nullopt;
    for (std::int32_t slot = 0; slot < used; ++slot)
      end.firstOf.emplace(LoadInt(bytes + slot * kLinkSize + kKeyOffset), Place{block, slot});
    if (next == 0) {
      end.block = block;
      end.filled = used;
      return end;
    }
    block = next;
  }
  return std::nullopt;
}

std::int32_t WLinkArray::LinkKey(std::int32_t chain, std::int32_t n) const {
  const unsigned char* link = ReadAt(chain, n);
  return link == nullptr ? 0 : LoadInt(link + kKeyOffset);
}

std::int32_t WLinkArray::LinkOrder(std::int32_t chain, std::int32_t n) const {
  const unsigned char* link = ReadAt(chain, n);
  return link == nullptr ? 0 : LoadInt(link + kOrderOffset);
}

std::optional<WLinkArray::Link> WLinkArray::GetLink(std::int32_t chain, std::int32_t n) const {
  const unsigned char* link = ReadAt(chain, n);
  if (link == nullptr) return std::nullopt;
  return ReadLink(link);
}

bool WLinkArray::SetLink(std::int32_t chain, std::int32_t n, std::int32_t first, std::int32_t second,
                         std::int32_t key) {
  unsigned char* link = LinkAt(*this, chain, n);
  if (link == nullptr) return false;
  WriteKeyAndValues(link, key, first, second);
  Forget();
  return true;
}

bool WLinkArray::ReplaceKey(std::int32_t chain, std::int32_t key, std::int32_t first, std::int32_t second,
                            std::int32_t newKey) {
  const bool found = Walk(*this, chain, [&](std::int32_t, unsigned char* link) {
                       if (LoadInt(link + kKeyOffset) != key) return false;
                       WriteKeyAndValues(link, newKey, first, second);
                       return true;
                     }) != 0;
  if (found) Forget();
  return found;
}

std::int32_t WLinkArray::Position(std::int32_t chain, std::int32_t key) const {
  return Walk(*this, chain,
              [key](std::int32_t, const unsigned char* link) { return LoadInt(link + kKeyOffset) == key; });
}

std::vector<WLinkArray::Link> WLinkArray::Links(std::int32_t chain) const {
  std::vector<Link> links;
  Walk(*this, chain, [&links](std::int32_t, const unsigned char* link) {
    links.push_back(ReadLink(link));
    return false;
  });
  return links;
}

void WLinkArray::StoreLinks(std::int32_t chain, const std::vector<Link>& links) {
  if (links.empty()) return;
  Walk(*this, chain, [&links](std::int32_t position, unsigned char* link) {
    const auto index = static_cast<std::size_t>(position - 1);
    WriteLink(link, links[index]);
    return index + 1 == links.size();
  });
  Forget();
}

const unsigned char* WLinkArray::ReadAt(std::int32_t chain, std::int32_t n) const {
  if (n < 1 || !InRange(chain)) return nullptr;
  const std::int32_t ordinal = (n - 1) / kLinksPerBlock;
  if (ordinal >= Count()) return nullptr;  // as far as a walk goes before it takes the chain for a loop
  Cursor at = StartFor(chain, ordinal);
  for (; at.ordinal < ordinal; ++at.ordinal) {
    const unsigned char* bytes = Item(at.block);
    if (LeadingLinks(bytes) < kLinksPerBlock) return nullptr;
    at.block = NextBlock(*this, bytes);
    if (at.block == 0) return nullptr;
  }
  const std::int32_t slot = (n - 1) % kLinksPerBlock;
  const unsigned char* bytes = Item(at.block);
  if (LeadingLinks(bytes) <= slot) return nullptr;
  Remember(at);
  return bytes + slot * kLinkSize;
}

WLinkArray::Cursor WLinkArray::StartFor(std::int32_t chain, std::int32_t ordinal) const {
  Cursor start{chain, 0, chain, 0};
  for (const Cursor& cursor : cursors_) {
    if (cursor.chain == chain && cursor.ordinal <= ordinal && cursor.ordinal > start.ordinal &&
        InRange(cursor.block)) {
      start = cursor;
    }
  }
  return start;
}

void WLinkArray::Remember(const Cursor& cursor) const {
  Cursor* slot = &cursors_.front();
  for (Cursor& kept : cursors_) {
    if (kept.chain == cursor.chain) {
      slot = &kept;
      break;
    }
    if (kept.used < slot->used) slot = &kept;
  }
  *slot = cursor;
  slot->used = ++reads_;
}

void WLinkArray::Forget() {
  if (!ends_.empty()) ends_ = decltype(ends_)();  // a fresh map also gives back the buckets
  cursors_.fill(Cursor{});
}

}  // namespace kinshelf
