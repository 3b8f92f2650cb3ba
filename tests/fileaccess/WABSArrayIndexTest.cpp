// The record array: bounds, counts, the store layout, the in-place sort against std::sort and
// std::stable_sort, the sorted and sorting flags, events during a sort, and the binary search.
#include "fileaccess/WABSArrayIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "fileaccess/FileAccessTestSupport.h"
#include "platform/ProcessEvents.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

struct Entry {
  std::int32_t key;
  std::int32_t serial;
  bool operator==(const Entry&) const = default;
};

struct Counter {
  int comparisons = 0;
  bool fail = false;
};

int CompareKeys(const void* record, const void* other, void* context) {
  if (auto* counter = static_cast<Counter*>(context)) {
    ++counter->comparisons;
    if (counter->fail) throw std::runtime_error("comparison failed");
  }
  Entry a{};
  Entry b{};
  std::memcpy(&a, record, sizeof a);
  std::memcpy(&b, other, sizeof b);
  return a.key < b.key ? -1 : a.key > b.key ? 1 : 0;
}

int CompareToKey(const void* record, const void* key, void*) {
  Entry a{};
  std::memcpy(&a, record, sizeof a);
  const auto wanted = *static_cast<const std::int32_t*>(key);
  return a.key < wanted ? -1 : a.key > wanted ? 1 : 0;
}

Entry EntryAt(const WABSArrayIndex& array, std::int32_t index) {
  Entry entry{};
  std::memcpy(&entry, array.Item(index), sizeof entry);
  return entry;
}

std::vector<Entry> Entries(const WABSArrayIndex& array) {
  std::vector<Entry> entries;
  for (std::int32_t i = 1; i <= array.Count(); ++i) entries.push_back(EntryAt(array, i));
  return entries;
}

void AddAll(WABSArrayIndex& array, const std::vector<Entry>& entries) {
  for (const Entry& entry : entries) array.Add(&entry);
}

std::vector<Entry> RandomEntries(std::size_t count, std::int32_t distinctKeys, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::int32_t> key(0, distinctKeys - 1);
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < count; ++i) entries.push_back({key(random), static_cast<std::int32_t>(i)});
  return entries;
}

// Puts a hook in place for the life of the guard.
class EventsHook {
 public:
  explicit EventsHook(std::function<void()> hook)
      : previous_(platform::SetProcessEventsHook(std::move(hook))) {}
  ~EventsHook() { platform::SetProcessEventsHook(previous_); }

 private:
  std::function<void()> previous_;
};

TEST(WABSArrayIndexTest, OutOfRangeIndexesGiveNothing) {
  WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
  const std::int32_t key = 1;
  EXPECT_EQ(array.Find(CompareToKey, &key), 0);
  EXPECT_EQ(array.Item(1), nullptr);
  const Entry entry{1, 1};
  EXPECT_EQ(array.Add(&entry), 1);
  EXPECT_EQ(array.Item(0), nullptr);
  EXPECT_EQ(array.Item(2), nullptr);
  const Entry other{9, 9};
  array.SetItem(2, &other);
  EXPECT_EQ(Entries(array), std::vector<Entry>{entry});
}

TEST(WABSArrayIndexTest, ShrinkingHidesRecordsThatLaterAppendsOverwrite) {
  WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
  AddAll(array, {{1, 1}, {2, 2}, {3, 3}, {4, 4}});
  array.SetCount(2);
  EXPECT_EQ(array.Item(3), nullptr);
  const Entry added{7, 7};
  EXPECT_EQ(array.Add(&added), 3);
  EXPECT_EQ(EntryAt(array, 3), added);
  array.SetCount(5);
  EXPECT_EQ(Entries(array), (std::vector<Entry>{{1, 1}, {2, 2}, {7, 7}, {0, 0}, {0, 0}}));
  array.Clear();
  EXPECT_EQ(array.Count(), 0);
}

TEST(WABSArrayIndexTest, KeptFileHoldsHeaderCountRecordSizeAndRecords) {
  test::ScratchFolder folder;
  const std::string path = folder.Path("index.bin");
  {
    WABSArrayIndex array(path, true, sizeof(Entry), 0);
    AddAll(array, {{0x01020304, 5}, {6, 7}});
  }
  const std::string bytes = test::ReadFile(path).substr(0, 32);
  EXPECT_EQ(bytes, std::string("\1\0\0\0\x20\0\0\0\2\0\0\0\x08\0\0\0"
                               "\4\3\2\1\5\0\0\0\6\0\0\0\7\0\0\0",
                               32));
}

TEST(WABSArrayIndexTest, NamedFileIsDeletedUnlessKept) {
  test::ScratchFolder folder;
  const std::string path = folder.Path("index.bin");
  { WABSArrayIndex array(path, false, 4, 0); }
  EXPECT_FALSE(std::filesystem::exists(path));
}

// Ranges of at most 10 records are finished by insertion sort alone, which keeps equal keys in order.
class WABSArrayIndexSmallSortTest : public testing::TestWithParam<int> {};

TEST_P(WABSArrayIndexSmallSortTest, KeepsEqualRecordsInTheirOrder) {
  for (unsigned seed = 0; seed < 20; ++seed) {
    std::vector<Entry> entries = RandomEntries(static_cast<std::size_t>(GetParam()), 3, seed);
    WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
    AddAll(array, entries);
    array.Sort(CompareKeys, nullptr, false);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    EXPECT_EQ(Entries(array), entries) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(UpToTenRecords, WABSArrayIndexSmallSortTest, testing::Values(1, 2, 3, 7, 10));

struct SortRow {
  const char* shape;
  std::vector<Entry> entries;
  friend void PrintTo(const SortRow& row, std::ostream* out) { *out << row.shape; }
};

class WABSArrayIndexSortTest : public testing::TestWithParam<SortRow> {};

TEST_P(WABSArrayIndexSortTest, OrdersLikeStdSortAndKeepsEveryRecord) {
  std::vector<Entry> expected = GetParam().entries;
  WABSArrayIndex array(std::string(), false, sizeof(Entry), static_cast<std::int32_t>(expected.size()));
  AddAll(array, expected);
  array.Sort(CompareKeys, nullptr, false);
  std::vector<Entry> sorted = Entries(array);
  EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                             [](const Entry& a, const Entry& b) { return a.key < b.key; }));
  const auto byKeyThenSerial = [](const Entry& a, const Entry& b) {
    return std::tie(a.key, a.serial) < std::tie(b.key, b.serial);
  };
  std::sort(sorted.begin(), sorted.end(), byKeyThenSerial);
  std::sort(expected.begin(), expected.end(), byKeyThenSerial);
  EXPECT_EQ(sorted, expected);
  EXPECT_TRUE(array.IsSorted());
}

std::vector<Entry> Shaped(std::size_t count, std::int32_t (*key)(std::int32_t, std::int32_t)) {
  std::vector<Entry> entries;
  const auto n = static_cast<std::int32_t>(count);
  for (std::int32_t i = 0; i < n; ++i) entries.push_back({key(i, n), i});
  return entries;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, WABSArrayIndexSortTest,
    testing::Values(SortRow{"eleven records need one partition", RandomEntries(11, 5, 1)},
                    SortRow{"random with many duplicates", RandomEntries(5000, 10, 2)},
                    SortRow{"random, large, kept in a file", RandomEntries(100000, 1 << 30, 3)},
                    SortRow{"ascending", Shaped(4000, [](std::int32_t i, std::int32_t) { return i; })},
                    SortRow{"descending", Shaped(4000, [](std::int32_t i, std::int32_t n) { return n - i; })},
                    SortRow{"all equal", Shaped(4000, [](std::int32_t, std::int32_t) { return 7; })},
                    SortRow{"organ pipe",
                            Shaped(4001, [](std::int32_t i, std::int32_t n) { return std::min(i, n - i); })}),
    [](const testing::TestParamInfo<SortRow>& info) { return test::RuleName(info.param.shape); });

TEST(WABSArrayIndexTest, SortRunsAgainOnlyAfterAChange) {
  WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
  AddAll(array, RandomEntries(50, 20, 4));
  Counter counter;
  array.Sort(CompareKeys, &counter, false);
  EXPECT_GT(counter.comparisons, 0);
  const auto sortAgain = [&] {
    counter.comparisons = 0;
    array.Sort(CompareKeys, &counter, false);
    return counter.comparisons;
  };
  EXPECT_EQ(sortAgain(), 0);
  const Entry entry{3, 99};
  array.SetItem(1, &entry);
  EXPECT_GT(sortAgain(), 0);
  array.Add(&entry);
  EXPECT_GT(sortAgain(), 0);
  array.SetCount(20);
  EXPECT_GT(sortAgain(), 0);
  EXPECT_EQ(sortAgain(), 0);
}

TEST(WABSArrayIndexTest, YieldingSortLetsEventsThroughAtTheStartAndEvery25Steps) {
  int calls = 0;
  EventsHook hook([&] { ++calls; });
  WABSArrayIndex small(std::string(), false, sizeof(Entry), 0);
  AddAll(small, RandomEntries(5, 5, 5));
  small.Sort(CompareKeys, nullptr, true);
  EXPECT_EQ(calls, 1);
  WABSArrayIndex large(std::string(), false, sizeof(Entry), 0);
  AddAll(large, RandomEntries(20000, 1000, 6));
  large.Sort(CompareKeys, nullptr, false);
  EXPECT_EQ(calls, 1);
  const Entry entry{1, 1};
  large.Add(&entry);
  large.Sort(CompareKeys, nullptr, true);
  EXPECT_GT(calls, 2);
}

TEST(WABSArrayIndexTest, SortRequestedWhileSortingIsIgnored) {
  WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
  AddAll(array, RandomEntries(2000, 100, 7));
  Counter nested;
  EventsHook hook([&] { array.Sort(CompareKeys, &nested, true); });
  array.Sort(CompareKeys, nullptr, true);
  EXPECT_EQ(nested.comparisons, 0);
  EXPECT_TRUE(array.IsSorted());
}

// The events may grow the store past the memory limit and move it; the sort must follow it.
TEST(WABSArrayIndexTest, ChangeDuringAYieldingSortLeavesTheArrayUnsorted) {
  WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
  AddAll(array, RandomEntries(60000, 1 << 20, 8));
  int calls = 0;
  // Not on the first call, which comes before the sort has touched a record.
  EventsHook hook([&] {
    if (++calls == 2) AddAll(array, RandomEntries(10000, 1 << 20, 9));
  });
  array.Sort(CompareKeys, nullptr, true);
  EXPECT_FALSE(array.IsSorted());
  const std::vector<Entry> entries = Entries(array);
  const auto byKey = [](const Entry& a, const Entry& b) { return a.key < b.key; };
  EXPECT_TRUE(std::is_sorted(entries.begin(), entries.begin() + 60000, byKey));
  array.Sort(CompareKeys, nullptr, false);
  const std::vector<Entry> all = Entries(array);
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), byKey));
  EXPECT_EQ(all.size(), 70000u);
}

TEST(WABSArrayIndexTest, FailedComparisonLeavesTheArrayReadyToSortAgain) {
  WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
  AddAll(array, RandomEntries(100, 10, 10));
  Counter counter{0, true};
  EXPECT_THROW(array.Sort(CompareKeys, &counter, false), std::runtime_error);
  EXPECT_FALSE(array.IsSorted());
  counter.fail = false;
  array.Sort(CompareKeys, &counter, false);
  EXPECT_TRUE(array.IsSorted());
}

TEST(WABSArrayIndexTest, FindSearchesTheSortedRecords) {
  WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
  AddAll(array, {{9, 1}, {3, 2}, {5, 3}, {1, 4}, {3, 5}});
  array.Sort(CompareKeys, nullptr, false);
  const std::pair<std::int32_t, std::vector<std::int32_t>> rows[] = {
      {1, {1}}, {3, {2, 3}}, {5, {4}}, {9, {5}}, {0, {0}}, {4, {0}}, {10, {0}},
  };
  for (const auto& [key, found] : rows) {
    SCOPED_TRACE(key);
    EXPECT_NE(std::find(found.begin(), found.end(), array.Find(CompareToKey, &key)), found.end());
  }
}

TEST(WABSArrayIndexTest, RecordsSurviveTheMoveToAScratchFile) {
  const std::vector<Entry> entries = RandomEntries(100000, 1 << 30, 11);
  WABSArrayIndex array(std::string(), false, sizeof(Entry), 0);
  AddAll(array, entries);
  EXPECT_TRUE(test::TemporaryStoreFiles().empty());
  EXPECT_EQ(Entries(array), entries);
}

}  // namespace
}  // namespace kinshelf
