// The mapped PAF file: its checks at opening, the record look-up and the chain walks.
#include "paf/WPAFMMF.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "paf/PafSignature.h"
#include "paf/PafTextRecords.h"

namespace kinshelf {

using paf::kBlockSize;

WPAFMMF::WPAFMMF(const std::string& fileName)
    : WMMFReadOnly(fileName), fileName_(fileName), layout_(&LayoutOfSignature()) {
  if (Bytes().size() < layout_->dataBase + kBlockSize)
    Fail("the file ends inside its header or first map block");
  const int maps = MapsToRead();
  for (int map = 0; map < maps; ++map) ReadMap(map);
  if (Version() == paf::kPaf4Layout.version) ReadPaf4Totals();
  if (Version() == paf::kPaf5Layout.version) ReadTotalsTable(paf::kPaf5TotalsOffset, paf::kPaf5TotalsPerMap);
  SumTotals();
}

void WPAFMMF::Fail(const std::string& reason) const {
  throw std::runtime_error(fileName_ + ": " + reason);
}

const paf::FileLayout& WPAFMMF::LayoutOfSignature() const {
  const auto bytes = Bytes();
  const std::string_view start(reinterpret_cast<const char*>(bytes.data()),
                               std::min(bytes.size(), kPafSignatureEnd));
  switch (PafSignatureVersion(start)) {
    case 300:
      return paf::kPaf3Layout;
    case 400:
      return paf::kPaf4Layout;
    case 500:
      return paf::kPaf5Layout;
    default:
      Fail("not a PAF 3, 4 or 5 file");
  }
}

int WPAFMMF::MapsToRead() const {
  if (layout_->mapsField == paf::kNoField) return Paf3Maps();
  const std::int32_t maps = HeaderInt32(layout_->mapsField);
  if (maps < 1 || maps > layout_->usableMaps) {
    Fail("the header gives " + std::to_string(maps) + " maps; the file's version has 1 to " +
         std::to_string(layout_->usableMaps));
  }
  return maps;
}

// PAF 3 doesn't store its number of maps: the file needs map 0 and every map its totals count in,
// as far as the file reaches. A total for a map past the end (a stray count, or a file cut short)
// counts blocks no look-up can reach, and the other maps are still read.
int WPAFMMF::Paf3Maps() const {
  int maps = 1;
  for (int map = 1; map < paf::kHeaderTotalsMaps; ++map) {
    for (int type = 1; type <= paf::kHeaderTotalsPerMap; ++type) {
      if (HeaderTotal(map, type) != 0) maps = map + 1;
    }
  }
  const auto size = static_cast<std::int64_t>(Bytes().size());
  while (maps > 1 && BlockOffset(maps - 1, 0) + static_cast<std::int64_t>(kBlockSize) > size) --maps;
  return maps;
}

void WPAFMMF::ReadMap(int map) {
  const std::int64_t start = BlockOffset(map, 0);
  ByteCursor cursor(Bytes());
  auto typeBytes = cursor.Seek(static_cast<std::size_t>(start)) ? cursor.Take(kBlockSize) : std::nullopt;
  if (!typeBytes) Fail("map " + std::to_string(map) + " lies past the end of the file");
  const std::uint8_t ownType = typeBytes->ReadU8().value_or(0);
  // PAF 3 finds its blocks by their type bytes alone and never looks at the map block's own.
  if (ownType != paf::kMapBlockType && Version() != paf::kPaf3Layout.version) {
    Fail("map " + std::to_string(map) + " starts with block type " + std::to_string(ownType) + ", not 11");
  }
  BlockList blocks(static_cast<std::size_t>(layout_->lastType) + 1);
  const auto size = static_cast<std::int64_t>(Bytes().size());
  for (int block = 1; block < paf::kBlocksPerMap; ++block) {
    const int type = typeBytes->ReadU8().value_or(0);
    if (type < 1 || type > layout_->lastType) continue;
    blocks[static_cast<std::size_t>(type)].push_back(static_cast<std::uint16_t>(block));
    if (BlockOffset(map, block) >= size) ++blocksPastEnd_;
  }
  blockLists_.push_back(std::move(blocks));
}

std::int32_t WPAFMMF::HeaderInt32(std::size_t offset) const {
  ByteCursor header = Header();
  return header.Seek(offset) ? header.ReadI32().value_or(0) : 0;
}

int WPAFMMF::HeaderTotal(int map, int type) const {
  if (map < 0 || map >= paf::kHeaderTotalsMaps || type < 1 || type > paf::kHeaderTotalsPerMap) return 0;
  ByteCursor header = Header();
  const auto entry = static_cast<std::size_t>(paf::kHeaderTotalsPerMap * map + type - 1);
  if (!header.Seek(paf::kHeaderTotalsOffset + 2 * entry)) return 0;
  return static_cast<std::int16_t>(header.ReadU16().value_or(0));
}

void WPAFMMF::ReadTotalsTable(std::size_t offset, int perMap) {
  ByteCursor cursor(Bytes());
  if (!cursor.Seek(offset)) Fail("the map totals lie past the end of the file");
  totals_.resize(paf::kTotalsTableCounts);
  for (auto& count : totals_) count = static_cast<std::int16_t>(cursor.ReadU16().value_or(0));
  totalsPerMap_ = perMap;
}

void WPAFMMF::ReadPaf4Totals() {
  const std::int32_t number = HeaderInt32(paf::kPaf4TotalsBlockField);
  const std::string name = "the map totals block " + std::to_string(number);
  if (number < 1 || (number - 1) / paf::kBlocksPerMap >= MapCount()) Fail(name + " lies outside the maps");
  const int map = (number - 1) / paf::kBlocksPerMap;
  const int block = (number - 1) % paf::kBlocksPerMap;
  const std::uint8_t type = Bytes()[static_cast<std::size_t>(BlockOffset(map, 0) + block)];
  if (type != paf::kTotalsBlockType) Fail(name + " has block type " + std::to_string(type) + ", not 14");
  const std::int64_t start = BlockOffset(map, block);
  if (start + static_cast<std::int64_t>(kBlockSize) > static_cast<std::int64_t>(Bytes().size())) {
    Fail(name + " lies past the end of the file");
  }
  ReadTotalsTable(static_cast<std::size_t>(start), paf::kPaf4TotalsPerMap);
  MergeHeaderTotals();
}

// The header's older table may count blocks the PAF 4 totals block missed.
void WPAFMMF::MergeHeaderTotals() {
  for (int map = 0; map < paf::kHeaderTotalsMaps; ++map) {
    for (int type = 1; type <= paf::kHeaderTotalsPerMap; ++type) {
      auto& count = totals_[static_cast<std::size_t>(paf::kPaf4TotalsPerMap * map + type - 1)];
      count = static_cast<std::int16_t>(std::max<int>(count, HeaderTotal(map, type)));
    }
  }
}

// Every look-up by number needs the blocks of its type in the maps before its own; they are summed
// once, as the mapping is read-only.
void WPAFMMF::SumTotals() {
  for (int type = 0; type < static_cast<int>(paf::kTypeCount); ++type) {
    auto& ends = totalEnds_[static_cast<std::size_t>(type)];
    std::int32_t end = 0;
    for (int map = 0; map < MapCount(); ++map) ends.push_back(end += MapTotal(map, type));
  }
}

ByteCursor WPAFMMF::Header() const {
  return ByteCursor(Bytes().first(layout_->dataBase));
}

int WPAFMMF::MapTotal(int map, int type) const {
  if (map < 0 || map >= MapCount() || type < 1 || type > layout_->lastType) return 0;
  const int total = totals_.empty() ? HeaderTotal(map, type)
                                    : totals_[static_cast<std::size_t>(totalsPerMap_ * map + type - 1)];
  return std::max(total, 0);
}

std::int64_t WPAFMMF::BlockOffset(int map, int block) const {
  return paf::kMapSpan * map + static_cast<std::int64_t>(layout_->dataBase) +
         static_cast<std::int64_t>(kBlockSize) * block;
}

int WPAFMMF::SizeOf(int type) const {
  return type >= 0 && type < static_cast<int>(paf::kTypeCount)
             ? layout_->sizes[static_cast<std::size_t>(type)]
             : 0;
}

std::int64_t WPAFMMF::RecordCapacity(int type) const {
  const int size = SizeOf(type);
  if (size == 0) return 0;
  // The totals number the blocks map after map; the map blocks say which of them exist. Counting
  // up to the last block that exists keeps a damaged total of 32767 from sizing tables for records
  // no look-up can reach.
  std::int64_t before = 0;
  std::int64_t reachable = 0;
  for (int map = 0; map < MapCount(); ++map) {
    const int total = MapTotal(map, type);
    const auto& listed = blockLists_[static_cast<std::size_t>(map)][static_cast<std::size_t>(type)];
    const std::int64_t usable = std::min<std::int64_t>(total, static_cast<std::int64_t>(listed.size()));
    if (usable > 0) reachable = before + usable;
    before += total;
  }
  return reachable * (static_cast<std::int64_t>(kBlockSize) / size);
}

std::int64_t WPAFMMF::Locate(int type, std::int32_t number) const {
  const int size = SizeOf(type);
  if (size == 0 || number < 1) return 0;
  const std::int32_t perBlock = static_cast<std::int32_t>(kBlockSize) / size;
  const std::int32_t index = number - 1;
  const std::int32_t wanted = index / perBlock;  // the type's block holding the record, from 0
  const auto& ends = totalEnds_[static_cast<std::size_t>(type)];
  const auto holding = std::upper_bound(ends.begin(), ends.end(), wanted);
  if (holding == ends.end()) return 0;
  const auto map = static_cast<std::size_t>(holding - ends.begin());
  const std::int32_t before = map == 0 ? 0 : ends[map - 1];
  const auto& blocks = blockLists_[map][static_cast<std::size_t>(type)];
  const auto block = static_cast<std::size_t>(wanted - before);
  if (block >= blocks.size()) return 0;
  const std::int64_t offset =
      BlockOffset(static_cast<int>(map), blocks[block]) + std::int64_t{size} * (index - wanted * perBlock);
  return offset + size <= static_cast<std::int64_t>(Bytes().size()) ? offset : 0;
}

void WPAFMMF::Prefetch(std::int64_t offset, std::size_t size) const {
  constexpr std::size_t kCacheLine = 64;
  const auto bytes = Bytes();
  if (offset < 1 || static_cast<std::uint64_t>(offset) >= bytes.size()) return;
  const auto start = static_cast<std::size_t>(offset);
  const std::size_t last = std::min(bytes.size(), start + size) - 1;
  // One request for each line the bytes touch: the first may begin inside its line.
  for (std::size_t line = start / kCacheLine; line <= last / kCacheLine; ++line)
    __builtin_prefetch(bytes.data() + std::max(start, line * kCacheLine));
}

std::optional<ByteCursor> WPAFMMF::Record(int type, std::int32_t number) const {
  const std::int64_t offset = Locate(type, number);
  if (offset == 0) return std::nullopt;
  return RecordAt(offset, layout_->sizes[static_cast<std::size_t>(type)]);
}

std::optional<std::string> WPAFMMF::TextAt(std::int32_t link) const {
  return PafTextRecords(Bytes()).TextAt(link);
}

std::optional<std::string_view> WPAFMMF::TextViewAt(std::int32_t link) const {
  return PafTextRecords(Bytes()).TextViewAt(link);
}

std::vector<std::int32_t> WPAFMMF::Chain(int type, std::int32_t first, std::size_t nextField) const {
  std::vector<std::int32_t> numbers;
  std::unordered_set<std::int32_t> met;
  for (std::int32_t number = first; number != 0 && number != -1 && met.insert(number).second;) {
    auto record = Record(type, number);
    if (!record || !record->Seek(nextField)) break;
    numbers.push_back(number);
    number = record->ReadI32().value_or(0);
  }
  return numbers;
}

std::vector<std::int32_t> WPAFMMF::CitationChain(std::int32_t first) const {
  return Chain(paf::kCitationType, first, layout_->citationNext);
}

std::string WPAFMMF::NoteText(std::int32_t firstPiece) const {
  std::string text;
  for (const std::int32_t piece : Chain(paf::kNotePieceType, firstPiece, 0)) {
    auto record = Record(paf::kNotePieceType, piece);
    if (record && record->Seek(layout_->noteTextOffset))
      text += record->ReadZeroEndedText(layout_->noteTextWidth);
  }
  return text;
}

std::vector<std::int32_t> WPAFMMF::DeletedIndividuals() const {
  return Chain(paf::kIndividualType, HeaderInt32(layout_->firstDeletedIndividual), layout_->deletedNext);
}

std::vector<std::int32_t> WPAFMMF::DeletedMarriages() const {
  return Chain(paf::kMarriageType, HeaderInt32(layout_->firstDeletedMarriage), layout_->deletedNext);
}

}  // namespace kinshelf
