// The objects of one search run.
#include "catalog/findfile/TTargetSearch.h"

#include <algorithm>
#include <iterator>

#include "catalog/findfile/FileMask.h"
#include "platform/Paths.h"

namespace kinshelf {

namespace {

constexpr std::string_view kAllNames = "*.*";

struct Prefixed {
  std::string_view rest;
  bool recursive;
};

// Takes a leading ">" (descend) or "<" (do not); without one the entry follows `subfolders`.
Prefixed TakePrefix(std::string_view entry, bool subfolders) {
  if (!entry.empty() && (entry.front() == '>' || entry.front() == '<')) {
    return {entry.substr(1), entry.front() == '>'};
  }
  return {entry, subfolders};
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

void AddMask(std::vector<std::string>& masks, std::string_view mask) {
  const bool known =
      std::any_of(masks.begin(), masks.end(), [&](const auto& m) { return SameMask(m, mask); });
  if (!known) masks.emplace_back(mask);
}

// The target folder with that path, appended when it is new, its settings taken from this naming.
TTargetFolder& Target(std::vector<TTargetFolder>& folders, const std::string& path, bool recursive,
                      const TFileCriteria& files) {
  auto found = std::find_if(folders.begin(), folders.end(), [&](const auto& f) { return f.Path == path; });
  if (found == folders.end()) {
    folders.push_back(TTargetFolder{path, {}, true, 0, 0});
    found = std::prev(folders.end());
  }
  found->Recursive = recursive;
  found->MinLevel = files.MinLevel;
  found->MaxLevel = files.MaxLevel;
  return *found;
}

void AddIncluded(TTargetFolderList& targets, const TFileCriteria& files) {
  for (const auto& entry : files.Included) {
    const Prefixed prefixed = TakePrefix(entry, files.Subfolders);
    const auto slash = prefixed.rest.rfind('/');
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : prefixed.rest.substr(0, slash + 1);
    const std::string_view mask = prefixed.rest.substr(folder.size());
    auto& target = Target(targets.Folders, FolderIdentity(std::string(folder)), prefixed.recursive, files);
    AddMask(target.Masks, mask.empty() ? kAllNames : mask);
  }
}

void AddLocations(TTargetFolderList& targets, const TFileCriteria& files) {
  const std::vector<std::string> masks = SplitMasks(files.FileName);
  for (const auto& location : files.Location) {
    const Prefixed prefixed = TakePrefix(location, files.Subfolders);
    if (prefixed.rest.empty()) continue;
    auto& target =
        Target(targets.Folders, FolderIdentity(std::string(prefixed.rest)), prefixed.recursive, files);
    for (const auto& mask : masks) AddMask(target.Masks, mask);
  }
}

}  // namespace

std::vector<std::string> SplitMasks(const std::string& text) {
  std::vector<std::string> masks;
  std::string_view rest(text);
  while (!rest.empty()) {
    const auto semicolon = rest.find(';');
    const std::string_view piece = Trimmed(rest.substr(0, semicolon));
    rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    if (!piece.empty()) AddMask(masks, piece);
  }
  if (masks.empty()) masks.emplace_back(kAllNames);
  return masks;
}

std::string FolderIdentity(const std::string& folder) {
  std::string path = platform::ExpandPath(folder);
  if (path.back() != platform::kSeparator) path += platform::kSeparator;
  return path;
}

TTargetSearch BuildTargetSearch(const TSearchCriteria& criteria) {
  TTargetSearch run;
  for (const auto& entry : criteria.Files.RejectMasks) {
    if (!entry.empty()) run.Targets.RejectMasks.push_back(entry);
  }
  AddIncluded(run.Targets, criteria.Files);
  AddLocations(run.Targets, criteria.Files);
  run.Attribute = criteria.Attribute;
  run.AttributeEx = criteria.AttributeEx;
  run.TimeStamp = criteria.TimeStamp;
  run.Size = criteria.Size;
  run.Content = criteria.Content;
  if (!run.Content.Phrase().empty()) run.Attribute.Attributes &= ~ffDirectory;
  return run;
}

}  // namespace kinshelf
