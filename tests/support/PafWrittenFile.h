// What the PAF writer reports about a file it wrote: where each record and field landed, so that a
// test names "the first individual's name link" instead of a computed number.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/PafLayout.h"

namespace kinshelf::test {

struct PafWrittenFile {
  std::string path;
  PafVersion version = PafVersion::kPaf5;
  std::int64_t size = 0;
  int maps = 0;
  std::map<int, std::vector<std::int64_t>> records;  // by type; record n's offset at [n - 1]
  std::vector<std::int32_t> notes;  // first piece of each note of its own, in description order
  std::int64_t totalsBlock = 0;     // PAF 4: the offset of the map totals block

  const PafLayout& Layout() const { return PafLayout::Of(version); }
  // The offset of record n of a type; throws std::out_of_range when the writer wrote no such record.
  std::int64_t Record(int type, std::int32_t number) const;
  // The offset of a field of record n, given the field's offset inside the record.
  std::int64_t Field(int type, std::int32_t number, int field) const { return Record(type, number) + field; }
  // How many records of the type were written.
  std::int32_t Count(int type) const;

  // PAF 3 and 4: the surname link; PAF 5: the link to the first individual text record.
  std::int64_t NameLink(std::int32_t rin) const;
  std::int64_t FirstCitationLink(std::int32_t rin) const;
  std::int64_t NextCitationLink(std::int32_t citation) const;
  std::int64_t NextNotePieceLink(std::int32_t piece) const;
  std::int64_t NextDeletedIndividualLink(std::int32_t rin) const;
  std::int64_t NextDeletedMarriageLink(std::int32_t mrin) const;
  // Byte k of map m's map block.
  std::int64_t TypeByte(int map, int block) const;
  // The count of a type's blocks in map m that the reader takes: PAF 3 the header's table, PAF 4
  // the totals block, PAF 5 the table after the header.
  std::int64_t TotalsCount(int map, int type) const;
  // PAF 3 and 4: the count in the header's table.
  std::int64_t HeaderTotalsCount(int map, int type) const;
};

}  // namespace kinshelf::test
