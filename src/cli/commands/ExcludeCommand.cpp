// kinshelf exclude: leaves a file, or a folder with everything below it, out of the catalog: its
// rows are removed and an exclusion entry keeps later searches from adding them again.
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/TransactionScope.h"
#include "cli/Session.h"
#include "cli/commands/Commands.h"
#include "platform/AsciiCase.h"
#include "platform/Paths.h"
#include "text/CountFormat.h"

namespace kinshelf::cli {

namespace {

std::string RowsRemoved(std::int64_t count) {
  return FormatCount(count) + (count == 1 ? " row" : " rows") + " removed from the catalog";
}

bool HasFolderEntry(const WFileExcludeList& list, const std::string& folder) {
  for (const auto& item : list.Items()) {
    if (item.IsPath && item.Sub &&
        platform::EqualsIgnoringAsciiCase(platform::WithoutTrailingSeparator(item.Path), folder)) {
      return true;
    }
  }
  return false;
}

class ExcludeCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    Session session;
    WFileStore& store = session.Store();
    WFileExcludeList list(WFileExcludeList::DefaultFileName());
    const std::string path(platform::WithoutTrailingSeparator(platform::ExpandPath(args.Positional()[0])));
    TransactionScope transaction(store);
    std::string message;
    if (args.Has("folder")) {
      const auto removed = store.DeleteFolderRows(path);
      if (!HasFolderEntry(list, path)) list.AddFolder(path, true);
      message = "Excluded the folder " + path + " and its subfolders (" + RowsRemoved(removed) + ")";
    } else {
      const auto id = store.FindFileID(path);
      if (id != 0) store.DeleteFileRow(id);
      if (!list.IsFileExcluded(path)) list.AddFile(path);
      message = "Excluded the file " + path + " (" + RowsRemoved(id != 0 ? 1 : 0) + ")";
    }
    list.Save();
    transaction.Commit();
    io.out << message << '\n';
    return 0;
  }

 private:
  CommandSpec spec_{
      "exclude",
      "PATH",
      "leave a file or a folder out of the catalog",
      "Removes the file's row from the catalog and adds the file to the exclusion list, so that "
      "later searches leave it out. With --folder, PATH is a folder: the rows of every file in it "
      "and below it are removed, and the folder is excluded with its subfolders.",
      {{"folder", "", "PATH is a folder: exclude it and everything below it"}},
      1,
      1};
};

}  // namespace

std::unique_ptr<Command> MakeExcludeCommand() {
  return std::make_unique<ExcludeCommand>();
}

}  // namespace kinshelf::cli
