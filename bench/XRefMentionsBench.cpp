// Speed of the search for mentions of identifiers, the full-text pass a page of a large GEDCOM file
// waits for, on the generated file of 1,000,000 individuals. Make it first with
//   python3 ../shared/bench/gen_gedcom.py 1000000 bench-data/gen-1000000.ged
// from the project folder; a missing file skips the benchmark.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/WGEDTextMMF.h"
#include "gedcom/XRefMentions.h"

namespace {

// About what a page looks for: the identifiers of the neighbourhood of an individual. Those of one in
// the middle of the file are as long as most identifiers of the file.
const std::vector<std::string_view> kFirst = {"I1", "F1", "I2", "I3", "I4", "F2", "F3", "I5", "I6"};
const std::vector<std::string_view> kMiddle = {"I500000", "F250000", "I500001", "I500002", "F250001",
                                               "I500003", "I250001", "F125000", "I250002"};

void FindMentions(benchmark::State& state, const std::vector<std::string_view>& identifiers) {
  const std::string path = std::string(KINSHELF_BENCH_DATA) + "/gen-1000000.ged";
  if (!std::filesystem::exists(path)) {
    state.SkipWithError("generate the file first (see the top of XRefMentionsBench.cpp)");
    return;
  }
  const kinshelf::WGEDTextMMF text(path);
  for (auto _ : state) benchmark::DoNotOptimize(kinshelf::gedcom::FindXRefMentions(text, identifiers));
  state.SetBytesProcessed(state.iterations() * (text.TextEnd() - text.TextStart()));
}

BENCHMARK_CAPTURE(FindMentions, first, kFirst)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK_CAPTURE(FindMentions, middle, kMiddle)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
