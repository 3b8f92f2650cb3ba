// The family table: record layout, ranges, children across blocks, the duplicate child rule, the
// lazy sort of children and counts beyond 16 bits.
#include "fileaccess/WFamLinks.h"

#include <gtest/gtest.h>

#include <vector>

#include "fileaccess/LittleEndian.h"

namespace kinshelf {
namespace {

std::vector<std::int32_t> ChildrenOf(const WFamLinks& families, std::int32_t family) {
  std::vector<std::int32_t> children;
  for (std::int32_t n = 1; n <= families.ChildCount(family); ++n)
    children.push_back(families.Child(family, n));
  return children;
}

TEST(WFamLinksTest, StartsWithZeroedFamiliesAndStoresTheRecordLittleEndian) {
  WFamLinks families(2);
  ASSERT_EQ(families.Count(), 2);
  EXPECT_EQ(families.Husband(2), 0);
  EXPECT_EQ(families.ChildCount(2), 0);
  families.SetHusband(2, 300);
  families.SetWife(2, 70000);
  families.AddChild(2, 5, 0);
  const unsigned char* record = families.Item(2);
  EXPECT_EQ(record[0], 0);
  EXPECT_EQ(LoadUint32LE(record + 4), 300u);
  EXPECT_EQ(LoadUint32LE(record + 8), 70000u);
  EXPECT_EQ(LoadUint32LE(record + 12), 1u);
  EXPECT_EQ(LoadUint32LE(record + 16), 1u);
  EXPECT_EQ(LoadUint32LE(record + 20), 0u);
  EXPECT_EQ(LoadUint32LE(families.Item(1) + 4), 0u);
}

TEST(WFamLinksTest, FamiliesOutOfRangeAreIgnoredAndGiveZero) {
  WFamLinks families(1);
  for (const std::int32_t family : {0, -1, 2}) {
    families.SetHusband(family, 1);
    families.SetWife(family, 1);
    families.AddChild(family, 1, 0);
    families.SortChildren(family, true);
    EXPECT_EQ(families.Husband(family), 0);
    EXPECT_EQ(families.Wife(family), 0);
    EXPECT_EQ(families.ChildCount(family), 0);
    EXPECT_EQ(families.Child(family, 1), 0);
  }
  EXPECT_EQ(families.Count(), 1);
  EXPECT_EQ(families.Husband(1), 0);
}

TEST(WFamLinksTest, AFourthChildStartsASecondBlock) {
  WFamLinks families(1);
  for (std::int32_t child = 11; child <= 14; ++child) families.AddChild(1, child, 0);
  EXPECT_EQ(families.ChildCount(1), 4);
  EXPECT_EQ(families.Child(1, 4), 14);
  EXPECT_EQ(families.Child(1, 0), 0);
  EXPECT_EQ(families.Child(1, 5), 0);
  EXPECT_EQ(families.ChildOrder(1, 5), 0);
}

TEST(WFamLinksTest, AddingAChildTwiceKeepsOneLinkWithTheNewOrder) {
  WFamLinks families(1);
  families.AddChild(1, 7, 3);
  families.AddChild(1, 8, 4);
  families.AddChild(1, 7, 9);
  EXPECT_EQ(families.ChildCount(1), 2);
  EXPECT_EQ(ChildrenOf(families, 1), (std::vector<std::int32_t>{7, 8}));
  EXPECT_EQ(families.ChildOrder(1, 1), 9);
}

TEST(WFamLinksTest, SortingDisabledKeepsTheAddedOrder) {
  WFamLinks families(1);
  families.AddChild(1, 1, 2);
  families.AddChild(1, 2, 0);
  families.AddChild(1, 3, 1);
  families.SortChildren(1, false);
  EXPECT_EQ(ChildrenOf(families, 1), (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_FALSE(families.ChildrenSorted(1));
}

TEST(WFamLinksTest, SortsByOrderValueAndSortsAgainAfterAnAddedChild) {
  WFamLinks families(1);
  families.AddChild(1, 1, 2);
  families.AddChild(1, 2, 0);
  families.AddChild(1, 3, 1);
  families.SortChildren(1, true);
  EXPECT_EQ(ChildrenOf(families, 1), (std::vector<std::int32_t>{2, 3, 1}));
  EXPECT_EQ(families.ChildOrder(1, 3), 2);
  EXPECT_TRUE(families.ChildrenSorted(1));
  EXPECT_EQ(families.Item(1)[0], 2);
  families.AddChild(1, 4, -1);
  EXPECT_FALSE(families.ChildrenSorted(1));
  families.SortChildren(1, true);
  EXPECT_EQ(ChildrenOf(families, 1), (std::vector<std::int32_t>{4, 2, 3, 1}));
}

TEST(WFamLinksTest, SortsEveryChildOfALargeFamilyKeepingEqualOrdersAsAdded) {
  constexpr std::int32_t kChildren = 700;
  WFamLinks families(1);
  for (std::int32_t child = 1; child <= kChildren; ++child)
    families.AddChild(1, child, (kChildren - child) / 2);
  families.SortChildren(1, true);
  const std::vector<std::int32_t> sorted = ChildrenOf(families, 1);
  ASSERT_EQ(sorted.size(), static_cast<std::size_t>(kChildren));
  EXPECT_EQ(sorted.front(), kChildren - 1);
  EXPECT_EQ(sorted[1], kChildren);
  EXPECT_EQ(sorted[kChildren - 2], 1);
  EXPECT_EQ(sorted.back(), 2);
  for (std::size_t i = 1; i < sorted.size(); ++i)
    EXPECT_LE(families.ChildOrder(1, static_cast<std::int32_t>(i)),
              families.ChildOrder(1, static_cast<std::int32_t>(i + 1)));
}

TEST(WFamLinksTest, ChildrenOfLargeFamiliesAddedTwiceStayOnceInTheirFirstPlaces) {
  // As a reader links them: each child once from its own record, then again, with its place among
  // the family's children as order value, in another order.
  constexpr std::int32_t kChildren = 1500;
  WFamLinks families(2);
  for (std::int32_t child = 1; child <= kChildren; ++child) {
    families.AddChild(1, child, 0);
    families.AddChild(2, kChildren + child, 0);
  }
  std::vector<std::int32_t> firstPlaces;
  for (std::int32_t child = 1; child <= kChildren; ++child) firstPlaces.push_back(child);
  for (std::int32_t k = 0; k < kChildren; ++k) {
    const std::int32_t child = (k * 7) % kChildren + 1;  // every child once, 7 apart
    families.AddChild(1, child, k);
  }
  EXPECT_EQ(families.ChildCount(1), kChildren);
  EXPECT_EQ(families.ChildCount(2), kChildren);
  EXPECT_EQ(ChildrenOf(families, 1), firstPlaces);
  for (std::int32_t n = 1; n <= kChildren; ++n) {
    EXPECT_EQ(families.Child(2, n), kChildren + n);
    EXPECT_EQ((families.ChildOrder(1, n) * 7) % kChildren + 1, n);
  }
  families.SortChildren(1, true);
  for (std::int32_t n = 1; n <= kChildren; ++n)
    ASSERT_EQ(families.Child(1, n), ((n - 1) * 7) % kChildren + 1);
}

TEST(WFamLinksTest, AChildCountAbove65535DoesNotWrap) {
  WFamLinks families(1);
  families.AddChild(1, 1, 0);
  StoreUint32LE(families.Item(1) + 12, 65535);  // as if 65535 children were already added
  families.AddChild(1, 2, 0);
  EXPECT_EQ(families.ChildCount(1), 65536);
  EXPECT_EQ(LoadUint32LE(families.Item(1) + 12), 65536u);
}

}  // namespace
}  // namespace kinshelf
