// kinshelf show: what the details view's header page shows about a genealogy file: its header, its
// submitter and its statistics.
#include "catalog/CatalogSession.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "model/pages/HeaderPage.h"
#include "readers/GenealogyFile.h"
#include "text/CountFormat.h"

namespace kinshelf::cli {

namespace {

constexpr std::array<const char*, 7> kSubmitterCaptions{"Name",    "Address 1", "Address 2", "Address 3",
                                                        "Country", "Phone",     "E-mail"};
constexpr std::array<const char*, 7> kSubmitterKeys{"name",    "address1", "address2", "address3",
                                                    "country", "phone",    "email"};

void WriteText(const HeaderPage& page, GenealogyFile& file, std::ostream& out) {
  using Align = TextTable::Align;
  TextTable header({"Header", "Value"}, {Align::kLeft, Align::kLeft});
  for (const auto& row : page.header) header.AddRow({file.Utf8(row.caption), file.Utf8(row.value)});
  header.Write(out);
  out << '\n';
  TextTable submitter({"Submitter", ""}, {Align::kLeft, Align::kLeft});
  for (std::size_t i = 0; i < kSubmitterCaptions.size(); ++i) {
    submitter.AddRow(
        {kSubmitterCaptions[i], page.submitter ? file.Utf8((*page.submitter)[i]) : std::string()});
  }
  submitter.Write(out);
  out << '\n';
  TextTable statistics({"Statistics", ""}, {Align::kLeft, Align::kLeft});
  statistics.AddRow({"File name", page.fileName});
  statistics.AddRow({"Size", page.sizeText});
  statistics.AddRow({"Date", page.dateText});
  statistics.AddRow({"Load time", page.loadTimeText});
  statistics.AddRow({"Individuals", FormatCount(page.individuals)});
  statistics.AddRow({"Marriages", FormatCount(page.marriages)});
  statistics.AddRow({"Notes", FormatCount(page.notes)});
  statistics.AddRow({"Sources", FormatCount(page.sources)});
  statistics.Write(out);
}

void WriteJson(const HeaderPage& page, GenealogyFile& file, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject().Key("header").BeginArray();
  for (const auto& row : page.header) {
    json.BeginObject()
        .Key("caption")
        .String(file.Utf8(row.caption))
        .Key("value")
        .String(file.Utf8(row.value));
    json.EndObject();
  }
  json.EndArray().Key("submitter");
  if (page.submitter) {
    json.BeginObject();
    for (std::size_t i = 0; i < kSubmitterKeys.size(); ++i) {
      json.Key(kSubmitterKeys[i]).String(file.Utf8((*page.submitter)[i]));
    }
    json.EndObject();
  } else {
    json.Null();
  }
  json.Key("statistics")
      .BeginObject()
      .Key("file_name")
      .String(page.fileName)
      .Key("size")
      .String(page.sizeText);
  json.Key("date").String(page.dateText).Key("load_time").String(page.loadTimeText);
  json.Key("individuals").Number(page.individuals).Key("marriages").Number(page.marriages);
  json.Key("notes").Number(page.notes).Key("sources").Number(page.sources).EndObject();
  json.EndObject();
}

class ShowCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, false);
    CatalogSession session;
    GenealogyFile file(args.Positional()[0], session.Options());
    const HeaderPage page = BuildHeaderPage(file.Collection(), file.LoadSeconds());
    if (format == OutputFormat::kJson) {
      WriteJson(page, file, io.out);
    } else {
      WriteText(page, file, io.out);
    }
    // The header is shown, but its counts include records the file no longer holds.
    if (auto damage = file.DamageError()) throw *damage;
    return 0;
  }

 private:
  CommandSpec spec_{
      "show",
      "FILE",
      "show a genealogy file's header, submitter and statistics",
      "Reads a GEDCOM or PAF file and shows what its header says, its submitter, and its statistics: "
      "size, date, load time and the numbers of individuals, marriages, notes and sources.",
      {kFormatOptionNoCsv},
      1,
      1};
};

}  // namespace

std::unique_ptr<Command> MakeShowCommand() {
  return std::make_unique<ShowCommand>();
}

}  // namespace kinshelf::cli
