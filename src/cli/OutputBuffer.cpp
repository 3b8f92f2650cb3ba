// The output buffer's memory and its growth.
#include "cli/OutputBuffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/LargeBlocks.h"

namespace kinshelf::cli {

void OutputBuffer::Release::operator()(char* data) const noexcept {
  if (kept) {
    platform::FreeBlock(data, bytes);
  } else {
    delete[] data;
  }
}

OutputBuffer::Data OutputBuffer::Allocate(std::size_t capacity, bool kept) {
  if (!kept) return Data(new char[capacity], Release{});
  return Data(static_cast<char*>(platform::AllocateBlock(capacity)), Release{true, capacity});
}

OutputBuffer::OutputBuffer(std::size_t capacity) : data_(Allocate(capacity, false)), capacity_(capacity) {}

OutputBuffer::OutputBuffer(Data data, std::size_t capacity) : data_(std::move(data)), capacity_(capacity) {}

OutputBuffer OutputBuffer::Kept(std::size_t capacity) {
  return OutputBuffer(Allocate(capacity, true), capacity);
}

void OutputBuffer::Grow(std::size_t bytes) {
  const std::size_t capacity = std::max(2 * capacity_, size_ + bytes);
  Data grown = Allocate(capacity, data_.get_deleter().kept);
  if (size_ != 0) std::memcpy(grown.get(), data_.get(), size_);
  data_ = std::move(grown);
  capacity_ = capacity;
}

}  // namespace kinshelf::cli
