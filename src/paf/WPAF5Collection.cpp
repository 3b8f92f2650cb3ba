// A PAF 5 family file.
#include "paf/WPAF5Collection.h"

#include <utility>

#include "paf/Paf5Format.h"
#include "paf/WPAF5Individual.h"

namespace kinshelf {

namespace {

constexpr paf::TextField kVersion{0, 4};
constexpr paf::TextField kOldestVersion{4, 4};

}  // namespace

WPAF5Collection::WPAF5Collection(std::string fileName, const WOptions& options)
    : WPAFCollection(std::move(fileName), options) {
  RequireVersion({500});
}

std::vector<GenHeaderRec> WPAF5Collection::GetHeaderInfo() {
  if (!Loaded()) return {};
  const PafRecord header(File().Header());
  return {
      {"Source", "PAF"},
      {"Oldest Version", header.Text(kOldestVersion)},
      {"Version", header.Text(kVersion)},
      {"Deleted Individuals", std::to_string(DeletedIndividuals())},
      {"Deleted Marriages", std::to_string(DeletedMarriages())},
  };
}

std::unique_ptr<WPAFIndividual> WPAF5Collection::MakeIndividual(std::int32_t index, std::int32_t rin,
                                                                PafRecord record) {
  return std::make_unique<WPAF5Individual>(*this, index, rin, record);
}

// The name is the first text record's; its kind, length and first letters share a cache line.
void WPAF5Collection::PrefetchNameText(const PafRecord& individual) const {
  File().Prefetch(individual.Int32(0), paf::kIndividualTextStart + 16);
}

}  // namespace kinshelf
