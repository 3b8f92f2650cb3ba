// A PAF 3 or PAF 4 family file.
#include "paf/WPAF34Collection.h"

#include <string_view>
#include <utility>

#include "paf/WPAF34Individual.h"

namespace kinshelf {

namespace {

constexpr paf::TextField kOldestVersion{4, 4};
constexpr paf::TextField kVersion{8, 4};
constexpr paf::TextField kTitle{1664, 64};
constexpr std::size_t kPrintIdentifier = 275;

struct OptionRow {
  std::string_view caption;
  std::size_t offset;
};
constexpr OptionRow kOptionRows[] = {{"Verify names", 272},
                                     {"Exact Match", 273},
                                     {"Display LDS", 274},
                                     {"Force Uppercase", 276},
                                     {"Auto Cap", 277}};

std::string PrintIdentifierText(std::uint8_t code) {
  switch (code) {
    case 'A':
      return "AFN";
    case 'I':
      return "ID";
    case 'N':
      return "None";
    case 'R':
      return "RIN/MRIN";
    default:
      return {};
  }
}

}  // namespace

WPAF34Collection::WPAF34Collection(std::string fileName, const WOptions& options)
    : WPAFCollection(std::move(fileName), options) {
  RequireVersion({300, 400});
}

std::vector<GenHeaderRec> WPAF34Collection::GetHeaderInfo() {
  if (!Loaded()) return {};
  const PafRecord header(File().Header());
  std::vector<GenHeaderRec> rows{
      {"Source", "PAF"},
      {"Oldest Version", header.Text(kOldestVersion)},
      {"Version", header.Text(kVersion)},
      {"Title", header.Text(kTitle)},
      {"Print Identifier", PrintIdentifierText(header.Byte(kPrintIdentifier))},
      {"Deleted Individuals", std::to_string(DeletedIndividuals())},
      {"Deleted Marriages", std::to_string(DeletedMarriages())},
  };
  for (const auto& [caption, offset] : kOptionRows)
    rows.push_back({std::string(caption), header.Byte(offset) == 1 ? "Yes" : "No"});
  return rows;
}

std::unique_ptr<WPAFIndividual> WPAF34Collection::MakeIndividual(std::int32_t index, std::int32_t rin,
                                                                 PafRecord record) {
  return std::make_unique<WPAF34Individual>(*this, index, rin, record);
}

}  // namespace kinshelf
