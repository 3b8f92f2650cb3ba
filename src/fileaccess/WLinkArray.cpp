// Chains of links in fixed blocks, three links per block.
#include "fileaccess/WLinkArray.h"

#include <array>
#include <string>

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

std::int32_t WLinkArray::NewChain(std::int32_t key, std::int32_t order, std::int32_t first,
                                  std::int32_t second) {
  return Add(BlockWith({key, first, second, order}).data());
}

std::int32_t WLinkArray::AddLink(std::int32_t chain, bool allowDuplicate, std::int32_t key,
                                 std::int32_t order, std::int32_t first, std::int32_t second) {
  const Link value{key, first, second, order};
  std::int32_t block = InRange(chain) ? chain : 0;
  for (std::int32_t steps = 0; block != 0 && steps < Count(); ++steps) {
    unsigned char* bytes = Item(block);
    for (int i = 0; i < kLinksPerBlock; ++i) {
      unsigned char* link = bytes + i * kLinkSize;
      const std::int32_t linkKey = LoadInt(link + kKeyOffset);
      if (linkKey == 0) {
        WriteLink(link, value);
        return 1;
      }
      if (!allowDuplicate && linkKey == key) {
        StoreInt(link + kOrderOffset, order);
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

std::int32_t WLinkArray::LinkKey(std::int32_t chain, std::int32_t n) const {
  const unsigned char* link = LinkAt(*this, chain, n);
  return link == nullptr ? 0 : LoadInt(link + kKeyOffset);
}

std::int32_t WLinkArray::LinkOrder(std::int32_t chain, std::int32_t n) const {
  const unsigned char* link = LinkAt(*this, chain, n);
  return link == nullptr ? 0 : LoadInt(link + kOrderOffset);
}

std::optional<WLinkArray::Link> WLinkArray::GetLink(std::int32_t chain, std::int32_t n) const {
  const unsigned char* link = LinkAt(*this, chain, n);
  if (link == nullptr) return std::nullopt;
  return ReadLink(link);
}

bool WLinkArray::SetLink(std::int32_t chain, std::int32_t n, std::int32_t first, std::int32_t second,
                         std::int32_t key) {
  unsigned char* link = LinkAt(*this, chain, n);
  if (link == nullptr) return false;
  WriteKeyAndValues(link, key, first, second);
  return true;
}

bool WLinkArray::ReplaceKey(std::int32_t chain, std::int32_t key, std::int32_t first, std::int32_t second,
                            std::int32_t newKey) {
  return Walk(*this, chain, [&](std::int32_t, unsigned char* link) {
           if (LoadInt(link + kKeyOffset) != key) return false;
           WriteKeyAndValues(link, newKey, first, second);
           return true;
         }) != 0;
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
}

}  // namespace kinshelf
