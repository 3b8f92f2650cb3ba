// kinshelf person: one individual's page of the details view: sex, modified date and every fact.
#include "catalog/CatalogSession.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/TerminalText.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "model/pages/IndividualPage.h"
#include "readers/GenealogyFile.h"
#include "text/ByteText.h"

namespace kinshelf::cli {

namespace {

void WriteJson(const IndividualPage& page, GenealogyFile& file, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject().Key("index").Number(page.index).Key("id").String(file.Utf8(page.id));
  json.Key("sex").String(std::string(1, page.sex)).Key("modified").String(file.Utf8(page.modified));
  json.Key("facts").BeginArray();
  for (const auto& fact : page.facts) {
    json.BeginObject()
        .Key("caption")
        .String(file.Utf8(fact.caption))
        .Key("date")
        .String(file.Utf8(fact.date));
    json.Key("place").String(file.Utf8(fact.place)).Key("age").String(fact.age);
    json.Key("description")
        .String(file.Utf8(fact.description))
        .Key("sources")
        .String(file.Utf8(fact.sources));
    json.Key("notes").String(file.Utf8(fact.notes)).Key("link").Number(fact.link).EndObject();
  }
  json.EndArray().EndObject();
}

// A cell of one line: line breaks become blanks.
std::string Cell(GenealogyFile& file, const std::string& text) {
  return file.Utf8(FlattenLineBreaks(text));
}

void WriteText(const IndividualPage& page, GenealogyFile& file, std::ostream& out) {
  out << TerminalText("Individual " + std::to_string(page.index) + " (" + file.Utf8(page.id) +
                      ")  Sex: " + page.sex + "  Modified: " + file.Utf8(page.modified))
      << "\n\n";
  using Align = TextTable::Align;
  TextTable table({"Fact", "Date", "Place", "Age", "Description"},
                  {Align::kLeft, Align::kLeft, Align::kLeft, Align::kRight, Align::kLeft});
  for (const auto& fact : page.facts) {
    table.AddRow({Cell(file, fact.caption), Cell(file, fact.date), Cell(file, fact.place), fact.age,
                  Cell(file, fact.description)});
    if (!fact.sources.empty()) table.AddRow({"", "", "", "", "Sources: " + Cell(file, fact.sources)});
    if (!fact.notes.empty()) table.AddRow({"", "", "", "", "Notes: " + Cell(file, fact.notes)});
  }
  table.Write(out);
}

class PersonCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, false);
    CatalogSession session;
    GenealogyFile file(args.Positional()[0], session.Options());
    const std::int32_t index = file.FindIndividual(args.Positional()[1]);
    const auto page = BuildIndividualPage(file.Collection(), index);
    if (page.index == 0) file.FailUnreadable(index);
    if (format == OutputFormat::kJson) {
      WriteJson(page, file, io.out);
    } else {
      WriteText(page, file, io.out);
    }
    return 0;
  }

 private:
  CommandSpec spec_{
      "person",
      "FILE WHO",
      "show one individual's facts",
      "Shows the individual WHO (an index, or an identifier such as @I12@ or I12, in a PAF file a "
      "RIN such as @12@) of a GEDCOM or PAF file: sex, modified date, and every fact with its date, place, "
      "age, description, sources "
      "and notes, as the settings UseLDS, Chrono and the name settings shape them.",
      {kFormatOptionNoCsv},
      2,
      2};
};

}  // namespace

std::unique_ptr<Command> MakePersonCommand() {
  return std::make_unique<PersonCommand>();
}

}  // namespace kinshelf::cli
