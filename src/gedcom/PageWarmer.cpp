// Reads one byte of every page of a mapped text on a helper thread.
#include "gedcom/PageWarmer.h"

#include <unistd.h>

namespace kinshelf {

namespace {

void TouchPages(const char* begin, const char* end, const std::atomic<bool>& stop) {
  const auto pageSize = static_cast<std::ptrdiff_t>(sysconf(_SC_PAGESIZE));
  volatile char sink = 0;
  for (const char* p = begin; end - p > 0; p += pageSize) {
    if ((p - begin) % (256 * pageSize) == 0 && stop.load(std::memory_order_relaxed)) return;
    sink = *p;
    if (end - p <= pageSize) break;
  }
  (void)sink;
}

}  // namespace

PageWarmer::PageWarmer(const char* begin, const char* end) {
  if (end - begin >= kMinimumSize) helper_ = std::thread(TouchPages, begin, end, std::cref(stop_));
}

PageWarmer::~PageWarmer() {
  stop_.store(true, std::memory_order_relaxed);
  if (helper_.joinable()) helper_.join();
}

}  // namespace kinshelf
