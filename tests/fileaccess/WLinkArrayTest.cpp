// The link array: block layout, positions along a chain of several blocks, the duplicate rule,
// rewriting links, chains out of range and damaged chains that loop; long chains, whose remembered
// ends and read cursors must give what walking them gives.
#include "fileaccess/WLinkArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "fileaccess/LittleEndian.h"

namespace kinshelf {
namespace {

std::int32_t FieldAt(const WLinkArray& links, std::int32_t block, int offset) {
  return static_cast<std::int32_t>(LoadUint32LE(links.Item(block) + offset));
}

// A chain holding keys 1 to count, each with order value 10 times its key.
std::int32_t ChainOf(WLinkArray& links, std::int32_t count) {
  const std::int32_t chain = links.NewChain(1, 10, 0, 0);
  for (std::int32_t key = 2; key <= count; ++key) links.AddLink(chain, false, key, key * 10, 0, 0);
  return chain;
}

// What a chain holds by the rules alone: links in the order added, a key already there (unless
// duplicates are allowed) only taking the new order value at its first link.
class ChainModel {
 public:
  std::int32_t Add(bool allowDuplicate, const WLinkArray::Link& link) {
    if (!allowDuplicate) {
      const auto found = std::find_if(links_.begin(), links_.end(),
                                      [&](const WLinkArray::Link& kept) { return kept.key == link.key; });
      if (found != links_.end()) {
        found->order = link.order;
        return 0;
      }
    }
    links_.push_back(link);
    return 1;
  }
  std::vector<WLinkArray::Link>& Links() { return links_; }
  std::int32_t Position(std::int32_t key) const {
    for (std::size_t i = 0; i < links_.size(); ++i) {
      if (links_[i].key == key) return static_cast<std::int32_t>(i + 1);
    }
    return 0;
  }

 private:
  std::vector<WLinkArray::Link> links_;
};

// Every position of the chain, and one past it, reads as the model says.
void ExpectChainAsModel(const WLinkArray& links, std::int32_t chain, ChainModel& model) {
  const std::vector<WLinkArray::Link>& expected = model.Links();
  for (std::size_t i = 0; i <= expected.size(); ++i) {
    const auto n = static_cast<std::int32_t>(i + 1);
    const std::optional<WLinkArray::Link> link = links.GetLink(chain, n);
    if (i == expected.size()) {
      EXPECT_FALSE(link.has_value()) << n;
      EXPECT_EQ(links.LinkKey(chain, n), 0);
      continue;
    }
    ASSERT_TRUE(link.has_value()) << n;
    EXPECT_EQ(link->key, expected[i].key) << n;
    EXPECT_EQ(link->first, expected[i].first) << n;
    EXPECT_EQ(link->second, expected[i].second) << n;
    EXPECT_EQ(links.LinkOrder(chain, n), expected[i].order) << n;
  }
  EXPECT_EQ(links.Links(chain).size(), expected.size());
}

TEST(WLinkArrayTest, BlocksHoldThreeLinksAndTheNextBlockLittleEndian) {
  WLinkArray links(2);
  const std::int32_t chain = links.NewChain(7, -3, 100, 200);
  EXPECT_EQ(chain, 1);
  EXPECT_EQ(links.AddLink(chain, true, 8, 4, 5, 6), 1);
  EXPECT_EQ(links.AddLink(chain, true, 9, 0, 0, 0), 1);
  EXPECT_EQ(links.AddLink(chain, true, 10, 0, 0, 0), 1);
  ASSERT_EQ(links.Count(), 2);
  const std::vector<std::int32_t> first{7, 100, 200, -3, 8, 5, 6, 4, 9, 0, 0, 0, 2};
  for (std::size_t i = 0; i < first.size(); ++i)
    EXPECT_EQ(FieldAt(links, 1, static_cast<int>(i * 4)), first[i]) << i;
  EXPECT_EQ(FieldAt(links, 2, 0), 10);
  EXPECT_EQ(FieldAt(links, 2, 16), 0);
  EXPECT_EQ(FieldAt(links, 2, 48), 0);
}

TEST(WLinkArrayTest, PositionsRunAcrossTheBlocksOfAChain) {
  WLinkArray links(4);
  const std::int32_t chain = ChainOf(links, 7);
  EXPECT_EQ(links.Count(), 3);
  for (std::int32_t n = 1; n <= 7; ++n) {
    EXPECT_EQ(links.LinkKey(chain, n), n);
    EXPECT_EQ(links.LinkOrder(chain, n), n * 10);
    EXPECT_EQ(links.Position(chain, n), n);
  }
  EXPECT_EQ(links.LinkKey(chain, 0), 0);
  EXPECT_EQ(links.LinkKey(chain, 8), 0);
  EXPECT_EQ(links.LinkOrder(chain, 9), 0);
  EXPECT_EQ(links.Position(chain, 99), 0);
  EXPECT_FALSE(links.GetLink(chain, 8).has_value());
}

TEST(WLinkArrayTest, InterleavedChainsKeepTheirOwnLinks) {
  WLinkArray links(1);
  const std::int32_t a = links.NewChain(1, 0, 0, 0);
  const std::int32_t b = links.NewChain(101, 0, 0, 0);
  for (std::int32_t i = 2; i <= 5; ++i) {
    links.AddLink(a, false, i, 0, 0, 0);
    links.AddLink(b, false, 100 + i, 0, 0, 0);
  }
  std::vector<std::int32_t> keysA;
  std::vector<std::int32_t> keysB;
  for (const WLinkArray::Link& link : links.Links(a)) keysA.push_back(link.key);
  for (const WLinkArray::Link& link : links.Links(b)) keysB.push_back(link.key);
  EXPECT_EQ(keysA, (std::vector<std::int32_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(keysB, (std::vector<std::int32_t>{101, 102, 103, 104, 105}));
}

TEST(WLinkArrayTest, ADuplicateKeyOnlyReplacesTheOrderUnlessDuplicatesAreAllowed) {
  WLinkArray links(1);
  const std::int32_t chain = links.NewChain(5, 1, 11, 12);
  EXPECT_EQ(links.AddLink(chain, false, 5, 9, 21, 22), 0);
  const auto link = links.GetLink(chain, 1);
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(link->key, 5);
  EXPECT_EQ(link->first, 11);
  EXPECT_EQ(link->second, 12);
  EXPECT_EQ(link->order, 9);
  EXPECT_EQ(links.LinkKey(chain, 2), 0);
  EXPECT_EQ(links.AddLink(chain, true, 5, 3, 0, 0), 1);
  EXPECT_EQ(links.LinkKey(chain, 2), 5);
  EXPECT_EQ(links.Position(chain, 5), 1);
}

TEST(WLinkArrayTest, SetLinkAndReplaceKeyRewriteKeyAndValuesButNotTheOrder) {
  WLinkArray links(2);
  const std::int32_t chain = ChainOf(links, 4);
  EXPECT_TRUE(links.SetLink(chain, 4, 41, 42, 44));
  EXPECT_EQ(links.GetLink(chain, 4)->key, 44);
  EXPECT_EQ(links.GetLink(chain, 4)->first, 41);
  EXPECT_EQ(links.GetLink(chain, 4)->second, 42);
  EXPECT_EQ(links.LinkOrder(chain, 4), 40);
  EXPECT_FALSE(links.SetLink(chain, 5, 0, 0, 5));
  EXPECT_TRUE(links.ReplaceKey(chain, 2, 21, 22, 20));
  EXPECT_EQ(links.Position(chain, 20), 2);
  EXPECT_EQ(links.Position(chain, 2), 0);
  EXPECT_EQ(links.LinkOrder(chain, 2), 20);
  EXPECT_FALSE(links.ReplaceKey(chain, 2, 0, 0, 3));
}

TEST(WLinkArrayTest, ChainsOutOfRangeDoNothing) {
  WLinkArray links(1);
  ChainOf(links, 2);
  for (const std::int32_t chain : {0, -1, 2}) {
    EXPECT_EQ(links.AddLink(chain, true, 1, 0, 0, 0), 0);
    EXPECT_EQ(links.LinkKey(chain, 1), 0);
    EXPECT_EQ(links.Position(chain, 1), 0);
    EXPECT_FALSE(links.SetLink(chain, 1, 0, 0, 1));
    EXPECT_TRUE(links.Links(chain).empty());
  }
  EXPECT_EQ(links.Count(), 1);
}

TEST(WLinkArrayTest, ADamagedChainThatLoopsEndsTheWalks) {
  WLinkArray links(2);
  const std::int32_t chain = ChainOf(links, 4);
  StoreUint32LE(links.Item(2) + 48, 1);  // the second block leads back to the first
  StoreUint32LE(links.Item(2) + 16, 5);  // and is full, so no walk ends at an empty link
  StoreUint32LE(links.Item(2) + 32, 6);
  EXPECT_EQ(links.Position(chain, 99), 0);
  EXPECT_EQ(links.LinkKey(chain, 1000), 0);
  EXPECT_EQ(links.AddLink(chain, false, 99, 0, 0, 0), 0);
  EXPECT_EQ(links.Links(chain).size(), 6u);
}

TEST(WLinkArrayTest, StoreLinksRewritesThePositionsItHas) {
  WLinkArray links(2);
  const std::int32_t chain = ChainOf(links, 5);
  links.StoreLinks(chain, {{9, 1, 2, 3}, {8, 0, 0, 4}});
  EXPECT_EQ(links.LinkKey(chain, 1), 9);
  EXPECT_EQ(links.LinkOrder(chain, 1), 3);
  EXPECT_EQ(links.LinkKey(chain, 2), 8);
  EXPECT_EQ(links.LinkKey(chain, 3), 3);
}

TEST(WLinkArrayTest, LongInterleavedChainsFollowTheDuplicateRuleAndReadInAnyOrder) {
  WLinkArray links(4);
  std::mt19937 random(7);
  constexpr int kChains = 6;  // more than the cursors kept
  std::vector<std::int32_t> chains;
  std::vector<ChainModel> models(kChains);
  for (int c = 0; c < kChains; ++c) {
    chains.push_back(links.NewChain(1000 * c + 1, 0, c, 0));
    models[c].Add(true, {1000 * c + 1, c, 0, 0});
  }
  for (std::int32_t step = 1; step <= 6000; ++step) {
    const auto c = static_cast<std::size_t>(random() % kChains);
    const WLinkArray::Link link{
        1000 * static_cast<std::int32_t>(c) + 1 + static_cast<std::int32_t>(random() % 700), step, -step,
        static_cast<std::int32_t>(random() % 50)};
    const bool allowDuplicate = random() % 4 == 0;
    ASSERT_EQ(links.AddLink(chains[c], allowDuplicate, link.key, link.order, link.first, link.second),
              models[c].Add(allowDuplicate, link))
        << step;
  }
  for (std::size_t n = 1; n <= 700; ++n) {  // position by position, the chains in turn
    for (int c = 0; c < kChains; ++c) {
      const std::vector<WLinkArray::Link>& expected = models[c].Links();
      const std::int32_t key = n <= expected.size() ? expected[n - 1].key : 0;
      ASSERT_EQ(links.LinkKey(chains[c], static_cast<std::int32_t>(n)), key) << c << " " << n;
    }
  }
  for (int c = 0; c < kChains; ++c) {
    ExpectChainAsModel(links, chains[c], models[c]);
    for (std::int32_t n = static_cast<std::int32_t>(models[c].Links().size()); n >= 1; n -= 97)
      EXPECT_EQ(links.LinkKey(chains[c], n), models[c].Links()[static_cast<std::size_t>(n - 1)].key);
    EXPECT_EQ(links.Position(chains[c], 1000 * c + 350), models[c].Position(1000 * c + 350));
  }
}

TEST(WLinkArrayTest, RewritingALongChainIsSeenByTheLinksAddedAfter) {
  WLinkArray links(8);
  ChainModel model;
  const std::int32_t chain = links.NewChain(1, 10, 0, 0);
  model.Add(false, {1, 0, 0, 10});
  for (std::int32_t key = 2; key <= 40; ++key) {
    links.AddLink(chain, false, key, key * 10, 0, 0);
    model.Add(false, {key, 0, 0, key * 10});
  }
  EXPECT_TRUE(links.ReplaceKey(chain, 5, 0, 0, 500));
  model.Links()[4].key = 500;
  EXPECT_EQ(links.AddLink(chain, false, 5, 1, 0, 0), model.Add(false, {5, 0, 0, 1}));
  EXPECT_EQ(links.AddLink(chain, false, 500, 2, 0, 0), model.Add(false, {500, 0, 0, 2}));
  std::vector<WLinkArray::Link> reversed(model.Links().rbegin(), model.Links().rend());
  links.StoreLinks(chain, reversed);
  model.Links() = reversed;
  EXPECT_EQ(links.AddLink(chain, false, 40, 3, 0, 0), model.Add(false, {40, 0, 0, 3}));
  EXPECT_EQ(links.AddLink(chain, false, 41, 4, 0, 0), model.Add(false, {41, 0, 0, 4}));
  EXPECT_TRUE(links.SetLink(chain, 2, 7, 8, 77));
  model.Links()[1] = {77, 7, 8, model.Links()[1].order};
  EXPECT_EQ(links.AddLink(chain, false, 77, 5, 0, 0), model.Add(false, {77, 0, 0, 5}));
  ExpectChainAsModel(links, chain, model);
}

TEST(WLinkArrayTest, LinksAddedFromALaterBlockOfALongChainAreSeenFromItsFirst) {
  WLinkArray links(8);
  const std::int32_t chain = ChainOf(links, 20);  // blocks 1 to 7, the last holding two links
  const std::int32_t later = 5;
  EXPECT_EQ(links.AddLink(later, false, 21, 210, 0, 0), 1);  // fills the last block
  EXPECT_EQ(links.AddLink(chain, false, 21, 211, 0, 0), 0);
  EXPECT_EQ(links.AddLink(later, false, 22, 220, 0, 0), 1);  // starts a new block
  EXPECT_EQ(links.AddLink(chain, false, 22, 221, 0, 0), 0);
  EXPECT_EQ(links.AddLink(chain, false, 23, 230, 0, 0), 1);
  EXPECT_EQ(links.Links(chain).size(), 23u);
  EXPECT_EQ(links.LinkOrder(chain, 21), 211);
  EXPECT_EQ(links.LinkOrder(chain, 22), 221);
  EXPECT_EQ(links.LinkKey(chain, 23), 23);
}

TEST(WLinkArrayTest, ALinkEmptiedInALongChainEndsItForReadsAndAddsAfter) {
  WLinkArray links(8);
  const std::int32_t chain = ChainOf(links, 20);
  for (std::int32_t n = 1; n <= 20; ++n) ASSERT_EQ(links.LinkKey(chain, n), n);
  EXPECT_TRUE(links.SetLink(chain, 5, 0, 0, 0));
  EXPECT_EQ(links.LinkKey(chain, 20), 0);
  EXPECT_EQ(links.LinkKey(chain, 4), 4);
  EXPECT_EQ(links.Links(chain).size(), 4u);
  EXPECT_EQ(links.AddLink(chain, false, 20, 7, 0, 0), 1);  // into the emptied link: 20 is out of reach
  EXPECT_EQ(links.LinkKey(chain, 5), 20);
  EXPECT_EQ(links.LinkOrder(chain, 20), 200);
}

TEST(WLinkArrayTest, ALongChainDamagedIntoALoopEndsTheWalksToo) {
  WLinkArray links(12);
  const std::int32_t chain = ChainOf(links, 30);  // ten full blocks
  EXPECT_EQ(links.LinkKey(chain, 30), 30);
  StoreUint32LE(links.Item(10) + 48, 1);  // the last block leads back to the first
  EXPECT_EQ(links.AddLink(chain, false, 99, 0, 0, 0), 0);
  EXPECT_EQ(links.LinkKey(chain, 31), 0);
  EXPECT_EQ(links.LinkKey(chain, 1000), 0);
  EXPECT_EQ(links.Position(chain, 99), 0);
  EXPECT_EQ(links.Links(chain).size(), 30u);
}

}  // namespace
}  // namespace kinshelf
