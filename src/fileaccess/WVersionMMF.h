// A growable scratch store with an 8-byte header (version 1, then the used length, both 32-bit
// little-endian) followed by appended data. It lives in memory until it reaches WMMF::kMemoryLimit,
// then in a mapped file. Used by one thread at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fileaccess/WMMF.h"

namespace kinshelf {

class WVersionMMF : public WMMF {
 public:
  // The used length is kept in 32 bits, so a store holds at most this many bytes, header included.
  static constexpr std::int64_t kMaxUsedLength = 0xFFFFFFFF;

  // A store created with the in-memory wish (see WMMF), its header reset. An empty name makes it
  // temporary. Throws WMMFError like WMMF.
  WVersionMMF(const std::string& fileName, std::int64_t growth, std::int64_t initialSize);

  // Writes at the position like Write and raises the used length to the end of the written bytes
  // when they pass it. Returns the start position. Throws std::length_error when the end would pass
  // kMaxUsedLength, and what Write throws.
  std::int64_t WriteData(const void* buffer, std::int64_t count) override;

  // Writes version 1 and used length 8 at the start; the position ends up at 8.
  void ResetHeader();
  // The used length from the header: the offset just past the last appended byte (8 when empty).
  std::int64_t UsedLength() const;
  // Sets the used length, which must lie in [DataStart(), Size()]; throws std::out_of_range.
  void SetUsedLength(std::int64_t length);
  // Appends at the used length and returns the offset of the first byte appended. Throw what
  // WriteData throws. Pointers into the store are valid only until the next append that grows it.
  std::int64_t Append(const void* buffer, std::int64_t count);
  std::int64_t AppendString(std::string_view text);
  // Appends `count` zero bytes (nothing for 0 or less) and returns the offset where they start.
  std::int64_t AppendZeros(std::int64_t count);
  // The offset of the first data byte, just past the header.
  static constexpr std::int64_t DataStart() { return 8; }

 private:
  static void RequireRoom(std::int64_t start, std::int64_t count);
  void RaiseUsedLength(std::int64_t end);
  unsigned char* UsedLengthField();
  const unsigned char* UsedLengthField() const;
};

}  // namespace kinshelf
