#include "catalog/exclusions/WFileExcludeList.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

#include <sys/stat.h>

#include "catalog/exclusions/ExcludeMatcher.h"
#include "catalog/exclusions/ExcludeXml.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/UserFolders.h"

namespace kinshelf {
namespace {

std::runtime_error FileError(const char* what, const std::string& fileName) {
  return std::runtime_error(std::string(what) + " the exclusion list " + fileName + ": " +
                            std::strerror(errno));
}

// An exclusion list larger than this is no exclusion list.
constexpr std::size_t kSizeLimit = 8 * 1024 * 1024;

// Read until the end rather than by size, so a file that changes while read is still taken whole.
std::string ReadWholeFile(const std::string& fileName) {
  auto text = platform::ReadSmallRegularFile(fileName, kSizeLimit);
  if (!text) {
    errno = ENOENT;
    throw FileError("Cannot open", fileName);
  }
  return std::move(*text);
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

WFileExcludeList::WFileExcludeList(std::string fileName) : fileName_(std::move(fileName)) {
  Load();
}

WFileExcludeList::~WFileExcludeList() {
  try {
    if (changed_) Save();
  } catch (const std::exception&) {
    // Documented: a holder that must know about a failed save calls Save() itself.
  }
}

std::string WFileExcludeList::DefaultFileName() {
  return platform::JoinPath(platform::CatalogFolder(), "Exclude.xml");
}

platform::FolderLock WFileExcludeList::LockForEditing(const std::string& fileName) {
  return platform::FolderLock(std::string(platform::FolderPart(fileName)));
}

void WFileExcludeList::EnsureFileExists(const std::string& fileName) {
  if (PathExists(fileName)) return;
  const std::string folder(platform::FolderPart(fileName));
  if (!folder.empty()) platform::ForceDirectories(folder);
  platform::ReplaceFileAtomically(fileName, RenderExcludeXml({}));
}

void WFileExcludeList::Load() {
  items_ = ParseExcludeXml(ReadWholeFile(fileName_), fileName_);
  changed_ = false;
}

void WFileExcludeList::Save() {
  platform::ReplaceFileAtomically(fileName_, RenderExcludeXml(items_));
  changed_ = false;
}

void WFileExcludeList::AddFolder(std::string path, bool sub) {
  items_.push_back(WFileExcludeItem{true, std::move(path), sub});
  changed_ = true;
}

void WFileExcludeList::AddFile(std::string path) {
  items_.push_back(WFileExcludeItem{false, std::move(path), false});
  changed_ = true;
}

WFileExcludeItem* WFileExcludeList::Item(int index) {
  if (!InRange(index)) return nullptr;
  changed_ = true;
  return &items_[index - 1];
}

void WFileExcludeList::Remove(int index) {
  if (!InRange(index)) return;
  items_.erase(items_.begin() + (index - 1));
  changed_ = true;
}

void WFileExcludeList::Clear() {
  items_.clear();
  changed_ = true;
}

bool WFileExcludeList::IsFolderExcluded(std::string_view folder, bool& sub) const {
  const FolderExclusion answer = MatchExcludedFolder(items_, folder);
  sub = answer.sub;
  return answer.excluded;
}

bool WFileExcludeList::IsFileExcluded(std::string_view fullPath) const {
  return MatchExcludedFile(items_, fullPath);
}

}  // namespace kinshelf
