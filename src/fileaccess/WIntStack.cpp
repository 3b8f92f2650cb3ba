// A stack of 32-bit values for a path of jumps.
#include "fileaccess/WIntStack.h"

#include <string>

namespace kinshelf {

WIntStack::WIntStack() : values_(std::string(), 0) {}

void WIntStack::Push(std::int32_t value) {
  if (size_ < values_.Count()) {
    values_.SetValue(++size_, value);
  } else {
    size_ = values_.AddValue(value);
  }
}

std::int32_t WIntStack::Pop() {
  if (size_ <= 0) return 0;
  return values_.GetValue(size_--);
}

std::int32_t WIntStack::Peek(std::int32_t n) const {
  return values_.GetValue(n == 0 ? size_ : n);
}

void WIntStack::Clear() {
  size_ = 0;
  values_.Clear();
}

}  // namespace kinshelf
