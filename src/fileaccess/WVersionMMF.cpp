// A growable scratch store with a version and used-length header followed by appended data.
#include "fileaccess/WVersionMMF.h"

#include <array>
#include <stdexcept>

#include "fileaccess/LittleEndian.h"

namespace kinshelf {

namespace {

constexpr std::int64_t kUsedLengthOffset = 4;

}  // namespace

WVersionMMF::WVersionMMF(const std::string& fileName, std::int64_t growth, std::int64_t initialSize)
    : WMMF(fileName, true, growth, initialSize) {
  ResetHeader();
}

std::int64_t WVersionMMF::WriteData(const void* buffer, std::int64_t count) {
  const std::int64_t start = Position();
  if (start < 0 || count <= 0) return Write(buffer, count);
  RequireRoom(start, count);
  Write(buffer, count);
  RaiseUsedLength(start + count);
  return start;
}

void WVersionMMF::ResetHeader() {
  std::array<unsigned char, DataStart()> header{};
  StoreUint32LE(header.data(), 1);
  StoreUint32LE(header.data() + kUsedLengthOffset, static_cast<std::uint32_t>(DataStart()));
  Seek(0, 0);
  Write(header.data(), DataStart());
}

std::int64_t WVersionMMF::UsedLength() const {
  const unsigned char* field = UsedLengthField();
  return field == nullptr ? 0 : LoadUint32LE(field);
}

void WVersionMMF::SetUsedLength(std::int64_t length) {
  unsigned char* field = UsedLengthField();
  if (field == nullptr || length < DataStart() || length > Size()) {
    throw std::out_of_range("Used length " + std::to_string(length) + " outside the store");
  }
  StoreUint32LE(field, static_cast<std::uint32_t>(length));
}

std::int64_t WVersionMMF::Append(const void* buffer, std::int64_t count) {
  Seek(UsedLength(), 0);
  return WriteData(buffer, count);
}

std::int64_t WVersionMMF::AppendString(std::string_view text) {
  return Append(text.data(), static_cast<std::int64_t>(text.size()));
}

std::int64_t WVersionMMF::AppendZeros(std::int64_t count) {
  const std::int64_t start = Seek(UsedLength(), 0);
  if (count <= 0) return start;
  RequireRoom(start, count);
  WriteZeros(count);
  RaiseUsedLength(start + count);
  return start;
}

void WVersionMMF::RequireRoom(std::int64_t start, std::int64_t count) {
  if (count > kMaxUsedLength - start) throw std::length_error("A scratch store can't grow past 4 GiB");
}

void WVersionMMF::RaiseUsedLength(std::int64_t end) {
  if (end > UsedLength()) SetUsedLength(end);
}

unsigned char* WVersionMMF::UsedLengthField() {
  return Size() < DataStart() ? nullptr : PointerAt(kUsedLengthOffset);
}

const unsigned char* WVersionMMF::UsedLengthField() const {
  return Size() < DataStart() ? nullptr : PointerAt(kUsedLengthOffset);
}

}  // namespace kinshelf
