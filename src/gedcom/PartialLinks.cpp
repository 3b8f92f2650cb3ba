// Builds the links of the few records a page reads.
#include "gedcom/PartialLinks.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "gedcom/LinkApplier.h"
#include "gedcom/LinkLines.h"
#include "gedcom/XRefMentions.h"
#include "model/CancelFlag.h"

namespace kinshelf::gedcom {

namespace {

// An individual or a family.
struct RecordRef {
  Category category;
  std::int32_t record;
  auto operator<=>(const RecordRef&) const = default;
};

std::vector<FoundLink> LinksOf(const WGEDTextMMF& text, const GedcomIndexes& indexes, RecordRef ref) {
  std::vector<FoundLink> found;
  if (ref.category == kIndividuals) {
    FindIndividualLinks(text, indexes, ref.record, found);
  } else {
    FindFamilyLinks(text, indexes, ref.record, found);
  }
  return found;
}

// A page reads a record, its families or members, theirs, and theirs again: so many steps of the
// records' own link lines are built together, up to so many records.
constexpr int kNeighbourSteps = 3;
constexpr std::size_t kMostNeighbours = 64;

// The records the record's own link lines lead to, step by step, the record first.
std::vector<RecordRef> Neighbourhood(const WGEDTextMMF& text, GedcomIndexes& indexes, RecordRef start) {
  std::vector<RecordRef> reached{start};
  std::size_t stepFrom = 0;
  for (int step = 0; step < kNeighbourSteps; ++step) {
    const std::size_t stepTo = reached.size();
    for (std::size_t k = stepFrom; k < stepTo; ++k) {
      const Category other = reached[k].category == kIndividuals ? kFamilies : kIndividuals;
      for (const FoundLink& link : LinksOf(text, indexes, reached[k])) {
        const RecordRef next{other, TargetOf(text, indexes, link)};
        if (next.record == 0 || std::find(reached.begin(), reached.end(), next) != reached.end()) continue;
        if (reached.size() == kMostNeighbours) return reached;
        reached.push_back(next);
      }
    }
    stepFrom = stepTo;
  }
  return reached;
}

// The last record of the category that starts at or before the offset, 0 for none.
std::int32_t RecordAtOrBefore(const GedcomIndexes& indexes, Category category, std::int64_t offset) {
  std::int32_t low = 0;
  std::int32_t high = indexes.Count(category);
  while (low < high) {
    const std::int32_t middle = low + (high - low + 1) / 2;
    if (indexes.OffsetOf(category, middle) <= offset) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

// The individual or family whose lines can hold the offset: of the last individual and the last
// family that start at or before it, the later one (the other ends before the later one starts).
// Its record is 0 when there is neither.
RecordRef RecordHolding(const GedcomIndexes& indexes, std::int64_t offset) {
  const RecordRef individual{kIndividuals, RecordAtOrBefore(indexes, kIndividuals, offset)};
  const RecordRef family{kFamilies, RecordAtOrBefore(indexes, kFamilies, offset)};
  if (family.record == 0) return individual;
  if (individual.record == 0) return family;
  return indexes.OffsetOf(kIndividuals, individual.record) > indexes.OffsetOf(kFamilies, family.record) ? individual
                                                                                                       : family;
}

// The records being built and every record that mentions one of them, individuals first, each in
// record order: the order of the full pass.
std::vector<RecordRef> RecordsToRead(const WGEDTextMMF& text, const GedcomIndexes& indexes,
                                     std::vector<RecordRef> building) {
  std::vector<std::string_view> identifiers;
  for (const RecordRef ref : building) {
    const std::string_view identifier =
        RecordIdentifier(text, text.TextStart() + indexes.OffsetOf(ref.category, ref.record));
    if (!identifier.empty()) identifiers.push_back(identifier);
  }
  std::vector<RecordRef> records = std::move(building);
  for (const char* mention : FindXRefMentions(text, identifiers)) {
    const RecordRef holder = RecordHolding(indexes, mention - text.TextStart());
    if (holder.record != 0) records.push_back(holder);
  }
  std::sort(records.begin(), records.end());
  records.erase(std::unique(records.begin(), records.end()), records.end());
  return records;
}

}  // namespace

bool LinkRecordsAround(const WGEDTextMMF& text, GedcomIndexes& indexes, Category category,
                       std::int32_t record) {
  BuiltLinks& built = indexes.builtLinks;
  if (built.None()) LinkApplier::MakeStores(indexes);
  built.Reserve(indexes.Count(kIndividuals), indexes.Count(kFamilies));
  text.IsLFText();
  std::vector<RecordRef> building = Neighbourhood(text, indexes, {category, record});
  std::erase_if(building, [&](RecordRef ref) {
    return built.StateOf(ref.category, ref.record) == BuiltLinks::State::kBuilt;
  });
  const std::vector<RecordRef> records = RecordsToRead(text, indexes, building);
  if (CancelRequested()) return false;
  for (const RecordRef ref : building) built.Set(ref.category, ref.record, BuiltLinks::State::kBuilding);
  LinkApplier applier(text, indexes, true);
  try {
    for (const RecordRef ref : records) {
      for (const FoundLink& link : LinksOf(text, indexes, ref)) applier.Apply(link);
    }
  } catch (...) {
    // Links applied half-way would be applied again: the next build starts over from nothing.
    built.Clear();
    throw;
  }
  for (const RecordRef ref : building) built.Set(ref.category, ref.record, BuiltLinks::State::kBuilt);
  return true;
}

}  // namespace kinshelf::gedcom
