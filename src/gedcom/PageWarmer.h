// Reads one byte of every page of a mapped text on a helper thread, ahead of the main thread's
// first scan. Touching a page of a fresh mapping costs far more than reading it (the system maps it
// on first touch), and the helper pays that cost on the other core while the scan does its own
// work. The helper only reads the mapping and shares nothing else; the object stops and joins it.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

namespace kinshelf {

class PageWarmer {
 public:
  // Starts the helper for [begin, end) when the text is large enough to be worth it.
  PageWarmer(const char* begin, const char* end);
  // Stops the helper and waits for it.
  ~PageWarmer();
  PageWarmer(const PageWarmer&) = delete;
  PageWarmer& operator=(const PageWarmer&) = delete;

  // Texts below this size are scanned faster than a thread starts.
  static constexpr std::int64_t kMinimumSize = 8 << 20;

 private:
  std::atomic<bool> stop_{false};
  std::thread helper_;
};

}  // namespace kinshelf
