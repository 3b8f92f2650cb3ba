// Speed of opening a GEDCOM file: map, Load, LinkRecords, the header rows, the submitter and the four
// counts (closing it is not timed), on generated files of 10,000, 100,000 and 1,000,000 individuals. Make
// them first with
//   python3 ../shared/bench/gen_gedcom.py N bench-data/gedcom-10k.ged   (and -100k, -1m)
// from the project folder; a missing file skips its benchmark.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "gedcom/WGEDCollection.h"
#include "model/WABSSubmitter.h"
#include "settings/WOptions.h"

namespace {

std::string DataFile(const char* name) {
  return std::string(KINSHELF_BENCH_DATA) + "/" + name;
}

void OpenGedcom(benchmark::State& state, const char* name) {
  const std::string path = DataFile(name);
  if (!std::filesystem::exists(path)) {
    state.SkipWithError("generate the file first (see the top of GedcomLoadBench.cpp)");
    return;
  }
  kinshelf::WOptions options;
  for (auto _ : state) {
    auto collection = std::make_unique<kinshelf::WGEDCollection>(path, options);
    if (!collection->Load()) state.SkipWithError("Load failed");
    collection->LinkRecords();
    benchmark::DoNotOptimize(collection->GetHeaderInfo());
    benchmark::DoNotOptimize(collection->GetSubmitter());
    benchmark::DoNotOptimize(collection->IndividualCount() + collection->MarriageCount() +
                             collection->NoteCount() + collection->SourceCount());
    // Closing the file (unmapping it, dropping the scratch stores) is not part of opening it.
    state.PauseTiming();
    collection.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

BENCHMARK_CAPTURE(OpenGedcom, 10k, "gedcom-10k.ged")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenGedcom, 100k, "gedcom-100k.ged")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenGedcom, 1m, "gedcom-1m.ged")->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
