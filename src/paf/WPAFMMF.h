// A PAF 3, 4 or 5 family file mapped read-only (through the SIGBUS guard of WMMFReadOnly), with the
// container machinery the record readers build on: the version, the header, record look-up by type
// and number, text by text link, records at a file offset, and bounded walks of note, citation and
// deleted-record chains. The layout is in paf/PafFileFormat.h. Each map's block numbers are listed
// by type once, at opening, in every version, and so are the map totals the look-ups sum: PAF 3's
// from the header, PAF 4's and PAF 5's from their tables.
//
// Damage that leaves nothing to read fails the opening with std::runtime_error "PATH: reason":
//   - the signature names no PAF version;
//   - the file ends before its header area and map 0's map block;
//   - PAF 4 and 5: the header's number of maps is below 1 or above the usable maps;
//   - PAF 4 and 5: a map the header counts lies past the end or its map block doesn't start with 11;
//   - PAF 4: the totals block number is below 1, beyond the maps, or its block isn't of type 14.
// Anything else makes only the item absent: a record number below 1, past its type's totals, past
// the blocks its map's map block lists, in a PAF 3 map past the end, or landing past the end of
// the file; a link of 0 or -1; a text link outside the file; a chain link to such a record. The
// totals and the map blocks may disagree, in real files too (the PAF 4 header's older table wins
// when it counts more): the totals say which map holds a record, the map block which block, and a
// negative total counts none. A chain stops at its first absent record and at the first number it
// has already met, so a chain of n records is walked in at most n steps. Main thread only.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/WMMFReadOnly.h"
#include "paf/ByteCursor.h"
#include "paf/PafFileFormat.h"
#include "paf/PafTextSource.h"

namespace kinshelf {

class WPAFMMF final : public WMMFReadOnly, public PafTextSource {
 public:
  // Maps and checks the file. Throws WMMFError when it can't be mapped and std::runtime_error
  // naming the file for the damage above.
  explicit WPAFMMF(const std::string& fileName);

  // 300, 400 or 500.
  int Version() const { return layout_->version; }
  // The maps the look-ups walk.
  int MapCount() const { return static_cast<int>(blockLists_.size()); }
  // The header area, [0, data base).
  ByteCursor Header() const;
  // The number of blocks of a type in a map as the look-ups take it: PAF 3 read from the header at
  // every call, PAF 4 the totals block merged with the header, PAF 5 the copied table. 0 outside
  // the maps and types, and for a negative count.
  int MapTotal(int map, int type) const;

  // The blocks the map blocks list that begin at or past the end of the file: those of a file cut
  // short, whose records cannot be read.
  std::int64_t BlocksPastEnd() const { return blocksPastEnd_; }

  // The highest number of a type a look-up can reach: the last slot of the last block that both the
  // totals count and a map block lists.
  std::int64_t RecordCapacity(int type) const;
  // The record size of a type; 0 for a type not located by number.
  int SizeOf(int type) const;
  // The file offset of record `number` of a type; 0 when it doesn't exist or can't be found.
  std::int64_t Locate(int type, std::int32_t number) const;
  // Asks for the `size` bytes at a file offset to be brought into the cache, as they will be read
  // soon; nothing for an offset outside the file.
  void Prefetch(std::int64_t offset, std::size_t size) const;
  // The bytes of record `number` of a type; nullopt when Locate gives 0.
  std::optional<ByteCursor> Record(int type, std::int32_t number) const;
  // The `size` bytes at a file offset (a record reached by its offset); nullopt for an offset below
  // 1 or bytes past the end. Inline, as a walk reaches each record and text through it.
  std::optional<ByteCursor> RecordAt(std::int64_t offset, std::size_t size) const {
    ByteCursor cursor(Bytes());
    if (offset < 1 || !cursor.Seek(static_cast<std::size_t>(offset))) return std::nullopt;
    return cursor.Take(size);
  }
  // The text of the text record at a text link; see PafTextSource.
  std::optional<std::string> TextAt(std::int32_t link) const override;
  // The same text as a view of the mapping.
  std::optional<std::string_view> TextViewAt(std::int32_t link) const;

  // The numbers of a citation chain from its first citation, in chain order.
  std::vector<std::int32_t> CitationChain(std::int32_t first) const;
  // The text of the note whose first piece is `firstPiece`: each piece's text up to its zero byte.
  std::string NoteText(std::int32_t firstPiece) const;
  // The deleted individuals and marriages, from the header's first along their next links.
  std::vector<std::int32_t> DeletedIndividuals() const;
  std::vector<std::int32_t> DeletedMarriages() const;

 private:
  // Block numbers of one map, by type, in increasing block order.
  using BlockList = std::vector<std::vector<std::uint16_t>>;

  [[noreturn]] void Fail(const std::string& reason) const;
  const paf::FileLayout& LayoutOfSignature() const;
  int MapsToRead() const;
  int Paf3Maps() const;
  void ReadMap(int map);
  std::int32_t HeaderInt32(std::size_t offset) const;
  int HeaderTotal(int map, int type) const;
  void ReadTotalsTable(std::size_t offset, int perMap);
  void ReadPaf4Totals();
  void MergeHeaderTotals();
  void SumTotals();
  std::int64_t BlockOffset(int map, int block) const;
  std::vector<std::int32_t> Chain(int type, std::int32_t first, std::size_t nextField) const;

  std::string fileName_;
  const paf::FileLayout* layout_;
  std::vector<BlockList> blockLists_;  // by map
  std::vector<std::int16_t> totals_;   // PAF 4 and 5: by map * per map + type - 1
  int totalsPerMap_ = 0;
  // By type, by map: the type's blocks counted by MapTotal in the maps up to this one.
  std::array<std::vector<std::int32_t>, paf::kTypeCount> totalEnds_;
  std::int64_t blocksPastEnd_ = 0;
};

}  // namespace kinshelf
