// The bytes of a PAF file being written, kept per block and written sparse.
#include "support/PafImage.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace kinshelf::test {
namespace {

constexpr int kBlocksPerMap = 8192;
constexpr std::uint8_t kMapBlockType = kPafMapBlock;

}  // namespace

PafImage::PafImage(const PafLayout& layout, int blocksPerTypePerMap)
    : layout_(layout), blocksPerTypePerMap_(blocksPerTypePerMap) {
  chunks_[0].resize(static_cast<std::size_t>(layout.dataBase));
  OpenMap(0);
}

PafImage::Place PafImage::Allocate(int type) {
  Cursor& cursor = cursors_[type];
  const int size = layout_.sizes.at(static_cast<std::size_t>(type));
  if (size == 0) throw std::invalid_argument("no records of this type in this version");
  if (cursor.block < 0 || cursor.used == layout_.PerBlock(type)) {
    while (nextBlock_[static_cast<std::size_t>(cursor.map)] == kBlocksPerMap ||
           (blocksPerTypePerMap_ > 0 && BlocksOf(cursor.map, type) == blocksPerTypePerMap_)) {
      OpenMap(++cursor.map);
    }
    cursor.block = NewBlock(cursor.map, type);
    cursor.used = 0;
  }
  const Place place{++cursor.count, cursor.block + std::int64_t{size} * cursor.used};
  ++cursor.used;
  return place;
}

std::int64_t PafImage::AllocateBlock(int type) {
  return NewBlock(0, type);
}

std::int64_t PafImage::NewBlock(int map, int type) {
  int& block = nextBlock_.at(static_cast<std::size_t>(map));
  if (block == kBlocksPerMap) throw std::length_error("map full");
  const std::int64_t offset = BlockOffset(map, block);
  chunks_[offset].assign(PafLayout::kBlockSize, 0);
  PutByte(BlockOffset(map, 0) + block, static_cast<std::uint8_t>(type));
  ++blockCounts_[{map, type}];
  ++block;
  return offset;
}

// Maps are opened in order, so every map up to the last one used has its map block.
void PafImage::OpenMap(int map) {
  while (MapCount() <= map) {
    const std::int64_t offset = BlockOffset(MapCount(), 0);
    chunks_[offset].assign(PafLayout::kBlockSize, 0);
    chunks_[offset][0] = kMapBlockType;
    nextBlock_.push_back(1);
  }
}

int PafImage::BlocksOf(int map, int type) const {
  const auto found = blockCounts_.find({map, type});
  return found == blockCounts_.end() ? 0 : found->second;
}

std::int64_t PafImage::BlockOffset(int map, int block) const {
  return PafLayout::kMapSpan * map + layout_.dataBase + std::int64_t{PafLayout::kBlockSize} * block;
}

std::int64_t PafImage::Size() const {
  const auto& [offset, bytes] = *chunks_.rbegin();
  return offset + static_cast<std::int64_t>(bytes.size());
}

unsigned char* PafImage::At(std::int64_t offset, std::size_t count) {
  auto chunk = chunks_.upper_bound(offset);
  if (chunk == chunks_.begin()) throw std::out_of_range("write before the file");
  --chunk;
  const std::int64_t inside = offset - chunk->first;
  if (inside + static_cast<std::int64_t>(count) > static_cast<std::int64_t>(chunk->second.size())) {
    throw std::out_of_range("write outside the blocks in use");
  }
  return chunk->second.data() + inside;
}

void PafImage::PutByte(std::int64_t offset, std::uint8_t value) {
  *At(offset, 1) = value;
}

void PafImage::PutInt16(std::int64_t offset, std::int16_t value) {
  unsigned char* bytes = At(offset, 2);
  const auto bits = static_cast<std::uint16_t>(value);
  bytes[0] = static_cast<unsigned char>(bits);
  bytes[1] = static_cast<unsigned char>(bits >> 8);
}

void PafImage::PutInt32(std::int64_t offset, std::int32_t value) {
  unsigned char* bytes = At(offset, 4);
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
}

void PafImage::PutBytes(std::int64_t offset, std::string_view bytes) {
  if (!bytes.empty()) std::copy(bytes.begin(), bytes.end(), At(offset, bytes.size()));
}

void PafImage::PutText(const PafLayout::Text& field, std::int64_t record, std::string_view text) {
  if (field.offset == PafLayout::kNoField) return;
  PutBytes(record + field.offset, text.substr(0, static_cast<std::size_t>(field.width)));
}

void PafImage::WriteTo(const std::string& path) const {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) throw std::runtime_error("cannot create " + path);
  bool good = ::ftruncate(fd, Size()) == 0;
  for (const auto& [offset, bytes] : chunks_) {
    good = good && ::pwrite(fd, bytes.data(), bytes.size(), offset) == static_cast<ssize_t>(bytes.size());
  }
  good = ::close(fd) == 0 && good;
  if (!good) throw std::runtime_error("cannot write " + path);
}

}  // namespace kinshelf::test
