// Damages a written file in one place, the way a test of a reader needs: a byte changed, the file
// cut short, a link pointed outside the file or back along its own chain.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace kinshelf::test {

class PafDamage {
 public:
  explicit PafDamage(std::string path) : path_(std::move(path)) {}

  void SetByte(std::int64_t offset, std::uint8_t value) const;
  // Inverts every bit of the byte.
  void FlipByte(std::int64_t offset) const;
  void SetInt16(std::int64_t offset, std::int16_t value) const;
  void SetInt32(std::int64_t offset, std::int32_t value) const;
  void Truncate(std::int64_t size) const;
  // Sets the link at `offset` to the file's size: a text link past the last byte.
  void PointOutside(std::int64_t offset) const;
  // Sets the next link at `offset` (the last of a chain) to `first`, an earlier member.
  void MakeLoop(std::int64_t offset, std::int32_t first) const { SetInt32(offset, first); }

  std::uint8_t ByteAt(std::int64_t offset) const;
  std::int32_t Int32At(std::int64_t offset) const;

 private:
  void Write(std::int64_t offset, const unsigned char* bytes, std::size_t count) const;
  std::int64_t Size() const;

  std::string path_;
};

}  // namespace kinshelf::test
