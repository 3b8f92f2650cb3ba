#include "catalog/exclusions/ExcludeMatcher.h"

#include <algorithm>

#include "platform/AsciiCase.h"

namespace kinshelf {
namespace {

using platform::EqualsIgnoringAsciiCase;
using platform::UpperAsciiText;

constexpr std::string_view kRecycleBin = "$RECYCLE.BIN";

// The root "/" becomes empty, so that every absolute folder lies below it.
std::string_view WithoutOneTrailingSlash(std::string_view path) {
  if (!path.empty() && path.back() == '/') path.remove_suffix(1);
  return path;
}

bool FolderEntryMatches(const WFileExcludeItem& item, std::string_view folder) {
  if (!item.IsPath || item.Path.empty()) return false;
  const std::string_view entry = WithoutOneTrailingSlash(item.Path);
  if (EqualsIgnoringAsciiCase(entry, folder)) return true;
  return item.Sub && folder.size() > entry.size() && folder[entry.size()] == '/' &&
         EqualsIgnoringAsciiCase(entry, folder.substr(0, entry.size()));
}

}  // namespace

FolderExclusion MatchExcludedFolder(std::span<const WFileExcludeItem> items, std::string_view folder) {
  if (UpperAsciiText(folder).find(kRecycleBin) != std::string::npos) return {true, true};
  const std::string_view trimmed = WithoutOneTrailingSlash(folder);
  for (const auto& item : items) {
    if (FolderEntryMatches(item, trimmed)) return {true, item.Sub};
  }
  return {};
}

bool MatchExcludedFile(std::span<const WFileExcludeItem> items, std::string_view fullPath) {
  return std::any_of(items.begin(), items.end(), [fullPath](const WFileExcludeItem& item) {
    return !item.IsPath && !item.Path.empty() && EqualsIgnoringAsciiCase(item.Path, fullPath);
  });
}

}  // namespace kinshelf
