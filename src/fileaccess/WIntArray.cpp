// An array of 32-bit signed values numbered from 1, in a scratch store.
#include "fileaccess/WIntArray.h"

#include <array>

#include "fileaccess/LittleEndian.h"

namespace kinshelf {

namespace {

constexpr std::int32_t kValueSize = 4;

std::array<unsigned char, kValueSize> Encode(std::int32_t value) {
  std::array<unsigned char, kValueSize> bytes{};
  StoreUint32LE(bytes.data(), static_cast<std::uint32_t>(value));
  return bytes;
}

}  // namespace

WIntArray::WIntArray(const std::string& fileName, std::int32_t count)
    : WABSArrayIndex(fileName, false, kValueSize, count) {
  SetCount(count);
}

void WIntArray::SetValue(std::int32_t index, std::int32_t value) {
  SetItem(index, Encode(value).data());
}

std::int32_t WIntArray::GetValue(std::int32_t index) const {
  const unsigned char* item = Item(index);
  return item == nullptr ? 0 : static_cast<std::int32_t>(LoadUint32LE(item));
}

std::int32_t WIntArray::AddValue(std::int32_t value) {
  return Add(Encode(value).data());
}

void WIntArray::Fill(std::int32_t value) {
  for (std::int32_t index = 1; index <= Count(); ++index) SetValue(index, value);
}

}  // namespace kinshelf
