// kinshelf settings: shows every setting, shows one, or changes one and saves the settings file.
#include "catalog/CatalogSession.h"
#include "cli/JsonWriter.h"
#include "cli/NearestName.h"
#include "cli/OutputFormat.h"
#include "cli/SettingValue.h"
#include "cli/TerminalText.h"
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

int IdOf(const WOptions& options, const std::string& key) {
  if (const auto id = options.FindId(key)) return *id;
  std::vector<std::string_view> keys;
  for (const auto& entry : options.Entries()) keys.push_back(entry.key);
  const std::string_view nearest = NearestName(key, keys);
  if (nearest.empty())
    throw UsageError("unknown setting \"" + key + "\" (run 'kinshelf settings' to see them all)");
  throw UsageError("unknown setting \"" + key + "\" (did you mean \"" + std::string(nearest) + "\"?)");
}

class SettingsCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args);
    CatalogSession session;
    WOptions& options = session.Options();
    const auto& positional = args.Positional();
    if (positional.empty()) {
      WriteAll(options, format, io.out);
      return 0;
    }
    const int id = IdOf(options, positional[0]);
    if (positional.size() == 2) {
      options.SetValue(id, SettingValue(id, positional[1]));
      options.Save();
    }
    io.out << TerminalText(options.Value(id)) << '\n';
    return 0;
  }

 private:
  CommandSpec spec_{
      "settings",
      "[KEY [VALUE]]",
      "show or change the settings",
      "Without KEY, shows every setting with its section, key and value. With KEY, shows that "
      "setting's value; with KEY and VALUE, sets it, saves the settings file and shows the value "
      "stored. Keys match without regard to case. A yes-or-no setting takes T or F (also "
      "true/false, yes/no, on/off, 1/0 in any case) and stores T or F; a number setting takes "
      "a whole decimal number, inside its bounds where it has some.",
      {kFormatOption},
      0,
      2,
      true};
};

}  // namespace

std::unique_ptr<Command> MakeSettingsCommand() {
  return std::make_unique<SettingsCommand>();
}

}  // namespace kinshelf::cli
