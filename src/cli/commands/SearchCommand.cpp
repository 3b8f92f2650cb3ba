// kinshelf search: the catalog search of the chosen folders or drives.
#include "catalog/CatalogSearch.h"
#include "catalog/CatalogSession.h"
#include "catalog/SearchDrives.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/WFileStoreFile.h"
#include "cli/Interruption.h"
#include "cli/JsonWriter.h"
#include "cli/ListingOptions.h"
#include "cli/OutputFormat.h"
#include "cli/ProgressLine.h"
#include "cli/TerminalText.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"
#include "settings/WOptions.h"
#include "text/CountFormat.h"

namespace kinshelf::cli {

namespace {

std::vector<SearchDrive> DriveLines(WOptions& options) {
  return SearchDriveLines(platform::ListDrives(), options.GetString(opt::searchdrives),
                          options.GetBool(opt::FirstTime));
}

void WriteDrives(const std::vector<SearchDrive>& drives, OutputFormat format, std::ostream& out) {
  if (format == OutputFormat::kJson) {
    JsonWriter json(out);
    json.BeginArray();
    for (const auto& drive : drives) {
      json.BeginObject().Key("root").String(drive.root).Key("line").String(drive.line);
      json.Key("checked").Bool(drive.checked).EndObject();
    }
    json.EndArray();
    return;
  }
  for (const auto& drive : drives) out << (drive.checked ? "* " : "  ") << drive.line << '\n';
  out << "(* searched when no folder is named)\n";
}

// The folders named on the command line, or else the checked drives; when no drive was ever chosen,
// says on `err` which it takes.
std::vector<std::string> Roots(const ParsedArgs& args, const std::vector<SearchDrive>& drives, bool chosen,
                               std::ostream& err) {
  std::vector<std::string> roots;
  for (const auto& argument : args.Positional()) {
    const std::string root = platform::ExpandPath(argument);
    if (!platform::DirectoryExists(root)) throw std::runtime_error(root + " is not a folder");
    roots.push_back(root);
  }
  if (!roots.empty()) return roots;
  for (const auto& drive : drives) {
    if (drive.checked) roots.push_back(drive.root);
  }
  if (roots.empty()) {
    throw std::runtime_error("no drive is selected: name the folders to search (kinshelf search FOLDER...)");
  }
  if (!chosen) {
    err << "No drives were chosen yet; searching every hard drive:";
    for (const auto& root : roots) err << ' ' << TerminalText(root);
    err << '\n';
  }
  return roots;
}

void WriteText(const CatalogSearch::Result& result, std::ostream& out) {
  out << "Files processed:        " << FormatCount(result.processed)
      << "\nGenealogy files found:  " << FormatCount(result.found)
      << "\nRows added:             " << FormatCount(result.added)
      << "\nRows updated:           " << FormatCount(result.updated)
      << "\nRows unchanged:         " << FormatCount(result.unchanged)
      << "\nRows removed:           " << FormatCount(result.removed) << "\n\n";
  TextTable table({"Kind", "Found"}, {TextTable::Align::kLeft, TextTable::Align::kRight});
  for (const auto& info : kFileKinds) {
    table.AddRow({std::string(info.displayName), FormatCount(result.Found(info.kind))});
  }
  table.Write(out);
  if (result.cancelled) out << "\nCancelled: what was found is kept, and no row was removed.\n";
}

void WriteJson(const CatalogSearch::Result& result, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject().Key("processed").Number(result.processed).Key("found").Number(result.found);
  json.Key("added").Number(result.added).Key("updated").Number(result.updated);
  json.Key("unchanged").Number(result.unchanged);
  json.Key("removed").Number(result.removed).Key("cancelled").Bool(result.cancelled);
  json.Key("kinds").BeginObject();
  for (const auto& info : kFileKinds) {
    json.Key(info.displayName).Number(result.Found(info.kind));
  }
  json.EndObject().EndObject();
}

// A folder the user names that the exclusion list leaves out is not searched: say so, or the
// search would end with nothing found and no reason.
void TellExcludedRoots(const WFileExcludeList& exclusions, const std::vector<std::string>& roots,
                       std::ostream& err) {
  for (const std::string& root : roots) {
    bool sub = false;
    if (!exclusions.IsFolderExcluded(platform::JoinPath(root, ""), sub)) continue;
    err << TerminalText(root) << " is on the exclusion list" << (sub ? "" : " (its subfolders are searched)")
        << "; 'kinshelf exclusions' shows the list\n";
  }
}

CatalogSearch::Result RunWithProgress(CatalogSearch& search, const std::vector<std::string>& roots,
                                      CommandIo& io) {
  Interruption interruption;
  ProgressLine progress(
      io,
      [&] {
        if (interruption.Requested()) search.Cancel();
      },
      [&] {
        const auto& counts = search.Progress();
        return "Processed " + FormatCount(counts.processed) + ", found " + FormatCount(counts.found) + ": " +
               search.CurrentFolder();
      });
  return search.Run(roots);
}

class SearchCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    if (args.Has("keep") && args.Has("no-keep"))
      throw UsageError("--keep and --no-keep cannot be used together");
    const OutputFormat format = FormatOf(args, false);
    CatalogSession session;
    const auto drives = DriveLines(session.Options());
    if (args.Has("list-drives")) {
      WriteDrives(drives, format, io.out);
      return 0;
    }
    WFileExcludeList exclusions(WFileExcludeList::DefaultFileName());
    CatalogSearch search(session.Store(), session.Options(), exclusions);
    if (const auto kinds = args.Value("kinds")) search.kinds = KindsOf(*kinds);
    if (args.Has("keep")) search.keepExisting = true;
    if (args.Has("no-keep")) search.keepExisting = false;
    const bool chosen = !session.Options().GetString(opt::searchdrives).empty();
    const std::vector<std::string> roots = Roots(args, drives, chosen, io.err);
    TellExcludedRoots(exclusions, roots, io.err);
    const auto result = RunWithProgress(search, roots, io);
    if (result.unreadFolders > 0) {
      const bool one = result.unreadFolders == 1;
      io.err << FormatCount(result.unreadFolders)
             << (one ? " folder could not be read and was left out ("
                     : " folders could not be read and were left out (the first: ")
             << TerminalText(result.firstUnread) << ")\n";
    }
    if (format == OutputFormat::kJson) {
      WriteJson(result, io.out);
    } else {
      WriteText(result, io.out);
    }
    return result.cancelled ? kInterruptedStatus : 0;
  }

 private:
  CommandSpec spec_{
      "search",
      "[FOLDER...]",
      "find the genealogy files and record them in the catalog",
      "Searches the named folders, or else the drives chosen last time (while none were chosen, every hard "
      "drive), for genealogy files and records them in the catalog. Unless the existing catalog is kept, "
      "rows of files that this search could have found and that are gone are removed: files of the kinds "
      "searched, in the folders searched. Rows elsewhere stay. Hidden folders and the excluded folders and "
      "files are left out. The options apply to this search only and change no setting. Ctrl-C stops the "
      "search: what was found is kept and nothing is removed.",
      {{"keep", "", "keep the rows of files not found again (the default is the stored choice)"},
       {"no-keep", "", "remove the rows of files gone from the folders searched"},
       {"kinds", "LIST",
        "look for these kinds only: legacy, rootsmagic, paf, gedcom, ftm, aq, hft, tmg, genbox"},
       {"list-drives", "", "list the drives, marking those searched when no folder is named, and stop"},
       kFormatOptionNoCsv},
      0,
      -1};
};

}  // namespace

std::unique_ptr<Command> MakeSearchCommand() {
  return std::make_unique<SearchCommand>();
}

}  // namespace kinshelf::cli
