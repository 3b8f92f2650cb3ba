// Offsets of the records and fields of a written PAF file.
#include "support/PafWrittenFile.h"

#include <stdexcept>

namespace kinshelf::test {

std::int64_t PafWrittenFile::Record(int type, std::int32_t number) const {
  const auto found = records.find(type);
  if (found == records.end() || number < 1 || number > static_cast<std::int32_t>(found->second.size())) {
    throw std::out_of_range("no such record was written");
  }
  return found->second[static_cast<std::size_t>(number - 1)];
}

std::int32_t PafWrittenFile::Count(int type) const {
  const auto found = records.find(type);
  return found == records.end() ? 0 : static_cast<std::int32_t>(found->second.size());
}

std::int64_t PafWrittenFile::NameLink(std::int32_t rin) const {
  return Field(kPafIndividual, rin, Layout().individual.names);
}

std::int64_t PafWrittenFile::FirstCitationLink(std::int32_t rin) const {
  return Field(kPafIndividual, rin, Layout().individual.citation);
}

std::int64_t PafWrittenFile::NextCitationLink(std::int32_t citation) const {
  return Field(kPafCitation, citation, Layout().citation.next);
}

std::int64_t PafWrittenFile::NextNotePieceLink(std::int32_t piece) const {
  return Record(kPafNotePiece, piece);
}

std::int64_t PafWrittenFile::NextDeletedIndividualLink(std::int32_t rin) const {
  return Field(kPafIndividual, rin, Layout().individual.deletedNext);
}

std::int64_t PafWrittenFile::NextDeletedMarriageLink(std::int32_t mrin) const {
  return Field(kPafMarriage, mrin, Layout().marriage.deletedNext);
}

std::int64_t PafWrittenFile::TypeByte(int map, int block) const {
  return PafLayout::kMapSpan * map + Layout().dataBase + block;
}

std::int64_t PafWrittenFile::TotalsCount(int map, int type) const {
  // PAF 4's block counts every type it knows for each map.
  if (version == PafVersion::kPaf4) return totalsBlock + 2 * (Layout().lastType * map + type - 1);
  return HeaderTotalsCount(map, type);
}

std::int64_t PafWrittenFile::HeaderTotalsCount(int map, int type) const {
  const PafLayout& layout = Layout();
  return layout.totalsOffset + 2 * (layout.totalsPerMap * map + type - 1);
}

}  // namespace kinshelf::test
