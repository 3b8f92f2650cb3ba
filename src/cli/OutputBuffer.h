// A growing byte buffer that output is written into through a pointer: a writer asks for room for the
// most it may write, writes there, and says where it stopped. Unlike a string's, the room is not
// cleared first, which would cost as much as the writing.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

namespace kinshelf::cli {

class OutputBuffer {
 public:
  // A buffer written and let go again soon: its memory comes from the heap, which reuses it.
  explicit OutputBuffer(std::size_t capacity = 0);
  // A buffer kept to the command's end: a large one is a mapping of its own in huge pages, so that
  // its fresh memory costs a fault per 2 MiB instead of one per 4 KiB.
  static OutputBuffer Kept(std::size_t capacity);

  // Where the next `bytes` may be written, at the end of what is there; valid until the next call.
  char* Room(std::size_t bytes) {
    if (capacity_ - size_ < bytes) Grow(bytes);
    roomEnd_ = size_ + bytes;
    return data_.get() + size_;
  }
  // Keeps what was written up to `end`, which lies in the room given last. A writer that went past
  // that room has already written over other memory: the process stops at once.
  void Commit(const char* end) {
    const auto size = static_cast<std::size_t>(end - data_.get());
    if (size < size_ || size > roomEnd_) std::abort();
    size_ = size;
  }

  // Room for the text, the text written there, and kept.
  void Append(std::string_view text) {
    char* const room = Room(text.size());
    if (!text.empty()) std::memcpy(room, text.data(), text.size());
    Commit(room + text.size());
  }

  std::string_view View() const { return {data_.get(), size_}; }
  // The memory it takes, room kept included.
  std::size_t HeldBytes() const { return capacity_; }
  // Bytes that may still be written before it grows.
  std::size_t FreeRoom() const { return capacity_ - size_; }

 private:
  // Frees the memory as it was taken: from the heap, or as a block of so many bytes.
  struct Release {
    bool kept = false;
    std::size_t bytes = 0;
    void operator()(char* data) const noexcept;
  };
  using Data = std::unique_ptr<char[], Release>;

  OutputBuffer(Data data, std::size_t capacity);

  static Data Allocate(std::size_t capacity, bool kept);
  // Makes room for `bytes` more, in a new buffer of at least twice the size.
  void Grow(std::size_t bytes);

  Data data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  std::size_t roomEnd_ = 0;
};

}  // namespace kinshelf::cli
