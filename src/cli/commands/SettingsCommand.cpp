// kinshelf settings: shows every setting, shows one, or changes one and saves the settings file.
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/Session.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "text/CsvField.h"

namespace kinshelf::cli {

namespace {

void WriteAll(const WOptions& options, OutputFormat format, std::ostream& out) {
  const auto entries = options.Entries();
  if (format == OutputFormat::kJson) {
    JsonWriter json(out);
    json.BeginArray();
    for (const auto& entry : entries) {
      json.BeginObject().Key("section").String(entry.section).Key("key").String(entry.key);
      json.Key("value").String(options.Value(entry.id)).EndObject();
    }
    json.EndArray();
  } else if (format == OutputFormat::kCsv) {
    out << "section,key,value\r\n";
    for (const auto& entry : entries) {
      out << CsvField(entry.section) << ',' << CsvField(entry.key) << ',' << CsvField(options.Value(entry.id))
          << "\r\n";
    }
  } else {
    TextTable table({"Section", "Key", "Value"},
                    {TextTable::Align::kLeft, TextTable::Align::kLeft, TextTable::Align::kLeft});
    for (const auto& entry : entries) {
      table.AddRow({std::string(entry.section), std::string(entry.key), options.Value(entry.id)});
    }
    table.Write(out);
  }
}

class SettingsCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args);
    Session session;
    WOptions& options = session.Options();
    const auto& positional = args.Positional();
    if (positional.empty()) {
      WriteAll(options, format, io.out);
      return 0;
    }
    const auto id = options.FindId(positional[0]);
    if (!id) throw std::runtime_error("unknown setting \"" + positional[0] + "\"");
    if (positional.size() == 1) {
      io.out << options.Value(*id) << '\n';
      return 0;
    }
    options.SetValue(*id, positional[1]);
    options.Save();
    return 0;
  }

 private:
  CommandSpec spec_{"settings",
                    "[KEY [VALUE]]",
                    "show or change the settings",
                    "Without KEY, shows every setting with its section, key and value. With KEY, shows that "
                    "setting's value; with KEY and VALUE, sets it and saves the settings file. Keys match "
                    "without regard to case.",
                    {kFormatOption},
                    0,
                    2};
};

}  // namespace

std::unique_ptr<Command> MakeSettingsCommand() {
  return std::make_unique<SettingsCommand>();
}

}  // namespace kinshelf::cli
