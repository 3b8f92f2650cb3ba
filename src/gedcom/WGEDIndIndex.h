// One entry per GEDCOM individual: the record's offset, and a summary of where its main lines are,
// filled by the individual reader on first use and kept for the life of the collection, or until
// a pass over all individuals stops keeping them. One thread at a time, but see StopKeepingSummaries.
//
// The offsets live in the record array; the summaries in a zeroed block beside it that the system
// hands out page by page as summaries are written, so that opening a large file does not pay for
// the summaries of people nobody looks at.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fileaccess/WABSArrayIndex.h"

namespace kinshelf {

// Where the level-1 lines of one individual record are. Positions count in bytes from the record
// start, 32 bits wide, so that lines far into a long record are found too; 0 means none.
struct IndividualSummary {
  std::int64_t offset = 0;             // of the INDI record from the text start
  std::uint32_t name = 0;              // first NAME line
  std::uint32_t afnValue = 0;          // value of the last AFN line (line + 6)
  std::uint32_t note = 0;              // first NOTE line
  std::uint32_t birth = 0;             // last BIRT line
  std::uint32_t christening = 0;       // last CHR line
  std::uint32_t death = 0;             // last DEAT line
  std::uint32_t burial = 0;            // last BURI line
  std::uint32_t change = 0;            // last CHAN line
  std::uint32_t ldsBaptism = 0;        // last BAPL or CONS line
  std::uint32_t endowment = 0;         // last ENDL line
  std::uint32_t sealingToParents = 0;  // last SLGC line
  char sex = 0;                        // 0 until filled; 'U' when filled without a SEX line
  std::uint8_t flags = 0;              // kSummaryFilled, kMoreNotes
};

inline constexpr std::uint8_t kSummaryFilled = 0x1;
inline constexpr std::uint8_t kMoreNotes = 0x2;  // more than one level-1 NOTE line

class WGEDIndIndex : public WABSArrayIndex {
 public:
  // An empty index with room for `capacity` individuals before it grows. Throws WMMFError when
  // the store can't be created.
  explicit WGEDIndIndex(std::int32_t capacity);

  // Appends an individual at that offset with an empty summary. Throws like WABSArrayIndex::Add.
  void AddIndividual(std::int64_t offset);
  // The offset of individual `index`. Throws EIndexError when the index is not one of the entries.
  std::int64_t GetOffset(std::int32_t index) const;
  // A copy of entry `index`, and its replacement. Throw EIndexError like GetOffset.
  IndividualSummary GetEntry(std::int32_t index) const;
  void SetEntry(std::int32_t index, const IndividualSummary& entry);
  // Keeps no summary handed to SetEntry from now on, for a pass that reads every individual once:
  // kept, a million summaries would take 56 MB that nothing reads again. Entries may then be read and
  // set from several threads at once, until an individual is added.
  void StopKeepingSummaries() { keepSummaries_ = false; }

 private:
  struct FreeDeleter {
    void operator()(IndividualSummary* summaries) const { std::free(summaries); }
  };

  // The summary of an individual in range, making room for all of them on first use.
  IndividualSummary& Summary(std::int32_t index);

  std::unique_ptr<IndividualSummary, FreeDeleter> summaries_;
  std::int32_t summaryCount_ = 0;
  bool keepSummaries_ = true;
};

}  // namespace kinshelf
