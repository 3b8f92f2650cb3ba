// Benchmarks of the catalog store: inserting rows in one transaction, and listing 100,000 rows by
// each sort column. Each run works in a fresh temporary folder.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "catalog/FileKinds.h"
#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"

namespace kinshelf {
namespace {

class TempCatalog {
 public:
  TempCatalog() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/kinshelf-bench-XXXXXX";
    folder_ = mkdtemp(pattern.data());
    store_ = std::make_unique<WFileStore>(folder_ + "/Catalog");
  }
  ~TempCatalog() {
    store_.reset();
    std::filesystem::remove_all(folder_);
  }
  WFileStore& Store() { return *store_; }

 private:
  std::string folder_;
  std::unique_ptr<WFileStore> store_;
};

void Fill(WFileStore& store, std::int64_t rows) {
  store.BeginTransaction();
  for (std::int64_t i = 0; i < rows; ++i) {
    auto record = store.NewFile("", static_cast<FileKind>(KindCode(FileKind::kGedcom) + i % 5));
    record->SetDrive("/");
    record->SetPath("home/user/genealogy/folder" + std::to_string(i % 997));
    record->SetName("family" + std::to_string((i * 7919) % rows) + ".ged");
    record->SetSize((i * 104729) % 1000003);
    record->SetModified(40000.0 + (i * 31) % 5000);
    record->SetTmpFlag(1);
    record->SaveToStore();
  }
  store.CommitTransaction();
}

void BM_Insert100kInOneTransaction(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    TempCatalog catalog;
    state.ResumeTiming();
    Fill(catalog.Store(), 100000);
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_Insert100kInOneTransaction)->Unit(benchmark::kMillisecond);

void BM_List100kBySortColumn(benchmark::State& state) {
  TempCatalog catalog;
  Fill(catalog.Store(), 100000);
  ListingFilter filter;
  filter.sortColumn = static_cast<ListingColumn>(state.range(0));
  for (auto _ : state) {
    const auto ids = catalog.Store().List(filter);
    benchmark::DoNotOptimize(ids->Count());
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_List100kBySortColumn)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

void BM_List100kWithNameFilter(benchmark::State& state) {
  TempCatalog catalog;
  Fill(catalog.Store(), 100000);
  ListingFilter filter;
  filter.name = "ly12";
  for (auto _ : state) {
    const auto ids = catalog.Store().List(filter);
    benchmark::DoNotOptimize(ids->Count());
  }
}
BENCHMARK(BM_List100kWithNameFilter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kinshelf

BENCHMARK_MAIN();
