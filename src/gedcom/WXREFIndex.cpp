// The cross-reference identifiers of one GEDCOM category, sorted once for binary search.
#include "gedcom/WXREFIndex.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "gedcom/ECompareError.h"

namespace kinshelf {

namespace {

// The first eight key bytes as one number that orders like the bytes do.
std::uint64_t KeyPrefix(const unsigned char* key) {
  std::uint64_t prefix = 0;
  for (int i = 0; i < 8; ++i) prefix = prefix << 8 | key[i];
  return prefix;
}

struct SortItem {
  std::uint64_t prefix;
  const unsigned char* record;
};

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
  const unsigned char* first = Item(1);
  std::vector<SortItem> items(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) {
    const unsigned char* record = first + std::size_t{kRecordSize} * i;
    items[static_cast<std::size_t>(i)] = {KeyPrefix(record), record};
  }
  std::sort(items.begin(), items.end(), [](const SortItem& a, const SortItem& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return std::memcmp(a.record + 8, b.record + 8, gedcom::kKeySize - 8) < 0;
  });
  std::vector<unsigned char> sorted(std::size_t{kRecordSize} * items.size());
  for (std::size_t i = 0; i < items.size(); ++i)
    std::memcpy(&sorted[i * kRecordSize], items[i].record, kRecordSize);
  std::memcpy(Item(1), sorted.data(), sorted.size());
  needsSort_ = false;
}

std::int32_t WXREFIndex::FindKey(std::string_view identifier) {
  const Key key = MakeKey(identifier);
  if (key[0] == '\0' || Count() == 0) return 0;
  SortKeys();
  const unsigned char* first = Item(1);
  std::int32_t lo = 0;
  std::int32_t hi = Count() - 1;
  while (lo <= hi) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    const unsigned char* record = first + std::size_t{kRecordSize} * mid;
    const int order = std::memcmp(record, key.data(), gedcom::kKeySize);
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
