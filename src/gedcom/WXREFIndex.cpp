// The cross-reference identifiers of one GEDCOM category, sorted once for binary search.
#include "gedcom/WXREFIndex.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "gedcom/ECompareError.h"
#include "text/ByteText.h"

namespace kinshelf {

namespace {

constexpr std::size_t kPrefixBytes = 8;

// The key of an identifier: all of it up to a NUL.
std::string_view KeyOf(std::string_view identifier) {
  return identifier.substr(0, identifier.find('\0'));
}

// The first eight key bytes, zero-padded, as one number that orders like the bytes do.
std::uint64_t PrefixOf(std::string_view key) {
  unsigned char bytes[kPrefixBytes] = {};
  std::memcpy(bytes, key.data(), std::min(key.size(), kPrefixBytes));
  std::uint64_t word = 0;
  for (const unsigned char byte : bytes) word = word << 8 | byte;
  return word;
}

// What follows the first eight key bytes; empty for a short key.
std::string_view KeyTail(std::string_view key) {
  return key.size() > kPrefixBytes ? key.substr(kPrefixBytes) : std::string_view();
}

constexpr std::size_t kMaxLetters = 4;
constexpr std::size_t kMaxDigits = 9;
constexpr std::size_t kMaxLetterRuns = 8;
// A table grows to a number this far beyond the keys counted so far, and no further.
constexpr std::int64_t kTableSlack = 65536;

// The letters and the number of a numbered key, or nothing for a key of another shape.
std::optional<std::pair<std::string_view, std::uint32_t>> NumberedKey(std::string_view key) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  std::size_t letters = 0;
  while (letters < key.size() && letters <= kMaxLetters && letter(key[letters])) ++letters;
  const std::size_t digits = key.size() - letters;
  if (letters == 0 || letters > kMaxLetters || digits == 0 || digits > kMaxDigits || key[letters] == '0')
    return std::nullopt;
  std::uint32_t number = 0;
  for (std::size_t i = letters; i < key.size(); ++i) {
    if (key[i] < '0' || key[i] > '9') return std::nullopt;
    number = number * 10 + static_cast<std::uint32_t>(key[i] - '0');
  }
  return std::pair{key.substr(0, letters), number};
}

// Letters are one to four bytes: compared in place, without a call.
bool SameLetters(const std::string& a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < b.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

}  // namespace

WXREFIndex::WXREFIndex(std::int32_t capacity)
    : WABSArrayIndex(std::string(), false, sizeof(Entry), capacity) {}

int WXREFIndex::CompareKeys(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) throw ECompareError();
  return CompareBytes(a, b);
}

void WXREFIndex::AddKey(std::string_view identifier) {
  const std::string_view key = KeyOf(identifier);
  if (key.empty()) return;
  Entry entry{PrefixOf(key), Count() + 1, 0};
  if (const std::string_view tail = KeyTail(key); !tail.empty()) {
    tails_.emplace_back(tail);
    entry.tail = static_cast<std::uint32_t>(tails_.size());
  }
  Add(&entry);
  if (Count() >= 2 && CompareBytes(lastKey_, key) > 0) needsSort_ = true;
  lastKey_ = key;
  AddNumbered(key, entry.ordinal);
}

WXREFIndex::NumberedKeys* WXREFIndex::TableOf(std::string_view letters) {
  for (NumberedKeys& table : numbered_)
    if (SameLetters(table.letters, letters)) return &table;
  return nullptr;
}

void WXREFIndex::AddNumbered(std::string_view key, std::int32_t ordinal) {
  const auto numbered = NumberedKey(key);
  if (!numbered) return;
  const auto [letters, number] = *numbered;
  NumberedKeys* table = TableOf(letters);
  if (table == nullptr) {
    if (numbered_.size() == kMaxLetterRuns) {
      tooManyLetterRuns_ = true;
      return;
    }
    table = &numbered_.emplace_back(NumberedKeys{std::string(letters), {}, false, false});
  }
  if (number > 8 * static_cast<std::int64_t>(Count()) + kTableSlack) {
    table->partial = true;
    return;
  }
  if (number >= table->ordinals.size()) table->ordinals.resize(number + 1, 0);
  if (table->ordinals[number] != 0) table->repeated = true;
  table->ordinals[number] = ordinal;
}

std::int32_t WXREFIndex::FindNumbered(std::string_view key) const {
  const auto numbered = NumberedKey(key);
  if (!numbered) return -1;
  const auto [letters, number] = *numbered;
  for (const NumberedKeys& table : numbered_) {
    if (!SameLetters(table.letters, letters)) continue;
    // A number left out may come again later and then be in the table twice over.
    if (table.repeated || table.partial) return -1;
    return number < table.ordinals.size() ? table.ordinals[number] : 0;
  }
  // No key of these letters was kept: none was added, unless the tables ran out.
  return tooManyLetterRuns_ ? -1 : 0;
}

WXREFIndex::Entry WXREFIndex::EntryAt(std::int32_t place) const {
  Entry entry;
  std::memcpy(&entry, Item(place + 1), sizeof entry);
  return entry;
}

std::string_view WXREFIndex::TailOf(const Entry& entry) const {
  return entry.tail == 0 ? std::string_view() : std::string_view(tails_[entry.tail - 1]);
}

int WXREFIndex::Compare(const Entry& entry, std::uint64_t prefix, std::string_view tail) const {
  if (entry.prefix != prefix) return entry.prefix < prefix ? -1 : 1;
  return CompareBytes(TailOf(entry), tail);
}

void WXREFIndex::SortKeys() {
  if (!needsSort_) return;
  // The entries lie side by side in the store and are plain 16-byte values: sort them where they are.
  auto* first = reinterpret_cast<Entry*>(Item(1));
  std::sort(first, first + Count(), [this](const Entry& a, const Entry& b) {
    const int order = Compare(a, b.prefix, TailOf(b));
    return order != 0 ? order < 0 : a.ordinal < b.ordinal;
  });
  needsSort_ = false;
}

// Entries with one key lie in ordinal order, so the first of them is the file's first record with
// it: whichever lookup came before, a key always names the same record.
std::int32_t WXREFIndex::Search(std::uint64_t prefix, std::string_view tail) const {
  const std::int32_t count = Count();
  // Links mostly name the record found last or the one after it; anything else is searched whole.
  const std::int32_t hint = std::clamp(hint_, 0, count - 1);
  const int atHint = Compare(EntryAt(hint), prefix, tail);
  const bool firstAtHint = hint == 0 || Compare(EntryAt(hint - 1), prefix, tail) < 0;
  if (atHint == 0 && firstAtHint) return hint;
  if (atHint < 0 && hint + 1 < count && Compare(EntryAt(hint + 1), prefix, tail) == 0) return hint + 1;
  // The first entry not below the key, in as many steps however long a run of repeated keys is.
  std::int32_t lo = 0;
  std::int32_t hi = count;
  while (lo < hi) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    if (Compare(EntryAt(mid), prefix, tail) < 0) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo < count && Compare(EntryAt(lo), prefix, tail) == 0 ? lo : -1;
}

std::int32_t WXREFIndex::FindKey(std::string_view identifier) {
  const std::string_view key = KeyOf(identifier);
  if (key.empty() || Count() == 0) return 0;
  if (const std::int32_t ordinal = FindNumbered(key); ordinal >= 0) return ordinal;
  SortKeys();
  const std::int32_t place = Search(PrefixOf(key), KeyTail(key));
  if (place < 0) return 0;
  hint_ = place;
  return EntryAt(place).ordinal;
}

std::int32_t WXREFIndex::FindNumberedKey(std::string_view identifier) const {
  const std::string_view key = KeyOf(identifier);
  if (key.empty() || Count() == 0) return 0;
  return FindNumbered(key);
}

std::string WXREFIndex::KeyAt(std::int32_t index) const {
  if (!InRange(index)) return {};
  const Entry entry = EntryAt(index - 1);
  std::string key;
  for (std::size_t i = 0; i < kPrefixBytes; ++i) {
    const char byte = static_cast<char>(entry.prefix >> (56 - 8 * i));
    if (byte == '\0') break;
    key += byte;
  }
  return key += TailOf(entry);
}

std::int32_t WXREFIndex::OrdinalAt(std::int32_t index) const {
  return InRange(index) ? EntryAt(index - 1).ordinal : 0;
}

}  // namespace kinshelf
