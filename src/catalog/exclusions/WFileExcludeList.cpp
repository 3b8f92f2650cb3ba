#include "catalog/exclusions/WFileExcludeList.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <stdexcept>
#include <tuple>
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

// Entries counted by value, so that edits can be told apart from entries that stayed.
class ItemCounts {
 public:
  explicit ItemCounts(const std::vector<WFileExcludeItem>& items) {
    for (const WFileExcludeItem& item : items) ++counts_[KeyOf(item)];
  }
  // Whether the entry is counted, counting it off when it is.
  bool TakeOne(const WFileExcludeItem& item) {
    const auto found = counts_.find(KeyOf(item));
    if (found == counts_.end() || found->second == 0) return false;
    --found->second;
    return true;
  }

 private:
  using Key = std::tuple<bool, std::string_view, bool>;
  static Key KeyOf(const WFileExcludeItem& item) { return {item.IsPath, item.Path, item.Sub}; }
  std::map<Key, int> counts_;
};

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
  loaded_ = items_;
  changed_ = false;
}

void WFileExcludeList::Save() {
  std::vector<WFileExcludeItem> saved = EditedFile();
  platform::ReplaceFileAtomically(fileName_, RenderExcludeXml(saved));
  items_ = std::move(saved);
  loaded_ = items_;
  changed_ = false;
}

// Another program may have edited the file since it was loaded (the search dialog keeps its list
// open while the command line edits the file): the entries this list removed are removed from the
// file's, and those it added are added, so that neither side's edits are lost. A file gone since is
// written anew; one damaged since is an error, never silently replaced.
std::vector<WFileExcludeItem> WFileExcludeList::EditedFile() const {
  const auto text = platform::ReadSmallRegularFile(fileName_, kSizeLimit);
  if (!text) return items_;
  std::vector<WFileExcludeItem> file = ParseExcludeXml(*text, fileName_);
  if (file == loaded_) return items_;
  ItemCounts kept(items_);
  std::vector<WFileExcludeItem> removed;
  for (const WFileExcludeItem& item : loaded_) {
    if (!kept.TakeOne(item)) removed.push_back(item);
  }
  ItemCounts removing(removed);
  std::erase_if(file, [&removing](const WFileExcludeItem& item) { return removing.TakeOne(item); });
  ItemCounts unchanged(loaded_);
  for (const WFileExcludeItem& item : items_) {
    // An entry the other program added too is kept once.
    if (!unchanged.TakeOne(item) && std::find(file.begin(), file.end(), item) == file.end())
      file.push_back(item);
  }
  return file;
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
