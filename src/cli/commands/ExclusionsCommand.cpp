// kinshelf exclusions: shows the exclusion list as the search dialog lists it, and edits it.
#include <charconv>

#include "catalog/CatalogSession.h"
#include "catalog/exclusions/ExcludeChoice.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"

namespace kinshelf::cli {

namespace {

// The entry --remove names, among `count` entries.
int EntryNumber(const std::string& text, int count) {
  int number = 0;
  const auto* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || stop != end)
    throw UsageError("--remove needs an entry number, not \"" + text + "\"");
  if (number < 1 || number > count) throw std::runtime_error("there is no entry " + text);
  return number;
}

// The folder --add names, made absolute. An empty value would be the current folder.
std::string FolderToAdd(const std::string& folder) {
  const std::string path(platform::WithoutTrailingSeparator(platform::ExpandPath(folder)));
  if (folder.empty() || !platform::DirectoryExists(path))
    throw std::runtime_error("Please enter a valid folder: " + folder);
  return path;
}

// Every edit is checked before any is made: one that fails leaves the list as it was, as the list
// is saved when it was changed.
void Edit(const ParsedArgs& args, WFileExcludeList& list) {
  const bool clear = args.Has("clear");
  const auto remove = args.Value("remove");
  const int number = remove ? EntryNumber(*remove, clear ? 0 : list.Count()) : 0;
  const auto add = args.Value("add");
  const std::string folder = add ? FolderToAdd(*add) : std::string();
  if (clear) list.Clear();
  if (remove) list.Remove(number);
  if (add) list.AddFolder(folder, !args.Has("no-subfolders"));
}

void Write(const WFileExcludeList& list, OutputFormat format, std::ostream& out) {
  if (format == OutputFormat::kJson) {
    JsonWriter json(out);
    json.BeginArray();
    std::int64_t index = 0;
    for (const auto& item : list.Items()) {
      json.BeginObject().Key("index").Number(++index).Key("is_path").Bool(item.IsPath);
      json.Key("path").String(item.Path).Key("sub").Bool(item.Sub).EndObject();
    }
    json.EndArray();
    return;
  }
  if (list.Count() == 0) {
    out << "No folders or files are excluded.\n";
    return;
  }
  TextTable table({"#", "Entry"}, {TextTable::Align::kRight, TextTable::Align::kLeft});
  int index = 0;
  for (const auto& item : list.Items()) table.AddRow({std::to_string(++index), ExcludeEntryLine(item)});
  table.Write(out);
}

class ExclusionsCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, false);
    if (args.Has("no-subfolders") && !args.Has("add")) throw UsageError("--no-subfolders goes with --add");
    CatalogSession session;
    const auto editing = WFileExcludeList::LockForEditing(WFileExcludeList::DefaultFileName());
    WFileExcludeList list(WFileExcludeList::DefaultFileName());
    const bool edits = args.Has("clear") || args.Has("remove") || args.Has("add");
    Edit(args, list);
    if (edits) list.Save();
    Write(list, format, io.out);
    return 0;
  }

 private:
  CommandSpec spec_{"exclusions",
                    "",
                    "show and edit the folders and files the search leaves out",
                    "Lists the exclusion entries, numbered from 1. The options edit the list first, in this "
                    "order: --clear, --remove, --add.",
                    {{"add", "FOLDER", "exclude FOLDER and its subfolders"},
                     {"no-subfolders", "", "with --add: exclude the folder's own files only"},
                     {"remove", "N", "remove entry N"},
                     {"clear", "", "remove every entry"},
                     kFormatOptionNoCsv},
                    0,
                    0};
};

}  // namespace

std::unique_ptr<Command> MakeExclusionsCommand() {
  return std::make_unique<ExclusionsCommand>();
}

}  // namespace kinshelf::cli
