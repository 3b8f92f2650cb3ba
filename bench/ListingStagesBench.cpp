// What a listing's line costs per person, stage by stage, on one thread: reading the individual,
// then its identifier, name, birth, death and the texts' conversion, each benchmark doing one stage
// more than the one before; last, the listing's own read of the same texts into kept room
// (ReadListingTexts), without the conversion. The JSON layout is not counted. Run it pinned to one core
// (taskset -c 1), and compare builds in turns on the same core: a virtual machine's cores may differ by half.
// Make the files first with
//   python3 ../shared/bench/gen_gedcom.py 1000000 bench-data/gen-1000000.ged
//   python3 bench/gen_paf5.py 1000000 bench-data/gen-1000000.paf
// from the project folder; a missing file skips its benchmarks.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "model/WABSIndividual.h"
#include "readers/GenealogyFile.h"
#include "settings/WOptions.h"

namespace {

using kinshelf::EventKind;
using kinshelf::EventTexts;
using kinshelf::GenealogyFile;
using kinshelf::ListingTexts;
using kinshelf::WABSIndividual;

enum Stage { kRead, kId, kName, kBirth, kDeath, kConverted, kListing };

// The sizes of what the stages up to `last` give, so that none of them is left out.
std::size_t Line(GenealogyFile& file, WABSIndividual& person, Stage last, ListingTexts& texts) {
  if (last == kListing) {
    person.ReadListingTexts(texts);
    return texts.id.size() + texts.name.size() + texts.birth.date.size() + texts.birth.place.size() +
           texts.death.date.size() + texts.death.place.size();
  }
  if (last == kRead) return static_cast<std::size_t>(person.Index());
  std::string id = person.GetIDText();
  if (last == kId) return id.size();
  std::string name = person.NameWithIDText(id);
  if (last == kName) return name.size();
  EventTexts birth = person.EventDateAndPlaceText(EventKind::kBirth, 1);
  if (last == kBirth) return name.size() + birth.date.size() + birth.place.size();
  EventTexts death = person.EventDateAndPlaceText(EventKind::kDeath, 1);
  if (last == kDeath) return name.size() + death.date.size() + death.place.size();
  return file.Utf8(std::move(id)).size() + file.Utf8(std::move(name)).size() +
         file.Utf8(std::move(birth.date)).size() + file.Utf8(std::move(birth.place)).size() +
         file.Utf8(std::move(death.date)).size() + file.Utf8(std::move(death.place)).size();
}

void Stages(benchmark::State& state, const char* name, Stage last) {
  const std::string path = std::string(KINSHELF_BENCH_DATA) + "/" + name;
  if (!std::filesystem::exists(path)) {
    state.SkipWithError("generate the file first (see the top of ListingStagesBench.cpp)");
    return;
  }
  const kinshelf::WOptions options;
  GenealogyFile file(path, options);
  auto& collection = file.Collection();
  collection.PrepareConcurrentReads();
  const std::int32_t count = collection.IndividualCount();
  ListingTexts texts(kinshelf::ListingOptions::Of(options));
  for (auto _ : state) {
    std::size_t sizes = 0;
    collection.ForEachIndividual(1, count,
                                 [&](WABSIndividual& person) { sizes += Line(file, person, last, texts); });
    benchmark::DoNotOptimize(sizes);
  }
  // The time per person, shown with its unit (121.8ns, say).
  state.counters["per_person"] =
      benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

#define STAGES(file, tag)                                                                      \
  BENCHMARK_CAPTURE(Stages, tag##_read, file, kRead)->Unit(benchmark::kMillisecond);           \
  BENCHMARK_CAPTURE(Stages, tag##_id, file, kId)->Unit(benchmark::kMillisecond);               \
  BENCHMARK_CAPTURE(Stages, tag##_name, file, kName)->Unit(benchmark::kMillisecond);           \
  BENCHMARK_CAPTURE(Stages, tag##_birth, file, kBirth)->Unit(benchmark::kMillisecond);         \
  BENCHMARK_CAPTURE(Stages, tag##_death, file, kDeath)->Unit(benchmark::kMillisecond);         \
  BENCHMARK_CAPTURE(Stages, tag##_converted, file, kConverted)->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(Stages, tag##_listing, file, kListing)->Unit(benchmark::kMillisecond)

STAGES("gen-1000000.ged", gedcom);
STAGES("gen-1000000.paf", paf5);

}  // namespace

BENCHMARK_MAIN();
