// kinshelf people: every individual of a genealogy file, one line each, in index order.
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/Session.h"
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

std::vector<PersonLine> Lines(GenealogyFile& file, const std::optional<std::string>& filter) {
  std::vector<PersonLine> lines;
  auto& collection = file.Collection();
  const auto count = collection.IndividualCount();
  for (std::int32_t index = 1; index <= count; ++index) {
    const auto person = collection.GetIndividual(index);
    if (person == nullptr) continue;
    PersonLine line{index, file.Utf8(person->GetIDText()), file.Utf8(person->NameWithIDText()), {}, {}, {},
                    {}};
    if (filter && !ContainsFolded(line.name, *filter)) continue;
    line.birthDate = file.Utf8(person->EventDateText(EventKind::kBirth, 1));
    line.birthPlace = file.Utf8(person->EventPlaceText(EventKind::kBirth, 1));
    line.deathDate = file.Utf8(person->EventDateText(EventKind::kDeath, 1));
    line.deathPlace = file.Utf8(person->EventPlaceText(EventKind::kDeath, 1));
    lines.push_back(std::move(line));
  }
  return lines;
}

void Write(const std::vector<PersonLine>& lines, OutputFormat format, std::ostream& out) {
  if (format == OutputFormat::kJson) {
    JsonWriter json(out);
    json.BeginArray();
    for (const auto& line : lines) {
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
    }
    json.EndArray();
    return;
  }
  if (format == OutputFormat::kCsv) {
    out << "index,id,name,birth,death\r\n";
    for (const auto& line : lines) {
      out << line.index << ',' << CsvField(line.id) << ',' << CsvField(line.name) << ','
          << CsvField(line.Birth()) << ',' << CsvField(line.Death()) << "\r\n";
    }
    return;
  }
  using Align = TextTable::Align;
  TextTable table({"Index", "ID", "Name", "Birth", "Death"},
                  {Align::kRight, Align::kLeft, Align::kLeft, Align::kLeft, Align::kLeft});
  for (const auto& line : lines)
    table.AddRow({std::to_string(line.index), line.id, line.name, line.Birth(), line.Death()});
  table.Write(out);
}

class PeopleCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, true);
    Session session;
    GenealogyFile file(args.Positional()[0], session.Options());
    Write(Lines(file, args.Value("name")), format, io.out);
    return 0;
  }

 private:
  CommandSpec spec_{"people",
                    "FILE",
                    "list the individuals of a genealogy file",
                    "Lists every individual of a GEDCOM file in index order: index, identifier, name with "
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
