// The cross-reference identifiers of one GEDCOM category, sorted once for binary search.
#include "gedcom/WXREFIndex.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "gedcom/ECompareError.h"

namespace kinshelf {

namespace {

// The first eight key bytes as one number that orders like the bytes do.
std::uint64_t KeyPrefix(const unsigned char* key) {
  std::uint64_t prefix;
  std::memcpy(&prefix, key, sizeof prefix);
#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  prefix = __builtin_bswap64(prefix);
#endif
  return prefix;
}

struct SortItem {
  std::uint64_t prefix;
  std::uint32_t position;
};

// A stored key as four numbers that order like its bytes.
using KeyWords = std::array<std::uint64_t, 4>;

KeyWords WordsOf(const unsigned char* key) {
  return {KeyPrefix(key), KeyPrefix(key + 8), KeyPrefix(key + 16), KeyPrefix(key + 24)};
}

int Compare(const KeyWords& a, const KeyWords& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

}  // namespace

WXREFIndex::WXREFIndex(std::int32_t capacity) : WABSArrayIndex(std::string(), false, kRecordSize, capacity) {}

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
  unsigned char record[kRecordSize];
  std::memcpy(record, key.data(), key.size());
  const std::int32_t ordinal = Count() + 1;
  std::memcpy(record + gedcom::kKeySize, &ordinal, sizeof ordinal);
  Add(record);
  if (Count() >= 2 && CompareKeys(lastKey_.data(), key.data()) > 0) needsSort_ = true;
  lastKey_ = key;
}

void WXREFIndex::SortKeys() {
  if (!needsSort_) return;
  const std::int32_t count = Count();
  unsigned char* first = Item(1);
  const auto recordAt = [first](std::size_t i) { return first + i * kRecordSize; };
  // Sort small (prefix, position) pairs, then move the records into place along the cycles of the
  // permutation: no second copy of the whole index.
  std::vector<SortItem> items(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = {KeyPrefix(recordAt(i)), static_cast<std::uint32_t>(i)};
  std::sort(items.begin(), items.end(), [&](const SortItem& a, const SortItem& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    const int rest = std::memcmp(recordAt(a.position) + 8, recordAt(b.position) + 8, gedcom::kKeySize - 8);
    return rest != 0 ? rest < 0 : a.position < b.position;
  });
  std::vector<bool> placed(items.size(), false);
  unsigned char held[kRecordSize];
  for (std::size_t start = 0; start < items.size(); ++start) {
    if (placed[start]) continue;
    std::memcpy(held, recordAt(start), kRecordSize);
    std::size_t target = start;
    for (std::size_t source = items[target].position; source != start; source = items[target].position) {
      std::memcpy(recordAt(target), recordAt(source), kRecordSize);
      placed[target] = true;
      target = source;
    }
    std::memcpy(recordAt(target), held, kRecordSize);
    placed[target] = true;
  }
  needsSort_ = false;
}

std::int32_t WXREFIndex::FindKey(std::string_view identifier) {
  const Key key = MakeKey(identifier);
  if (key[0] == '\0' || Count() == 0) return 0;
  SortKeys();
  const KeyWords wanted = WordsOf(reinterpret_cast<const unsigned char*>(key.data()));
  const unsigned char* first = Item(1);
  std::int32_t lo = 0;
  std::int32_t hi = Count() - 1;
  while (lo <= hi) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    const unsigned char* record = first + std::size_t{kRecordSize} * static_cast<std::size_t>(mid);
    const int order = Compare(WordsOf(record), wanted);
    if (order == 0) return OrdinalAt(mid + 1);
    if (order < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return 0;
}

std::string_view WXREFIndex::KeyAt(std::int32_t index) const {
  const unsigned char* record = Item(index);
  if (record == nullptr) return {};
  const char* key = reinterpret_cast<const char*>(record);
  return std::string_view(key, strnlen(key, gedcom::kKeySize));
}

std::int32_t WXREFIndex::OrdinalAt(std::int32_t index) const {
  const unsigned char* record = Item(index);
  if (record == nullptr) return 0;
  std::int32_t ordinal;
  std::memcpy(&ordinal, record + gedcom::kKeySize, sizeof ordinal);
  return ordinal;
}

}  // namespace kinshelf
