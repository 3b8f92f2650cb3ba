// The output buffer's growth.
#include "cli/OutputBuffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kinshelf::cli {

OutputBuffer::OutputBuffer(std::size_t capacity)
    : data_(std::make_unique_for_overwrite<char[]>(capacity)), capacity_(capacity) {}

void OutputBuffer::Grow(std::size_t bytes) {
  const std::size_t capacity = std::max(2 * capacity_, size_ + bytes);
  auto grown = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ != 0) std::memcpy(grown.get(), data_.get(), size_);
  data_ = std::move(grown);
  capacity_ = capacity;
}

}  // namespace kinshelf::cli
