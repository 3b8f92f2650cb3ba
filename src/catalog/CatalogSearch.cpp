// The catalog search.
#include "catalog/CatalogSearch.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "catalog/FileKindRecognition.h"
#include "catalog/SearchDrives.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/TransactionScope.h"
#include "catalog/store/WFileStore.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"
#include "platform/ProcessEvents.h"
#include "platform/UnmountedDrive.h"
#include "settings/WOptions.h"

namespace kinshelf {

namespace {

// The setting that says whether the search looks for a kind.
constexpr std::array<std::pair<FileKind, opt::Catalog>, 9> kSearchSettings{{
    {FileKind::kLegacy, opt::SearchFTLeg},
    {FileKind::kRootsMagic, opt::SearchFTRM},
    {FileKind::kPaf, opt::SearchFTPAF},
    {FileKind::kGedcom, opt::SearchFTGED},
    {FileKind::kFamilyTreeMaker, opt::SearchFTFTM},
    {FileKind::kAncestralQuest, opt::SearchFTAQ},
    {FileKind::kHeritage, opt::SearchFTHFT},
    {FileKind::kMasterGenealogist, opt::SearchFTTMG},
    {FileKind::kGenbox, opt::SearchFTGenbox},
}};

bool IsHiddenFolder(const std::string& folder) {
  const auto name = platform::FileNamePart(platform::WithoutTrailingSeparator(folder));
  return !name.empty() && name.front() == '.';
}

}  // namespace

CatalogSearch::CatalogSearch(WFileStore& store, WOptions& options, const WFileExcludeList& exclusions)
    : store_(store), options_(options), exclusions_(exclusions) {
  const Choices standing = StandingChoices(options_);
  kinds = standing.kinds;
  keepExisting = standing.keepExisting;
  engine_.OnFolderChange = [this](TFindFile&, const std::string& folder, TFolderIgnore& ignore) {
    OnFolderChange(folder, ignore);
  };
  engine_.OnFileMatch = [this](TFindFile&, const std::string& folder, const TFoundEntry& entry) {
    OnFileMatch(folder, entry);
  };
  engine_.OnFolderUnread = [this](TFindFile&, const std::string& folder, int error) {
    if (result_.unreadFolders++ == 0) result_.firstUnread = folder + ": " + std::strerror(error);
  };
}

CatalogSearch::Choices CatalogSearch::StandingChoices(const WOptions& options) {
  Choices choices;
  for (const auto& [kind, setting] : kSearchSettings) choices.kinds[kind] = options.GetBool(setting);
  choices.keepExisting = options.GetBool(opt::FileSKeep);
  return choices;
}

void CatalogSearch::SaveChoices(WOptions& options, const Choices& choices) {
  options.SetString(opt::searchdrives, JoinRoots(choices.roots));
  for (const auto& [kind, setting] : kSearchSettings) options.SetBool(setting, choices.kinds[kind]);
  options.SetBool(opt::FileSKeep, choices.keepExisting);
  options.Save();
}

std::vector<std::string> CatalogSearch::DistinctRoots(const std::vector<std::string>& roots) {
  // Compared as the system finds them: a folder named through a link is the folder it leads to,
  // and its files are counted once.
  std::vector<std::string> folders;
  for (const auto& root : roots) folders.push_back(platform::JoinPath(platform::ResolvedPath(root), ""));
  const auto inside = [](const std::string& folder, const std::string& outer) {
    return folder.size() >= outer.size() && folder.compare(0, outer.size(), outer) == 0;
  };
  std::vector<std::string> distinct;
  for (std::size_t i = 0; i < roots.size(); ++i) {
    bool covered = false;
    for (std::size_t j = 0; j < roots.size() && !covered; ++j) {
      // An equal root counts once: the first of them stays.
      covered = j != i && inside(folders[i], folders[j]) && (folders[i] != folders[j] || j < i);
    }
    if (!covered) distinct.push_back(roots[i]);
  }
  return distinct;
}

CatalogSearch::Result CatalogSearch::Run(const std::vector<std::string>& requested) {
  const std::vector<std::string> roots = DistinctRoots(requested);
  result_ = Result{};
  startFolders_.clear();
  searchedFolders_.clear();
  for (const auto& root : roots) startFolders_.push_back(platform::JoinPath(root, ""));
  auto& criteria = engine_.Criteria;
  criteria = TSearchCriteria{};
  criteria.Files.Location = roots;
  criteria.Files.Subfolders = true;
  // Hidden and system files and folders themselves are never reported.
  criteria.Attribute.Attributes = ffArchive | ffReadonly;
  criteria.Attribute.ExactMatch = false;

  // When the walk fails it saw only part of the disk: the scope commits what was recorded and
  // nothing is swept.
  TransactionScope transaction(store_);
  store_.ResetTmpFlag(0);
  rowsByPath_.clear();
  // The first row of a path is the one a look-up by path finds.
  store_.ForEachRowMarked(0, [this](std::int32_t id, const std::string& folder, const std::string& name,
                                    FileKind) { rowsByPath_.emplace(folder + name, id); });
  engine_.Execute();
  rowsByPath_.clear();
  result_.cancelled = engine_.Aborted();
  if (!keepExisting && !result_.cancelled) result_.removed = Sweep();
  transaction.Commit();
  currentFolder_ = "Search Complete";
  return result_;
}

void CatalogSearch::Cancel() {
  engine_.Abort();
}

// The unmarked rows this search could have found: of a kind it looked for, in a folder it searched,
// and known to be gone (a file in a folder that could not be read is not, nor one whose drive may
// only be away).
std::int64_t CatalogSearch::Sweep() {
  std::vector<std::int32_t> gone;
  store_.ForEachRowMarked(
      0, [&](std::int32_t id, const std::string& folder, const std::string& name, FileKind kind) {
        const std::string path = folder + name;
        if (kinds[kind] && searchedFolders_.count(folder) != 0 && platform::PathIsGone(path) &&
            !platform::MayBeOnUnmountedDrive(path)) {
          gone.push_back(id);
        }
      });
  for (const std::int32_t id : gone) store_.DeleteFileRow(id);
  return static_cast<std::int64_t>(gone.size());
}

bool CatalogSearch::IsStartFolder(const std::string& folder) const {
  return std::find(startFolders_.begin(), startFolders_.end(), folder) != startFolders_.end();
}

void CatalogSearch::OnFolderChange(const std::string& folder, TFolderIgnore& ignore) {
  currentFolder_ = folder;
  // A folder the user names is searched even when it is hidden; hidden folders below it are not.
  if (!IsStartFolder(folder) && IsHiddenFolder(folder)) {
    ignore = fiThisAndSubfolders;
    return;
  }
  bool sub = false;
  if (exclusions_.IsFolderExcluded(folder, sub)) {
    ignore = sub ? fiThisAndSubfolders : fiJustThis;
  } else {
    ignore = fiNone;
  }
  searchedFolders_.insert(platform::JoinPath(folder, ""));
  platform::ProcessPendingEvents();
}

void CatalogSearch::OnFileMatch(const std::string& folder, const TFoundEntry& entry) {
  ++result_.processed;
  // A link is not a file of its own: the file it names is found where it lies.
  if (entry.Type() != platform::EntryType::kRegular) return;
  const std::string& name = entry.Name();
  const std::string fullPath = folder + name;
  if (exclusions_.IsFileExcluded(fullPath)) return;
  const FileKind kind = RecogniseKind(name, fullPath, kinds);
  if (kind == FileKind::kUnknown) return;
  ++result_.found;
  ++result_.perKind[static_cast<std::size_t>(KindCode(kind))];
  Record(fullPath, kind, entry);
}

void CatalogSearch::Record(const std::string& fullPath, FileKind kind, const TFoundEntry& entry) {
  // Gone or unreadable since the folder was listed: there is nothing true to record.
  const auto& status = entry.Status();
  if (!status) return;
  const auto known = rowsByPath_.find(fullPath);
  const auto record =
      known != rowsByPath_.end() ? store_.GetFile(known->second) : store_.NewFile(fullPath, kind, *status);
  if (status->created) record->SetCreated(*status->created);
  record->SetModified(status->modified);
  // A file found again may have changed; its row shows what is on disk now.
  record->SetSize(status->size);
  const bool inserted = record->FileID() == 0;
  const bool changed = record->Dirty();
  record->SetTmpFlag(1);
  record->SaveToStore();
  if (inserted) {
    rowsByPath_.emplace(fullPath, record->FileID());
    ++result_.added;
  } else if (changed) {
    ++result_.updated;
  } else {
    ++result_.unchanged;
  }
}

}  // namespace kinshelf
