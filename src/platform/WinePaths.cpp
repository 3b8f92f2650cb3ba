// Windows paths of the programs that run under Wine, and the Linux paths behind them.
#include "platform/WinePaths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>
#include <vector>

#include "platform/Paths.h"

namespace kinshelf::platform {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool EntryExists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// The name of the entry of `folder` that is `name` up to ASCII case; `name` itself when none is.
std::string MatchInFolder(const std::string& folder, const std::string& name) {
  if (EntryExists(JoinPath(folder, name))) return name;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return name;
  while (const dirent* entry = readdir(dir.get())) {
    if (SameIgnoringCase(entry->d_name, name)) return entry->d_name;
  }
  return name;
}

// The parts of the path below its drive, with "." and ".." applied.
std::vector<std::string_view> PartsOf(std::string_view path) {
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    const auto separator = path.find_first_of("\\/");
    const auto part = path.substr(0, separator);
    path = separator == std::string_view::npos ? std::string_view() : path.substr(separator + 1);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
  }
  return parts;
}

std::string DriveRoot(const std::string& prefix, char letter) {
  const char lower = static_cast<char>(letter | 0x20);
  if (lower != 'c') {
    const std::string device = JoinPath(JoinPath(prefix, "dosdevices"), std::string{lower, ':'});
    if (EntryExists(device)) return device;
  }
  return JoinPath(prefix, std::string("drive_") + lower);
}

}  // namespace

std::string PrefixPathOf(const std::string& prefix, std::string_view windowsPath) {
  if (windowsPath.size() < 2 || !IsAsciiLetter(windowsPath[0]) || windowsPath[1] != ':') return {};
  std::string path = DriveRoot(prefix, windowsPath[0]);
  bool matching = true;
  for (const auto part : PartsOf(windowsPath.substr(2))) {
    const std::string name = matching ? MatchInFolder(path, std::string(part)) : std::string(part);
    path = JoinPath(path, name);
    matching = matching && EntryExists(path);
  }
  return path;
}

std::string WinePathOf(std::string_view linuxPath) {
  std::string path = "Z:";
  for (const char c : linuxPath) path += c == '/' ? '\\' : c;
  return path;
}

}  // namespace kinshelf::platform
