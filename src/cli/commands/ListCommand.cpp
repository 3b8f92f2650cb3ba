// kinshelf list: the catalog listing, filtered and sorted, as a table, CSV or JSON.
#include <cstdio>
#include <optional>

#include "catalog/CatalogSession.h"
#include "catalog/store/WFileStoreFile.h"
#include "cli/JsonWriter.h"
#include "cli/ListingOptions.h"
#include "cli/OutputFormat.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "fileaccess/WIntArray.h"
#include "platform/DateTime.h"
#include "platform/FileInfo.h"
#include "text/CatalogDateFormat.h"
#include "text/CountFormat.h"
#include "text/CsvField.h"

namespace kinshelf::cli {

namespace {

// A catalog date as ISO 8601 local time; nothing for the date 0, which means "no date".
std::optional<std::string> IsoDate(double value) {
  if (value == 0) return std::nullopt;
  const auto parts = platform::DecodeDateTime(value);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", parts.year, parts.month, parts.day,
                parts.hour, parts.minute, parts.second);
  return std::string(buffer);
}

struct Row {
  std::int32_t id;
  std::string name;
  FileKind kind;
  std::int64_t size;
  double modified;
  double created;
  std::string folder;
  std::string path;
  bool bookmark;
  bool exists;
};

Row RowOf(const WFileStoreFile& record) {
  const std::string path = record.FullPath();
  return Row{record.FileID(),
             record.Name(),
             record.Kind(),
             record.Size(),
             record.Modified(),
             record.Created(),
             record.Drive() + record.Path(),
             path,
             record.Bookmark(),
             platform::FileExists(path)};
}

void WriteText(std::ostream& out, const std::vector<Row>& rows, const WOptions& options) {
  using Align = TextTable::Align;
  TextTable table(
      {"ID", "Flags", "Name", "Type", "Size", "Last Modified Date", "Full Path"},
      {Align::kRight, Align::kLeft, Align::kLeft, Align::kLeft, Align::kRight, Align::kLeft, Align::kLeft});
  const int dateFormat = options.GetInt(opt::DateOpt);
  const int separator = options.GetInt(opt::DateSep);
  const int timeMode = options.GetInt(opt::DateTimeOpt);
  for (const auto& row : rows) {
    const std::string flags = std::string(row.bookmark ? "B" : "") + (row.exists ? "" : "M");
    table.AddRow({std::to_string(row.id), flags, row.name, WFileStoreFile::KindDisplayName(row.kind),
                  FormatCount(row.size), FormatCatalogDate(dateFormat, separator, timeMode, row.modified),
                  row.folder});
  }
  table.Write(out);
  out << FormatCount(static_cast<std::int64_t>(rows.size())) << (rows.size() == 1 ? " file" : " files")
      << " (flags: B bookmarked, M missing on disk)\n";
}

void WriteCsv(std::ostream& out, const std::vector<Row>& rows) {
  out << "id,name,kind,kind_code,size,modified,created,path,bookmark,exists\r\n";
  for (const auto& row : rows) {
    out << row.id << ',' << CsvField(row.name) << ',' << CsvField(WFileStoreFile::KindDisplayName(row.kind))
        << ',' << KindCode(row.kind) << ',' << row.size << ',' << IsoDate(row.modified).value_or("") << ','
        << IsoDate(row.created).value_or("") << ',' << CsvField(row.path) << ','
        << (row.bookmark ? "true" : "false") << ',' << (row.exists ? "true" : "false") << "\r\n";
  }
}

void WriteDate(JsonWriter& json, const char* key, double value) {
  json.Key(key);
  if (const auto date = IsoDate(value)) {
    json.String(*date);
  } else {
    json.Null();
  }
}

void WriteJson(std::ostream& out, const std::vector<Row>& rows) {
  JsonWriter json(out);
  json.BeginArray();
  for (const auto& row : rows) {
    json.BeginObject().Key("id").Number(row.id).Key("name").String(row.name);
    json.Key("kind")
        .String(WFileStoreFile::KindDisplayName(row.kind))
        .Key("kind_code")
        .Number(KindCode(row.kind));
    json.Key("size").Number(row.size);
    WriteDate(json, "modified", row.modified);
    WriteDate(json, "created", row.created);
    json.Key("path").String(row.path).Key("bookmark").Bool(row.bookmark).Key("exists").Bool(row.exists);
    json.EndObject();
  }
  json.EndArray();
}

class ListCommand : public Command {
 public:
  ListCommand() {
    spec_.options = ListingOptions();
    spec_.options.push_back(kFormatOption);
  }

  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const ListingFilter filter = ListingFilterOf(args);
    const OutputFormat format = FormatOf(args);
    CatalogSession session;
    const auto ids = session.Store().List(filter);
    std::vector<Row> rows;
    rows.reserve(static_cast<std::size_t>(ids->Count()));
    for (std::int32_t i = 1; i <= ids->Count(); ++i)
      rows.push_back(RowOf(*session.Store().GetFile(ids->GetValue(i))));
    switch (format) {
      case OutputFormat::kText:
        WriteText(io.out, rows, session.Options());
        break;
      case OutputFormat::kCsv:
        WriteCsv(io.out, rows);
        break;
      case OutputFormat::kJson:
        WriteJson(io.out, rows);
        break;
    }
    return 0;
  }

 private:
  CommandSpec spec_{"list",
                    "",
                    "list the catalogued files",
                    "Lists the catalogued files, every kind sorted by name unless the options say otherwise.",
                    {},
                    0,
                    0};
};

}  // namespace

std::unique_ptr<Command> MakeListCommand() {
  return std::make_unique<ListCommand>();
}

}  // namespace kinshelf::cli
