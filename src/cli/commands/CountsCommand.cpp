// kinshelf counts: how many files of each kind the catalog holds, in the side panel's order.
#include "catalog/CatalogSession.h"
#include "catalog/FileKinds.h"
#include "catalog/store/WFileStoreFile.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "text/CountFormat.h"
#include "text/CsvField.h"

namespace kinshelf::cli {

namespace {

class CountsCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, true);
    CatalogSession session;
    std::vector<std::pair<std::string, std::int64_t>> counts;
    std::int64_t total = 0;
    for (const auto& info : kFileKinds) {
      counts.emplace_back(WFileStoreFile::KindDisplayName(info.kind), session.Store().CountByKind(info.kind));
      total += counts.back().second;
    }
    if (format == OutputFormat::kJson) {
      JsonWriter json(io.out);
      json.BeginObject().Key("kinds").BeginObject();
      for (const auto& [name, count] : counts) json.Key(name).Number(count);
      json.EndObject().Key("total").Number(total).EndObject();
      return 0;
    }
    if (format == OutputFormat::kCsv) {
      io.out << "kind,files\r\n";
      for (const auto& [name, count] : counts) io.out << CsvField(name) << ',' << count << "\r\n";
      io.out << "Total," << total << "\r\n";
      return 0;
    }
    TextTable table({"Kind", "Files"}, {TextTable::Align::kLeft, TextTable::Align::kRight});
    for (const auto& [name, count] : counts) table.AddRow({name, FormatCount(count)});
    table.AddRow({"Total", FormatCount(total)});
    table.Write(io.out);
    return 0;
  }

 private:
  CommandSpec spec_{"counts",
                    "",
                    "count the catalogued files of each kind",
                    "Shows the number of catalogued files of each kind and the total.",
                    {kFormatOption},
                    0,
                    0};
};

}  // namespace

std::unique_ptr<Command> MakeCountsCommand() {
  return std::make_unique<CountsCommand>();
}

}  // namespace kinshelf::cli
