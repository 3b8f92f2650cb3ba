// Keeps reads of a read-only file mapping alive when another process shortens the file. Touching a
// mapped page past a file's new end raises SIGBUS, private mapping or not; a guarded range instead
// gets anonymous zero pages from the faulting page to its end, is marked damaged, and the read goes
// on with zero bytes. A SIGBUS anywhere else goes to the handler that was there before, or kills
// the process as it would have. Guards may be made, released and queried from any thread.
#pragma once

#include <cstddef>
#include <utility>

namespace kinshelf::platform {

class MappingGuard {
 public:
  // How many ranges can be guarded at once.
  static constexpr int kCapacity = 64;

  MappingGuard() = default;
  MappingGuard(MappingGuard&& other) noexcept : slot_(std::exchange(other.slot_, kNone)) {}
  MappingGuard& operator=(MappingGuard&& other) noexcept;
  MappingGuard(const MappingGuard&) = delete;
  MappingGuard& operator=(const MappingGuard&) = delete;
  ~MappingGuard() { Release(); }

  // Guards the pages of [base, base + length), a range that mmap returned (base on a page
  // boundary). Installs the SIGBUS handler on first use. Returns a guard of nothing with errno set
  // when all kCapacity guards are in use (EMFILE) or the handler can't be installed (ENOTSUP; so
  // under AddressSanitizer with handle_sigbus=2 or allow_user_segv_handler=0).
  static MappingGuard Guard(const void* base, std::size_t length);

  // Sets the function the handler calls on the faulting thread each time it damages a guarded
  // range, or none (nullptr); it replaces the one set before. It runs inside a signal handler, so it
  // may only do what is async-signal-safe, such as storing to a lock-free atomic.
  static void SetDamageHook(void (*hook)());

  bool IsGuarding() const { return slot_ != kNone; }
  // True once a page of the range was replaced by zeros; false for a guard of nothing.
  bool Damaged() const;
  // Stops guarding. Must happen before the range is unmapped, while no other thread reads it.
  void Release();

 private:
  static constexpr int kNone = -1;

  explicit MappingGuard(int slot) : slot_(slot) {}

  int slot_ = kNone;
};

}  // namespace kinshelf::platform
