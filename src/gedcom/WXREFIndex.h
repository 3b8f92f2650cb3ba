// The cross-reference identifiers of one GEDCOM category with the record index of each, sorted once
// for binary search. A key is the whole identifier up to a NUL, whatever its length (two long
// identifiers that share a beginning are two records), and keys order as C strings do (byte-wise
// unsigned, a prefix first, case matters), so "I10" sorts before "I2". Main thread only.
//
// One entry of the record array, 16 bytes: the first eight key bytes, zero-padded, as a number that
// orders like them, the ordinal, and for a key longer than eight bytes the 1-based place of the rest
// of it in a side table (0 for none). Keys of eight bytes or less (I123456, F1234) need nothing more,
// so the array stays small and sorts in place. A lookup first tries where the previous one ended and
// the entry after it, since the links of a file mostly name the same or the next record.
//
// Most files number their records (I12, F7, S103): such a key, one to four ASCII letters and a
// decimal number without a leading zero, is also kept in a table per letters indexed by the number,
// and found there without the sort or a search. Letters whose keys repeat, or whose numbers run far
// beyond the count of keys, are looked up the sorted way, so the answer is always the same.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/WABSArrayIndex.h"
#include "platform/LargeBlocks.h"

namespace kinshelf {

class WXREFIndex : public WABSArrayIndex {
 public:
  // An empty index with room for `capacity` keys before it grows. Throws WMMFError when the store
  // can't be created.
  explicit WXREFIndex(std::int32_t capacity);

  // Appends the key of the next record; its ordinal is the entry count after the append. An empty
  // key is ignored. Marks the index unsorted when the key sorts before the previous one.
  void AddKey(std::string_view identifier);
  // Sorts the entries by key when they arrived out of order; nothing otherwise.
  void SortKeys();
  // The ordinal of an entry whose key equals the identifier's key, or 0 (also for an empty
  // identifier). Sorts first when needed. With duplicate keys, the first of their ordinals.
  std::int32_t FindKey(std::string_view identifier);
  // The answer of FindKey from the numbered tables alone, without sorting or searching: -1 when
  // only FindKey can tell. Reads nothing FindKey changes, so threads may call it while one thread
  // calls FindKey, as long as no key is added.
  std::int32_t FindNumberedKey(std::string_view identifier) const;
  // True while keys arrived out of order and have not been sorted since.
  bool NeedsSort() const { return needsSort_; }
  // The key and the ordinal of entry `index` (1-based, in the current order); for tests and tools.
  std::string KeyAt(std::int32_t index) const;
  std::int32_t OrdinalAt(std::int32_t index) const;

  // Orders two keys (NUL-terminated) like strcmp. Throws ECompareError when either is nullptr.
  static int CompareKeys(const char* a, const char* b);

 private:
  struct Entry {
    std::uint64_t prefix;
    std::int32_t ordinal;
    std::uint32_t tail;
  };
  // The numbered keys of one run of letters: ordinals by number (0: no such key). A table grows to
  // four bytes per record of a large file, in huge pages.
  struct NumberedKeys {
    std::string letters;
    std::vector<std::int32_t, platform::LargeBlockAllocator<std::int32_t>> ordinals;
    bool repeated = false;  // a number came twice: the sorted lookup decides
    bool partial = false;   // a number too large for the table was left out: the sorted lookup decides
  };
  void AddNumbered(std::string_view key, std::int32_t ordinal);
  // The ordinal of a numbered key from its table, 0 when there is none, or -1 when only the sorted
  // lookup can tell.
  std::int32_t FindNumbered(std::string_view key) const;
  NumberedKeys* TableOf(std::string_view letters);
  Entry EntryAt(std::int32_t place) const;
  std::string_view TailOf(const Entry& entry) const;
  int Compare(const Entry& entry, std::uint64_t prefix, std::string_view tail) const;
  // The 0-based place of the first entry with that key, or -1; tries the last place found and the
  // next first.
  std::int32_t Search(std::uint64_t prefix, std::string_view tail) const;

  std::vector<std::string> tails_;
  std::vector<NumberedKeys> numbered_;
  bool tooManyLetterRuns_ = false;  // numbered keys of more runs of letters than kept tables
  std::string lastKey_;
  bool needsSort_ = false;
  mutable std::int32_t hint_ = 0;
};

}  // namespace kinshelf
