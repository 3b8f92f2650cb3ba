// The bytes of a PAF file being written: the header area and the blocks in use, kept apart so that
// a file of several 64 MiB maps costs only its used blocks, in memory and on disk.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/PafLayout.h"

namespace kinshelf::test {

class PafImage {
 public:
  struct Place {
    std::int32_t number;  // the record number, from 1
    std::int64_t offset;  // the file offset of its first byte
  };

  // A type's blocks fill a map up to `blocksPerTypePerMap` (0: no limit), then go on in the next.
  PafImage(const PafLayout& layout, int blocksPerTypePerMap);

  // The next slot of a type: the current block of the type while it has room, else a new block.
  Place Allocate(int type);
  // A whole block of a type, taken from map 0; gives its file offset.
  std::int64_t AllocateBlock(int type);

  void PutByte(std::int64_t offset, std::uint8_t value);
  void PutInt16(std::int64_t offset, std::int16_t value);
  void PutInt32(std::int64_t offset, std::int32_t value);
  void PutBytes(std::int64_t offset, std::string_view bytes);
  // A fixed-width text field, cut to the width and zero-filled after the text.
  void PutText(const PafLayout::Text& field, std::int64_t record, std::string_view text);

  int MapCount() const { return static_cast<int>(nextBlock_.size()); }
  // How many blocks of the type map m holds.
  int BlocksOf(int map, int type) const;
  // The file offset of map m's block k.
  std::int64_t BlockOffset(int map, int block) const;
  // The end of the last block in use.
  std::int64_t Size() const;
  // Writes the file sparse: its full size, but only the header area and the used blocks.
  void WriteTo(const std::string& path) const;

 private:
  struct Cursor {
    int map = 0;
    std::int64_t block = -1;  // offset of the current block, -1 before the first
    int used = 0;
    std::int32_t count = 0;
  };

  std::int64_t NewBlock(int map, int type);
  void OpenMap(int map);
  unsigned char* At(std::int64_t offset, std::size_t count);

  const PafLayout& layout_;
  int blocksPerTypePerMap_;
  std::map<std::int64_t, std::vector<unsigned char>> chunks_;  // by file offset
  std::vector<int> nextBlock_;                                 // by map
  std::map<std::pair<int, int>, int> blockCounts_;             // by (map, type)
  std::map<int, Cursor> cursors_;                              // by type
};

}  // namespace kinshelf::test
