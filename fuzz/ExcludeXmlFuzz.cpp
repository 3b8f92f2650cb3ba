// Fuzz target: read an exclusion file's text, match against its entries, and write it again; what is
// written must read back to the same entries.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "catalog/exclusions/ExcludeMatcher.h"
#include "catalog/exclusions/ExcludeXml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<kinshelf::WFileExcludeItem> items;
  try {
    items = kinshelf::ParseExcludeXml(text, "fuzz.xml");
  } catch (const std::runtime_error&) {
    return 0;  // Text that is not well-formed is refused; that is the expected outcome.
  }
  for (const auto& item : items) {
    kinshelf::MatchExcludedFolder(items, item.Path);
    kinshelf::MatchExcludedFile(items, item.Path);
  }
  if (kinshelf::ParseExcludeXml(kinshelf::RenderExcludeXml(items), "again.xml") != items) __builtin_trap();
  return 0;
}
