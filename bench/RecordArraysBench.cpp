// Speed of the record arrays: sorting, searching and appending 32-bit values in scratch stores.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "fileaccess/LittleEndian.h"
#include "fileaccess/WIntArray.h"

namespace {

using kinshelf::WIntArray;

int CompareValues(const void* record, const void* other, void*) {
  const auto a = static_cast<std::int32_t>(kinshelf::LoadUint32LE(static_cast<const unsigned char*>(record)));
  const auto b = static_cast<std::int32_t>(kinshelf::LoadUint32LE(static_cast<const unsigned char*>(other)));
  return a < b ? -1 : a > b ? 1 : 0;
}

void FillRandom(WIntArray& array, unsigned seed) {
  std::mt19937 random(seed);
  for (std::int32_t i = 1; i <= array.Count(); ++i) array.SetValue(i, static_cast<std::int32_t>(random()));
}

void BM_SortRandom(benchmark::State& state) {
  WIntArray array(std::string(), static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    FillRandom(array, 1);
    state.ResumeTiming();
    array.Sort(CompareValues, nullptr, false);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortRandom)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Find(benchmark::State& state) {
  WIntArray array(std::string(), static_cast<std::int32_t>(state.range(0)));
  for (std::int32_t i = 1; i <= array.Count(); ++i) array.SetValue(i, 2 * i);
  std::mt19937 random(2);
  std::uniform_int_distribution<std::int32_t> key(0, 2 * array.Count() + 1);
  for (auto _ : state) {
    const std::int32_t wanted = key(random);
    benchmark::DoNotOptimize(array.Find(CompareValues, &wanted));
  }
}
BENCHMARK(BM_Find)->Arg(100000)->Arg(1000000);

void BM_Append(benchmark::State& state) {
  for (auto _ : state) {
    WIntArray array(std::string(), 0);
    for (std::int32_t i = 0; i < state.range(0); ++i) array.AddValue(i);
    benchmark::DoNotOptimize(array.GetValue(1));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Append)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
