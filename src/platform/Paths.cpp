// Path splitting and joining with this platform's separator.
#include "platform/Paths.h"

#include <unistd.h>

#include <cerrno>

#include <vector>

namespace kinshelf::platform {

namespace {

std::string CurrentFolder() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() >= (1u << 20)) return {};
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

}  // namespace

PathParts SplitPath(std::string_view fullPath) {
  PathParts parts;
  // No drive letters here: the drive part is empty and becomes a single separator.
  parts.drive = std::string(1, kSeparator);
  const auto slash = fullPath.rfind(kSeparator);
  std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : fullPath.substr(0, slash + 1);
  const std::string_view name = slash == std::string_view::npos ? fullPath : fullPath.substr(slash + 1);
  if (!folder.empty() && folder.back() == kSeparator) folder.remove_suffix(1);
  if (!folder.empty() && folder.front() == kSeparator) folder.remove_prefix(1);
  parts.folder = std::string(folder);
  const auto ext = ExtensionPart(name);
  parts.extension = std::string(ext);
  parts.baseName = std::string(name.substr(0, name.size() - ext.size()));
  return parts;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string result(folder);
  if (!result.empty() && result.back() != kSeparator) result += kSeparator;
  result += name;
  return result;
}

std::string_view FileNamePart(std::string_view path) {
  const auto slash = path.rfind(kSeparator);
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderPart(std::string_view path) {
  const auto slash = path.rfind(kSeparator);
  if (slash == std::string_view::npos) return {};
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string_view ExtensionPart(std::string_view fileName) {
  const auto dot = fileName.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
}

std::string ExpandPath(std::string_view path) {
  std::string full;
  if (path.empty() || path.front() != kSeparator) {
    full = CurrentFolder();
    full += kSeparator;
  }
  full += path;

  std::vector<std::string_view> kept;
  std::string_view rest(full);
  while (!rest.empty()) {
    const auto slash = rest.find(kSeparator);
    const auto piece = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    if (piece.empty() || piece == ".") continue;
    if (piece == "..") {
      if (!kept.empty()) kept.pop_back();
      continue;
    }
    kept.push_back(piece);
  }
  std::string result;
  for (const auto piece : kept) {
    result += kSeparator;
    result += piece;
  }
  return result.empty() ? std::string(1, kSeparator) : result;
}

std::string_view WithoutTrailingSeparator(std::string_view path) {
  if (path.size() > 1 && path.back() == kSeparator) path.remove_suffix(1);
  return path;
}

}  // namespace kinshelf::platform
