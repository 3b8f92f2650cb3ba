// kinshelf bookmark: sets, clears or inverts the bookmark of catalogued files.
#include "catalog/CatalogSession.h"
#include "catalog/store/TransactionScope.h"
#include "cli/FileArgument.h"
#include "cli/TerminalText.h"
#include "cli/commands/Commands.h"

namespace kinshelf::cli {

namespace {

class BookmarkCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    if (args.Has("off") && args.Has("toggle")) throw UsageError("--off and --toggle cannot be used together");
    CatalogSession session;
    WFileStore& store = session.Store();
    // Every name is checked before anything changes, so a typo changes nothing.
    std::vector<std::int32_t> ids;
    for (const auto& argument : args.Positional()) ids.push_back(CatalogFileId(store, argument));
    TransactionScope transaction(store);
    for (const auto id : ids) {
      auto record = store.GetFile(id);
      const bool bookmark = args.Has("toggle") ? !record->Bookmark() : !args.Has("off");
      record->SetBookmark(bookmark);
      record->SaveToStore();
      io.out << (bookmark ? "Bookmarked " : "Not bookmarked ") << TerminalText(record->FullPath()) << '\n';
    }
    transaction.Commit();
    return 0;
  }

 private:
  CommandSpec spec_{
      "bookmark",
      "PATH|ID...",
      "set or clear the bookmark of catalogued files",
      "Bookmarks the catalogued files named by path or by id (as list shows it).",
      {{"off", "", "clear the bookmarks instead"}, {"toggle", "", "invert each file's bookmark"}},
      1,
      -1};
};

}  // namespace

std::unique_ptr<Command> MakeBookmarkCommand() {
  return std::make_unique<BookmarkCommand>();
}

}  // namespace kinshelf::cli
