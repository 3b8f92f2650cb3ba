// Helpers for the GEDCOM reader's tests.
#include "GedcomTestSupport.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace kinshelf::test {

std::string GedLines(std::initializer_list<std::string_view> lines, std::string_view lineBreak) {
  std::string text;
  for (const std::string_view line : lines) {
    text += line;
    text += lineBreak;
  }
  return text;
}

LoadedGedcom::LoadedGedcom(std::string_view bytes, bool load)
    : path_(folder_.WriteFile("tree.ged", bytes)),
      collection_(std::make_unique<WGEDCollection>(path_, options_)) {
  if (load) {
    collection_->Load();
    collection_->LinkRecords();
  }
}

GuardPage::GuardPage() {
  // Reserve two pages and give the lower one back: the next one-page mapping fills that hole.
  const auto pageSize = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  void* pages = mmap(nullptr, 2 * pageSize, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (pages == MAP_FAILED) return;
  munmap(pages, pageSize);
  page_ = static_cast<char*>(pages) + pageSize;
}

bool GuardPage::Follows(const char* end) {
  if (page_ == static_cast<const void*>(end)) return true;
  const auto pageSize = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  if (reinterpret_cast<std::uintptr_t>(end) % pageSize != 0) return false;
  void* page = mmap(const_cast<char*>(end), pageSize, PROT_NONE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
  if (page == MAP_FAILED) return false;
  if (page != static_cast<const void*>(end)) {
    munmap(page, pageSize);
    return false;
  }
  if (page_ != nullptr) munmap(page_, pageSize);
  page_ = page;
  return true;
}

GuardPage::~GuardPage() {
  if (page_ != nullptr) munmap(page_, static_cast<std::size_t>(sysconf(_SC_PAGESIZE)));
}

}  // namespace kinshelf::test
