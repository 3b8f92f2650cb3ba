// The drives of the catalog search and the stored list of searched roots.
#include "catalog/SearchDrives.h"

#include <algorithm>

namespace kinshelf {

std::vector<SearchDrive> SearchDriveLines(const std::vector<platform::Drive>& drives,
                                          std::string_view storedRoots, bool firstTime) {
  std::vector<SearchDrive> lines;
  for (const auto& drive : drives) {
    lines.push_back({drive.root, drive.root + std::string(platform::DriveTypeLabel(drive.type)), false});
  }
  if (storedRoots.empty() && firstTime) {
    for (auto& line : lines) line.checked = line.line.find("(Hard") != std::string::npos;
    return lines;
  }
  for (const auto& root : SplitRoots(storedRoots)) {
    const auto found =
        std::find_if(lines.begin(), lines.end(), [&](const SearchDrive& line) { return line.root == root; });
    if (found != lines.end()) found->checked = true;
  }
  return lines;
}

std::string JoinRoots(const std::vector<std::string>& roots) {
  std::string stored;
  for (const auto& root : roots) {
    if (!stored.empty()) stored += ',';
    for (const char c : root) {
      if (c == ',' || c == '\\') stored += '\\';
      stored += c;
    }
  }
  return stored;
}

std::vector<std::string> SplitRoots(std::string_view stored) {
  std::vector<std::string> roots(1);
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '\\' && i + 1 < stored.size()) {
      roots.back() += stored[++i];
    } else if (stored[i] == ',') {
      roots.emplace_back();
    } else {
      roots.back() += stored[i];
    }
  }
  std::erase_if(roots, [](const std::string& root) { return root.empty(); });
  return roots;
}

}  // namespace kinshelf
