// kinshelf programs: looks for the installed genealogy programs, as start-up does, and shows the
// program set for each kind of file and the companion viewer.
#include "catalog/CatalogSession.h"
#include "catalog/FileKinds.h"
#include "catalog/programs/ProgramAssociations.h"
#include "catalog/programs/ProgramDiscovery.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"

namespace kinshelf::cli {

namespace {

constexpr std::string_view kNone = "(none)";

struct Row {
  std::string kind;
  int kindCode;
  std::string setting;
  std::string program;  // empty when none is set
};

// The viewer first, then the kinds in the side panel's order.
std::vector<Row> RowsOf(const WOptions& options) {
  std::vector<Row> rows{{"Pedora", 0, "AppPedora", options.GetString(opt::AppPedora)}};
  for (const auto& info : kFileKinds) {
    const auto setting = static_cast<opt::Catalog>(ProgramSettingForKind(info.kind));
    rows.push_back(Row{std::string(info.displayName), KindCode(info.kind),
                       std::string(ProgramSettingKey(info.kind)), options.GetString(setting)});
  }
  return rows;
}

void WriteJson(std::ostream& out, const std::vector<Row>& rows) {
  JsonWriter json(out);
  json.BeginArray();
  for (const auto& row : rows) {
    json.BeginObject().Key("kind").String(row.kind).Key("kind_code").Number(row.kindCode);
    json.Key("setting").String(row.setting).Key("program");
    row.program.empty() ? json.Null() : json.String(row.program);
    json.EndObject();
  }
  json.EndArray();
}

void WriteText(std::ostream& out, const std::vector<Row>& rows) {
  using Align = TextTable::Align;
  TextTable table({"Kind", "Setting", "Program"}, {Align::kLeft, Align::kLeft, Align::kLeft});
  for (const auto& row : rows)
    table.AddRow({row.kind, row.setting, row.program.empty() ? std::string(kNone) : row.program});
  table.Write(out);
}

class ProgramsCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, false);
    CatalogSession session;
    if (session.ProgramsFound()) session.Options().Save();
    const auto rows = RowsOf(session.Options());
    format == OutputFormat::kJson ? WriteJson(io.out, rows) : WriteText(io.out, rows);
    return 0;
  }

 private:
  CommandSpec spec_{"programs",
                    "",
                    "show the genealogy program of each kind of file",
                    "Looks for the installed genealogy programs whose settings are still empty (Windows "
                    "programs in the Wine prefix, $WINEPREFIX or ~/.wine; Gramps on the search path), saves "
                    "what it finds, and shows the program set for each kind of file and for the Pedora "
                    "viewer. Change one with 'kinshelf settings SETTING PROGRAM'.",
                    {kFormatOptionNoCsv},
                    0,
                    0};
};

}  // namespace

std::unique_ptr<Command> MakeProgramsCommand() {
  return std::make_unique<ProgramsCommand>();
}

}  // namespace kinshelf::cli
