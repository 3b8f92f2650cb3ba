// Field reads of one PAF record.
#include "paf/PafRecord.h"

#include <algorithm>

namespace kinshelf {

std::optional<ByteCursor> PafRecord::At(std::size_t offset) const {
  if (!bytes_ || offset == paf::kMissing) return std::nullopt;
  ByteCursor cursor = *bytes_;
  if (!cursor.Seek(offset)) return std::nullopt;
  return cursor;
}

std::uint8_t PafRecord::Byte(std::size_t offset) const {
  auto cursor = At(offset);
  return cursor ? cursor->ReadU8().value_or(0) : 0;
}

std::uint16_t PafRecord::Word(std::size_t offset) const {
  auto cursor = At(offset);
  return cursor ? cursor->ReadU16().value_or(0) : 0;
}

std::int32_t PafRecord::Int32(std::size_t offset) const {
  auto cursor = At(offset);
  return cursor ? cursor->ReadI32().value_or(0) : 0;
}

bool PafRecord::HasLink(std::size_t offset) const {
  return IsLink(Int32(offset));
}

std::string PafRecord::Text(paf::TextField field) const {
  auto cursor = field.width == 0 ? std::nullopt : At(field.offset);
  return cursor ? cursor->ReadZeroEndedText(field.width) : std::string();
}

std::span<const unsigned char> PafRecord::Bytes(std::size_t offset, std::size_t width) const {
  auto cursor = At(offset);
  if (!cursor || cursor->Remaining() < width) return {};
  return cursor->Rest().first(width);
}

bool PafRecord::AnyNonZero(std::size_t offset, std::size_t width) const {
  const auto bytes = Bytes(offset, width);
  return std::any_of(bytes.begin(), bytes.end(), [](unsigned char byte) { return byte != 0; });
}

PafRecord PafRecord::Part(std::size_t offset, std::size_t size) const {
  auto cursor = At(offset);
  return PafRecord(cursor ? cursor->Take(size) : std::nullopt);
}

}  // namespace kinshelf
