// A stack of 32-bit values for a path of jumps: values popped off the top stay above it, readable
// with Peek, until a push overwrites them. Main thread only.
#pragma once

#include <cstdint>

#include "fileaccess/WIntArray.h"

namespace kinshelf {

class WIntStack {
 public:
  // An empty stack in a temporary store. Throws WMMFError when the store can't be created.
  WIntStack();

  // Puts the value on top, over the slot a pop left behind when there is one. Throws like Add.
  void Push(std::int32_t value);
  // Takes the top value off and returns it (it stays in its slot); 0 when the stack is empty.
  std::int32_t Pop();
  // Slot `n` counted from 1 at the bottom, n = 0 meaning the top; 0 for an empty stack or an
  // unused slot.
  std::int32_t Peek(std::int32_t n) const;
  // Empties the stack and forgets every slot.
  void Clear();
  std::int32_t Size() const { return size_; }

 private:
  // Every slot used since the last Clear; those past the size were left by pops.
  WIntArray values_;
  std::int32_t size_ = 0;
};

}  // namespace kinshelf
