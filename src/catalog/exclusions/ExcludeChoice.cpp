#include "catalog/exclusions/ExcludeChoice.h"

namespace kinshelf {
namespace {

constexpr std::string_view kEverything = "*.*";
constexpr std::string_view kFolderLineEnd = "/*.*";

}  // namespace

std::vector<std::string> ExcludeChoices(std::string_view fullPath) {
  std::vector<std::string> lines;
  for (std::size_t slash = fullPath.find('/'); slash != std::string_view::npos;
       slash = fullPath.find('/', slash + 1)) {
    lines.push_back(std::string(fullPath.substr(0, slash + 1)).append(kEverything));
  }
  lines.emplace_back(fullPath);
  return lines;
}

// Only the ending marks a folder line: "*.*" elsewhere is part of a real name.
std::string ExcludeChoiceResult(std::string_view chosenLine) {
  if (!chosenLine.ends_with(kFolderLineEnd)) return std::string(chosenLine);
  chosenLine.remove_suffix(kFolderLineEnd.size());
  return chosenLine.empty() ? std::string("/") : std::string(chosenLine);
}

std::string ExcludeEntryLine(const WFileExcludeItem& item) {
  std::string line = item.IsPath ? "Path: " : "File: ";
  line += item.Path;
  if (item.Sub) line += " (+ sub directories)";
  return line;
}

}  // namespace kinshelf
