// The order of an exchange sort found without running it: the same as running it, for every
// arrangement of a few ranks and for long random ones, including the reordering of equal ranks.
#include "gedcom/ExchangeSortOrder.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

namespace kinshelf {
namespace {

// The sort itself, carrying the original places along.
std::vector<std::size_t> RunExchangeSort(std::vector<std::int64_t> ranks) {
  std::vector<std::size_t> places(ranks.size());
  std::iota(places.begin(), places.end(), std::size_t{0});
  for (std::size_t i = 0; i < ranks.size(); ++i) {
    for (std::size_t j = i + 1; j < ranks.size(); ++j) {
      if (ranks[j] < ranks[i]) {
        std::swap(ranks[i], ranks[j]);
        std::swap(places[i], places[j]);
      }
    }
  }
  return places;
}

TEST(ExchangeSortOrder, ReordersEqualRanksAsTheSortDoes) {
  // Not stable: carrying the first 5 to the place of the 1 puts it behind the second 5.
  EXPECT_EQ(ExchangeSortOrder({5, 5, 1}), (std::vector<std::size_t>{2, 1, 0}));
  EXPECT_EQ(ExchangeSortOrder({}), std::vector<std::size_t>{});
  EXPECT_EQ(ExchangeSortOrder({3}), std::vector<std::size_t>{0});
}

TEST(ExchangeSortOrder, MatchesTheSortForEveryArrangementOfUpToEightItemsOfThreeRanks) {
  for (std::size_t size = 0; size <= 8; ++size) {
    std::size_t arrangements = 1;
    for (std::size_t i = 0; i < size; ++i) arrangements *= 3;
    for (std::size_t code = 0; code < arrangements; ++code) {
      std::vector<std::int64_t> ranks;
      for (std::size_t rest = code, i = 0; i < size; ++i, rest /= 3)
        ranks.push_back(static_cast<std::int64_t>(rest % 3));
      ASSERT_EQ(ExchangeSortOrder(ranks), RunExchangeSort(ranks)) << size << " " << code;
    }
  }
}

TEST(ExchangeSortOrder, MatchesTheSortForLongRandomRankings) {
  std::mt19937_64 random(11);
  for (int round = 0; round < 300; ++round) {
    const std::size_t size = 1 + random() % 700;
    const std::int64_t spread = 1 + static_cast<std::int64_t>(random() % 40);
    std::vector<std::int64_t> ranks;
    for (std::size_t i = 0; i < size; ++i)
      ranks.push_back(static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(spread)) * 1000003 -
                      5000000);
    ASSERT_EQ(ExchangeSortOrder(ranks), RunExchangeSort(ranks)) << round;
  }
}

TEST(ExchangeSortOrder, MatchesTheSortForRankingsInRunsAndDescending) {
  std::vector<std::int64_t> descending;
  std::vector<std::int64_t> runs;
  for (std::int64_t i = 0; i < 900; ++i) {
    descending.push_back(900 - i / 3);
    runs.push_back(i % 17 == 0 ? 0 : i / 50);
  }
  EXPECT_EQ(ExchangeSortOrder(descending), RunExchangeSort(descending));
  EXPECT_EQ(ExchangeSortOrder(runs), RunExchangeSort(runs));
}

}  // namespace
}  // namespace kinshelf
