// The link array: block layout, positions along a chain of several blocks, the duplicate rule,
// rewriting links, chains out of range and damaged chains that loop.
#include "fileaccess/WLinkArray.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kinshelf
