// What a file search looks for: where, which names, attributes, times, sizes and content. Plain
// values, copied whole into a run when it starts, so changing them during a run has no effect on it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/findfile/TAttributeCriteriaEx.h"
#include "catalog/findfile/TContentCriteria.h"
#include "platform/FileInfo.h"

namespace kinshelf {

// The attributes that TAttributeCriteria can name, with their platform bits.
inline constexpr std::uint32_t ffReadonly = platform::attr::kReadOnly;
inline constexpr std::uint32_t ffHidden = platform::attr::kHidden;
inline constexpr std::uint32_t ffSystem = platform::attr::kSystem;
inline constexpr std::uint32_t ffDirectory = platform::attr::kDirectory;
inline constexpr std::uint32_t ffArchive = platform::attr::kArchive;
// Only these bits of an entry take part in the attribute test.
inline constexpr std::uint32_t kAttributeTestBits =
    ffReadonly | ffHidden | ffSystem | ffDirectory | ffArchive;

struct TFileCriteria {
  // Name masks separated by ";" ("*.*" style); empty means every name.
  std::string FileName;
  // Start folders, each optionally led by ">" (search its subfolders) or "<" (do not). A list, as a
  // path may hold ";"; each is taken as given (not trimmed), empty ones are ignored.
  std::vector<std::string> Location;
  // Further start entries: an optional ">" or "<", a folder, "/", and one mask ("*.*" when empty).
  std::vector<std::string> Included;
  // Entries whose matches are rejected: an optional folder text ending with "/" and an optional mask.
  std::vector<std::string> RejectMasks;
  bool Subfolders = true;
  std::uint16_t MinLevel = 0;  // files are reported from this depth on; the start folder has depth 1
  std::uint16_t MaxLevel = 0;  // no descent below this depth; 0 means unlimited
};

struct TAttributeCriteria {
  // A set of ff... bits. Without ExactMatch an entry may carry only bits of the set; with it, exactly them.
  std::uint32_t Attributes = ffArchive | ffReadonly | ffHidden | ffSystem;
  bool ExactMatch = false;
};

// Catalog date-time bounds, inclusive; 0 means unset. A bound without a time part compares dates, one
// with a date part 0 compares times of day, any other compares the whole value.
struct TDateTimeCriteria {
  double CreatedBefore = 0;
  double CreatedAfter = 0;
  double ModifiedBefore = 0;
  double ModifiedAfter = 0;
  double AccessedBefore = 0;
  double AccessedAfter = 0;
};

// Byte counts, inclusive; 0 means unset.
struct TSizeCriteria {
  std::int64_t Min = 0;
  std::int64_t Max = 0;
};

struct TSearchCriteria {
  TFileCriteria Files;
  TAttributeCriteria Attribute;
  TAttributeCriteriaEx AttributeEx;
  TDateTimeCriteria TimeStamp;
  TSizeCriteria Size;
  TContentCriteria Content;
};

}  // namespace kinshelf
