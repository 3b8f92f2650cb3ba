// The output buffer's growth.
#include "cli/OutputBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace kinshelf::cli {

OutputBuffer::OutputBuffer(std::size_t capacity)
    : data_(std::make_unique_for_overwrite<char[]>(capacity)), capacity_(capacity) {}

char* OutputBuffer::Room(std::size_t bytes) {
  if (capacity_ - size_ < bytes) {
    const std::size_t capacity = std::max(2 * capacity_, size_ + bytes);
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ != 0) std::memcpy(grown.get(), data_.get(), size_);
    data_ = std::move(grown);
    capacity_ = capacity;
  }
  roomEnd_ = size_ + bytes;
  return data_.get() + size_;
}

void OutputBuffer::Commit(const char* end) {
  const auto size = static_cast<std::size_t>(end - data_.get());
  if (size < size_ || size > roomEnd_) std::abort();
  size_ = size;
}

}  // namespace kinshelf::cli
