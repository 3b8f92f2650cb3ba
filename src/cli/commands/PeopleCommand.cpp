// kinshelf people: every individual of a genealogy file, one line each, in index order.
#include "catalog/CatalogSession.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "model/ItemTexts.h"
#include "model/WABSIndividual.h"
#include "readers/GenealogyFile.h"
#include "text/CaseFold.h"
#include "text/CsvField.h"

namespace kinshelf::cli {

namespace {

struct PersonLine {
  std::int32_t index;
  std::string id;
  std::string name;
  std::string birthDate;
  std::string birthPlace;
  std::string deathDate;
  std::string deathPlace;

  std::string Birth() const { return JoinedPieces(birthDate, birthPlace); }
  std::string Death() const { return JoinedPieces(deathDate, deathPlace); }
};

// Calls `write` with the line of every individual the filter lets through, in index order.
template <typename WriteLine>
void ForEachLine(GenealogyFile& file, const std::optional<std::string>& filter, WriteLine write) {
  auto& collection = file.Collection();
  const auto count = collection.IndividualCount();
  for (std::int32_t index = 1; index <= count; ++index) {
    const auto person = collection.GetIndividual(index);
    if (person == nullptr) continue;
    PersonLine line{index, file.Utf8(person->GetIDText()), file.Utf8(person->NameWithIDText()), {}, {}, {},
                    {}};
    if (filter && !ContainsFolded(line.name, *filter)) continue;
    const EventTexts birth = person->EventDateAndPlaceText(EventKind::kBirth, 1);
    const EventTexts death = person->EventDateAndPlaceText(EventKind::kDeath, 1);
    line.birthDate = file.Utf8(birth.date);
    line.birthPlace = file.Utf8(birth.place);
    line.deathDate = file.Utf8(death.date);
    line.deathPlace = file.Utf8(death.place);
    write(line);
  }
}

void WriteJson(GenealogyFile& file, const std::optional<std::string>& filter, std::ostream& out) {
  JsonWriter json(out);
  json.BeginArray();
  ForEachLine(file, filter, [&json](const PersonLine& line) {
    json.BeginObject()
        .Key("index")
        .Number(line.index)
        .Key("id")
        .String(line.id)
        .Key("name")
        .String(line.name);
    json.Key("birth").String(line.Birth()).Key("birth_date").String(line.birthDate);
    json.Key("birth_place").String(line.birthPlace).Key("death").String(line.Death());
    json.Key("death_date").String(line.deathDate).Key("death_place").String(line.deathPlace).EndObject();
  });
  json.EndArray();
}

void WriteCsv(GenealogyFile& file, const std::optional<std::string>& filter, std::ostream& out) {
  out << "index,id,name,birth,death\r\n";
  ForEachLine(file, filter, [&out](const PersonLine& line) {
    out << line.index << ',' << CsvField(line.id) << ',' << CsvField(line.name) << ','
        << CsvField(line.Birth()) << ',' << CsvField(line.Death()) << "\r\n";
  });
}

// The text table needs every line before it can size its columns.
void WriteText(GenealogyFile& file, const std::optional<std::string>& filter, std::ostream& out) {
  using Align = TextTable::Align;
  TextTable table({"Index", "ID", "Name", "Birth", "Death"},
                  {Align::kRight, Align::kLeft, Align::kLeft, Align::kLeft, Align::kLeft});
  ForEachLine(file, filter, [&table](const PersonLine& line) {
    table.AddRow({std::to_string(line.index), line.id, line.name, line.Birth(), line.Death()});
  });
  table.Write(out);
}

class PeopleCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, true);
    CatalogSession session;
    GenealogyFile file(args.Positional()[0], session.Options());
    const auto filter = args.Value("name");
    if (format == OutputFormat::kJson) {
      WriteJson(file, filter, io.out);
    } else if (format == OutputFormat::kCsv) {
      WriteCsv(file, filter, io.out);
    } else {
      WriteText(file, filter, io.out);
    }
    return 0;
  }

 private:
  CommandSpec spec_{
      "people",
      "FILE",
      "list the individuals of a genealogy file",
      "Lists every individual of a GEDCOM or PAF file in index order: index, identifier, name with "
      "identifier, birth and death (date, place).",
      {{"name", "TEXT", "only individuals whose name contains TEXT (any case)"}, kFormatOption},
      1,
      1};
};

}  // namespace

std::unique_ptr<Command> MakePeopleCommand() {
  return std::make_unique<PeopleCommand>();
}

}  // namespace kinshelf::cli
