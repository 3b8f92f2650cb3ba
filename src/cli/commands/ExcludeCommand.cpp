// kinshelf exclude: leaves a file, or a folder with everything below it, out of the catalog: its
// rows are removed and an exclusion entry keeps later searches from adding them again.
#include "catalog/CatalogExclusion.h"
#include "catalog/CatalogSession.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/TransactionScope.h"
#include "cli/FileArgument.h"
#include "cli/TerminalText.h"
#include "cli/commands/Commands.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"
#include "text/CountFormat.h"

namespace kinshelf::cli {

namespace {

std::string RowsRemoved(std::int64_t count) {
  return FormatCount(count) + (count == 1 ? " row" : " rows") + " removed from the catalog";
}

// What the argument names: with --folder a folder; otherwise a catalogued file by its id, an
// existing folder, or a file that is on the disk or in the catalog.
struct Target {
  std::string path;
  bool folder = false;
  std::int32_t id = 0;  // the file's row; 0 for a folder or a file that is not catalogued
};

Target TargetOf(WFileStore& store, const ParsedArgs& args) {
  const std::string& argument = args.Positional()[0];
  const std::string path(platform::WithoutTrailingSeparator(platform::ExpandPath(argument)));
  if (args.Has("folder")) return {path, true, 0};
  if (const auto id = CatalogRowId(store, argument)) return {store.GetFile(*id)->FullPath(), false, *id};
  if (platform::DirectoryExists(path)) return {path, true, 0};
  const std::int32_t id = store.FindFileID(path);
  // Anything else would only add an entry that matches nothing, most likely after a typo.
  if (id == 0 && !platform::StatusOf(path)) {
    throw std::runtime_error(path + ": no such file or folder, and not in the catalog");
  }
  return {path, false, id};
}

std::string ExcludeFolder(WFileStore& store, WFileExcludeList& list, const std::string& path) {
  const auto removed = ExcludeFolderFromCatalog(store, list, path);
  return "Excluded the folder " + path + " and its subfolders (" + RowsRemoved(removed) + ")";
}

std::string ExcludeFile(WFileStore& store, WFileExcludeList& list, const Target& target) {
  ExcludeFileFromCatalog(store, list, target.path, target.id);
  return "Excluded the file " + target.path + " (" + RowsRemoved(target.id != 0 ? 1 : 0) + ")";
}

class ExcludeCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    CatalogSession session;
    WFileStore& store = session.Store();
    const auto editing = WFileExcludeList::LockForEditing(WFileExcludeList::DefaultFileName());
    WFileExcludeList list(WFileExcludeList::DefaultFileName());
    const Target target = TargetOf(store, args);
    TransactionScope transaction(store);
    const std::string message =
        target.folder ? ExcludeFolder(store, list, target.path) : ExcludeFile(store, list, target);
    transaction.Commit();
    io.out << TerminalText(message) << '\n';
    return 0;
  }

 private:
  CommandSpec spec_{
      "exclude",
      "PATH|ID",
      "leave a file or a folder out of the catalog",
      "Leaves what PATH names out of the catalog: its rows are removed and an entry on the exclusion "
      "list keeps later searches from adding them again. A catalogued file's id (as list shows it) "
      "names that file; a folder on the disk is excluded with everything below it; a file must be on "
      "the disk or in the catalog. With --folder, PATH is taken as a folder whether it exists or not.",
      {{"folder", "", "PATH is a folder: exclude it and everything below it, even when it is gone"}},
      1,
      1};
};

}  // namespace

std::unique_ptr<Command> MakeExcludeCommand() {
  return std::make_unique<ExcludeCommand>();
}

}  // namespace kinshelf::cli
