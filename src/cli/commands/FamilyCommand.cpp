// kinshelf family: one family of an individual: the couple, both pairs of parents, the marriage and
// the children.
#include <charconv>

#include "catalog/CatalogSession.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/TerminalText.h"
#include "cli/TextTable.h"
#include "cli/commands/Commands.h"
#include "model/pages/FamilyPage.h"
#include "readers/GenealogyFile.h"

namespace kinshelf::cli {

namespace {

std::int32_t SpousePosition(const ParsedArgs& args) {
  const auto text = args.Value("spouse");
  if (!text) return 1;
  std::int32_t position = 0;
  const auto* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, position);
  if (error != std::errc() || stop != end || position < 1) throw UsageError("--spouse needs a number from 1");
  return position;
}

void WritePerson(JsonWriter& json, GenealogyFile& file, const std::optional<PersonPanel>& panel) {
  if (!panel) {
    json.Null();
    return;
  }
  json.BeginObject().Key("index").Number(panel->index).Key("name").String(file.Utf8(panel->name));
  json.Key("sex").String(std::string(1, panel->sex)).Key("birth").String(file.Utf8(panel->birth));
  json.Key("birth_date")
      .String(file.Utf8(panel->birthDate))
      .Key("birth_place")
      .String(file.Utf8(panel->birthPlace));
  json.Key("death").String(file.Utf8(panel->death));
  json.Key("death_date")
      .String(file.Utf8(panel->deathDate))
      .Key("death_place")
      .String(file.Utf8(panel->deathPlace));
  json.EndObject();
}

void WriteJson(const FamilyPage& page, GenealogyFile& file, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject().Key("position").Number(page.position).Key("count").Number(page.count);
  const std::pair<const char*, const std::optional<PersonPanel>*> people[] = {
      {"subject", &page.subject},
      {"spouse", &page.spouse},
      {"father", &page.father},
      {"mother", &page.mother},
      {"spouse_father", &page.spouseFather},
      {"spouse_mother", &page.spouseMother}};
  for (const auto& [key, panel] : people) WritePerson(json.Key(key), file, *panel);
  json.Key("marriage").BeginObject().Key("date").String(file.Utf8(page.marriageDate));
  json.Key("place").String(file.Utf8(page.marriagePlace)).EndObject();
  json.Key("children").BeginArray();
  for (const auto& child : page.children) WritePerson(json, file, child);
  json.EndArray().EndObject();
}

std::vector<std::string> PanelCells(GenealogyFile& file, const char* role,
                                    const std::optional<PersonPanel>& panel) {
  if (!panel) return {role, "", "", "", ""};
  return {role, std::string(1, panel->sex), file.Utf8(panel->name), file.Utf8(panel->birth),
          file.Utf8(panel->death)};
}

void WriteText(const FamilyPage& page, GenealogyFile& file, std::ostream& out) {
  if (page.count > 1) out << "Family " << page.position << " of " << page.count << "\n\n";
  using Align = TextTable::Align;
  TextTable table({"", "Sex", "Name", "Birth", "Death"},
                  {Align::kLeft, Align::kLeft, Align::kLeft, Align::kLeft, Align::kLeft});
  table.AddRow(PanelCells(file, "Individual", page.subject));
  table.AddRow(PanelCells(file, "Spouse", page.spouse));
  table.AddRow(PanelCells(file, "Father", page.father));
  table.AddRow(PanelCells(file, "Mother", page.mother));
  table.AddRow(PanelCells(file, "Spouse's father", page.spouseFather));
  table.AddRow(PanelCells(file, "Spouse's mother", page.spouseMother));
  for (const auto& child : page.children) table.AddRow(PanelCells(file, "Child", child));
  table.Write(out);
  out << "\nMarriage: "
      << TerminalText(file.Utf8(page.marriageDate) +
                      (page.marriagePlace.empty() ? "" : ", " + file.Utf8(page.marriagePlace)))
      << '\n';
}

class FamilyCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, false);
    const std::int32_t position = SpousePosition(args);
    CatalogSession session;
    GenealogyFile file(args.Positional()[0], session.Options());
    const std::int32_t index = file.FindIndividual(args.Positional()[1]);
    const auto page = BuildFamilyPage(file.Collection(), index, position);
    if (!page.subject) file.FailUnreadable(index);
    // Without a spouse family the page shows the individual and parents, unless a family was asked for.
    if (page.position != position && (page.count > 0 || args.Has("spouse"))) {
      throw std::runtime_error(page.count == 0 ? std::string("the individual has no spouse family")
                                               : "the individual has " + std::to_string(page.count) +
                                                     " spouse famil" + (page.count == 1 ? "y" : "ies"));
    }
    if (format == OutputFormat::kJson) {
      WriteJson(page, file, io.out);
    } else {
      WriteText(page, file, io.out);
    }
    return 0;
  }

 private:
  CommandSpec spec_{
      "family",
      "FILE WHO",
      "show one family of an individual",
      "Shows the individual WHO (an index, or an identifier such as @I12@ or I12, in a PAF file a "
      "RIN such as @12@) of a GEDCOM or PAF file with the spouse of its N-th spouse family, "
      "both pairs of parents, the marriage's date and place, and the children with sex, name, "
      "birth and death.",
      {{"spouse", "N", "show the N-th spouse family (default 1)"}, kFormatOptionNoCsv},
      2,
      2};
};

}  // namespace

std::unique_ptr<Command> MakeFamilyCommand() {
  return std::make_unique<FamilyCommand>();
}

}  // namespace kinshelf::cli
