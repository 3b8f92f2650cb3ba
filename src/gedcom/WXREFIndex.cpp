// The cross-reference identifiers of one GEDCOM category, sorted once for binary search.
#include "gedcom/WXREFIndex.h"

#include <algorithm>
#include <cstring>

#include "gedcom/ECompareError.h"

namespace kinshelf {

namespace {

constexpr std::array<char, gedcom::kKeySize - 8> kNoTail{};

// Eight key bytes as one number that orders like the bytes do.
std::uint64_t KeyWord(const char* key) {
  std::uint64_t word;
  std::memcpy(&word, key, sizeof word);
#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  word = __builtin_bswap64(word);
#endif
  return word;
}

}  // namespace

WXREFIndex::WXREFIndex(std::int32_t capacity)
    : WABSArrayIndex(std::string(), false, sizeof(Entry), capacity) {}

WXREFIndex::Key WXREFIndex::MakeKey(std::string_view identifier) {
  Key key{};
  const std::size_t length = std::min(identifier.find('\0'), static_cast<std::size_t>(gedcom::kKeyLength));
  if (!identifier.empty()) std::memcpy(key.data(), identifier.data(), std::min(length, identifier.size()));
  return key;
}

int WXREFIndex::CompareKeys(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) throw ECompareError();
  return std::memcmp(a, b, gedcom::kKeySize);
}

void WXREFIndex::AddKey(std::string_view identifier) {
  const Key key = MakeKey(identifier);
  if (key[0] == '\0') return;
  Tail tail;
  std::memcpy(tail.data(), key.data() + 8, tail.size());
  Entry entry{KeyWord(key.data()), Count() + 1, 0};
  if (tail != kNoTail) {
    tails_.push_back(tail);
    entry.tail = static_cast<std::uint32_t>(tails_.size());
  }
  Add(&entry);
  if (Count() >= 2 && CompareKeys(lastKey_.data(), key.data()) > 0) needsSort_ = true;
  lastKey_ = key;
}

WXREFIndex::Entry WXREFIndex::EntryAt(std::int32_t place) const {
  Entry entry;
  std::memcpy(&entry, Item(place + 1), sizeof entry);
  return entry;
}

int WXREFIndex::Compare(const Entry& entry, std::uint64_t prefix, const Tail& tail) const {
  if (entry.prefix != prefix) return entry.prefix < prefix ? -1 : 1;
  const Tail& entryTail = entry.tail == 0 ? kNoTail : tails_[entry.tail - 1];
  return std::memcmp(entryTail.data(), tail.data(), tail.size());
}

void WXREFIndex::SortKeys() {
  if (!needsSort_) return;
  // The entries lie side by side in the store and are plain 16-byte values: sort them where they are.
  auto* first = reinterpret_cast<Entry*>(Item(1));
  std::sort(first, first + Count(), [this](const Entry& a, const Entry& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    const Tail& bTail = b.tail == 0 ? kNoTail : tails_[b.tail - 1];
    const int order = Compare(a, b.prefix, bTail);
    return order != 0 ? order < 0 : a.ordinal < b.ordinal;
  });
  needsSort_ = false;
}

std::int32_t WXREFIndex::Search(std::uint64_t prefix, const Tail& tail) const {
  const std::int32_t count = Count();
  // Links mostly name the record found last or the one after it; anything else is searched whole.
  const std::int32_t hint = std::clamp(hint_, 0, count - 1);
  const int atHint = Compare(EntryAt(hint), prefix, tail);
  if (atHint == 0) return hint;
  if (atHint < 0 && hint + 1 < count && Compare(EntryAt(hint + 1), prefix, tail) == 0) return hint + 1;
  std::int32_t lo = 0;
  std::int32_t hi = count - 1;
  while (lo <= hi) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    const int order = Compare(EntryAt(mid), prefix, tail);
    if (order == 0) return mid;
    if (order < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return -1;
}

std::int32_t WXREFIndex::FindKey(std::string_view identifier) {
  const Key key = MakeKey(identifier);
  if (key[0] == '\0' || Count() == 0) return 0;
  SortKeys();
  Tail tail;
  std::memcpy(tail.data(), key.data() + 8, tail.size());
  const std::int32_t place = Search(KeyWord(key.data()), tail);
  if (place < 0) return 0;
  hint_ = place;
  return EntryAt(place).ordinal;
}

std::string WXREFIndex::KeyAt(std::int32_t index) const {
  if (!InRange(index)) return {};
  const Entry entry = EntryAt(index - 1);
  Key key{};
  for (std::size_t i = 0; i < 8; ++i) key[i] = static_cast<char>(entry.prefix >> (56 - 8 * i));
  if (entry.tail != 0) std::memcpy(key.data() + 8, tails_[entry.tail - 1].data(), sizeof(Tail));
  return std::string(key.data(), strnlen(key.data(), key.size()));
}

std::int32_t WXREFIndex::OrdinalAt(std::int32_t index) const {
  return InRange(index) ? EntryAt(index - 1).ordinal : 0;
}

}  // namespace kinshelf
