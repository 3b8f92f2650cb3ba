// The folders of the user: data, configuration and temporary files, and the program's own folders in them.
#include "platform/UserFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "platform/Paths.h"

namespace kinshelf::platform {

namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
    return entry->pw_dir;
  return "/";
}

// XDG base folders must be absolute; a relative value is ignored as the XDG rules say.
std::string XdgFolder(const char* variable, const char* fallbackBelowHome) {
  if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/') return value;
  return JoinPath(HomeFolder(), fallbackBelowHome);
}

}  // namespace

std::string DataHome() {
  return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string ConfigHome() {
  return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string TempFolder() {
  if (const char* value = std::getenv("TMPDIR"); value != nullptr && value[0] != '\0') return value;
  return "/tmp";
}

std::string WinePrefix() {
  if (const char* value = std::getenv("WINEPREFIX"); value != nullptr && value[0] == '/') return value;
  return JoinPath(HomeFolder(), ".wine");
}

std::string CatalogFolder() {
  return JoinPath(JoinPath(DataHome(), "Orrinvale"), "FileStore");
}

std::string SettingsFolder() {
  return JoinPath(JoinPath(ConfigHome(), "Orrinvale"), "Kinshelf1");
}

void ForceDirectories(const std::string& folder) {
  const std::string full = ExpandPath(folder);
  for (std::size_t end = 1; end <= full.size(); ++end) {
    if (end != full.size() && full[end] != kSeparator) continue;
    const std::string step = full.substr(0, end);
    if (mkdir(step.c_str(), 0777) == 0 || errno == EEXIST) continue;
    throw std::runtime_error("Cannot create folder " + step + ": " + std::strerror(errno));
  }
  struct stat info {};
  if (stat(full.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    throw std::runtime_error("Cannot create folder " + full + ": a file of that name is in the way");
  }
}

}  // namespace kinshelf::platform
