// Keeps reads of a read-only file mapping alive when another process shortens the file.
#include "platform/MappingGuard.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>

namespace kinshelf::platform {

namespace {

// One guarded range. A slot is taken before its range is written and the range is cleared before
// the slot is given back, so the handler sees either a whole range or begin 0.
struct Slot {
  std::atomic<bool> taken{false};
  std::atomic<std::uintptr_t> begin{0};
  std::atomic<std::uintptr_t> end{0};
  std::atomic<bool> damaged{false};
};

// Global because a signal handler can reach nothing else; only this file sees it. Fixed in size
// and made of lock-free atomics because the handler may neither allocate nor lock.
std::array<Slot, MappingGuard::kCapacity> slots;
std::atomic<void (*)()> damageHook{nullptr};

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<std::uintptr_t>::is_always_lock_free &&
              std::atomic<void (*)()>::is_always_lock_free);

// Written once, before the handler is installed.
struct sigaction previousAction {};
std::uintptr_t pageSize = 0;

// Replaces the pages of the guarded range holding `address`, from its page to the range's end,
// by zeros. False when no guarded range holds it or the pages can't be replaced.
bool ReplaceWithZeros(std::uintptr_t address) {
  for (Slot& slot : slots) {
    const std::uintptr_t begin = slot.begin.load(std::memory_order_acquire);
    if (begin == 0 || address < begin) continue;
    const std::uintptr_t end = slot.end.load(std::memory_order_acquire);
    if (address >= end) continue;
    const std::uintptr_t page = address & ~(pageSize - 1);
    void* zeros = mmap(reinterpret_cast<void*>(page), end - page, PROT_READ,
                       MAP_FIXED | MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (zeros == MAP_FAILED) return false;
    slot.damaged.store(true, std::memory_order_release);
    if (void (*hook)() = damageHook.load(std::memory_order_acquire)) hook();
    return true;
  }
  return false;
}

// Hands a SIGBUS that is not ours to the handler installed before, or dies of it by default.
void PassOn(int signal, siginfo_t* info, void* context) {
  if ((previousAction.sa_flags & SA_SIGINFO) != 0) {
    previousAction.sa_sigaction(signal, info, context);
    return;
  }
  if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
    previousAction.sa_handler(signal);
    return;
  }
  // Ignoring a fault would only repeat it, so an ignored SIGBUS dies like a default one.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  raise(signal);
}

void OnBusError(int signal, siginfo_t* info, void* context) {
  const int savedErrno = errno;
  // Only a fault on a page without a file behind it; hardware errors and sent signals are not ours.
  const bool ours = info != nullptr && info->si_code == BUS_ADRERR &&
                    ReplaceWithZeros(reinterpret_cast<std::uintptr_t>(info->si_addr));
  errno = savedErrno;
  if (!ours) PassOn(signal, info, context);
}

bool InstallHandler() {
  pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  struct sigaction action {};
  action.sa_sigaction = OnBusError;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  if (sigaction(SIGBUS, &action, &previousAction) != 0) return false;
  // A sanitizer told to keep SIGBUS to itself accepts the call and changes nothing.
  struct sigaction current {};
  return sigaction(SIGBUS, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) != 0 &&
         current.sa_sigaction == OnBusError;
}

// The index of a free slot now holding the range, or kCapacity when every slot is taken.
int TakeSlot(std::uintptr_t begin, std::uintptr_t end) {
  for (int index = 0; index < MappingGuard::kCapacity; ++index) {
    Slot& slot = slots[static_cast<std::size_t>(index)];
    bool taken = false;
    if (!slot.taken.compare_exchange_strong(taken, true, std::memory_order_acq_rel)) continue;
    slot.damaged.store(false, std::memory_order_relaxed);
    slot.end.store(end, std::memory_order_release);
    slot.begin.store(begin, std::memory_order_release);
    return index;
  }
  return MappingGuard::kCapacity;
}

}  // namespace

MappingGuard& MappingGuard::operator=(MappingGuard&& other) noexcept {
  if (this != &other) {
    Release();
    slot_ = std::exchange(other.slot_, kNone);
  }
  return *this;
}

MappingGuard MappingGuard::Guard(const void* base, std::size_t length) {
  static const bool installed = InstallHandler();
  if (!installed) {
    errno = ENOTSUP;
    return MappingGuard();
  }
  const auto begin = reinterpret_cast<std::uintptr_t>(base);
  const std::uintptr_t end = (begin + length + pageSize - 1) & ~(pageSize - 1);
  const int slot = TakeSlot(begin, end);
  if (slot == kCapacity) {
    errno = EMFILE;
    return MappingGuard();
  }
  return MappingGuard(slot);
}

void MappingGuard::SetDamageHook(void (*hook)()) {
  damageHook.store(hook, std::memory_order_release);
}

bool MappingGuard::Damaged() const {
  return slot_ != kNone && slots[static_cast<std::size_t>(slot_)].damaged.load(std::memory_order_acquire);
}

void MappingGuard::Release() {
  if (slot_ == kNone) return;
  Slot& slot = slots[static_cast<std::size_t>(std::exchange(slot_, kNone))];
  slot.begin.store(0, std::memory_order_release);
  slot.end.store(0, std::memory_order_release);
  slot.taken.store(false, std::memory_order_release);
}

}  // namespace kinshelf::platform
