// The integer array: zero-filled creation, range rules of its getters and setters, and the way the
// catalog listing fills it.
#include "fileaccess/WIntArray.h"

#include <gtest/gtest.h>

#include <memory>

namespace kinshelf {
namespace {

TEST(WIntArrayTest, StartsWithTheRequestedNumberOfZeros) {
  WIntArray array(std::string(), 3);
  EXPECT_EQ(array.Count(), 3);
  for (std::int32_t i = 1; i <= 3; ++i) EXPECT_EQ(array.GetValue(i), 0);
}

TEST(WIntArrayTest, SetCountOnAnEmptyArrayGivesZeros) {
  WIntArray array(std::string(), 0);
  array.SetCount(5);
  EXPECT_EQ(array.GetValue(5), 0);
  EXPECT_EQ(array.GetValue(6), 0);
}

TEST(WIntArrayTest, OutOfRangeIndexesAreIgnored) {
  WIntArray array(std::string(), 2);
  array.SetValue(0, 5);
  array.SetValue(3, 5);
  array.SetValue(-1, 5);
  EXPECT_EQ(array.Count(), 2);
  EXPECT_EQ(array.GetValue(-1), 0);
  EXPECT_EQ(array.GetValue(1), 0);
  EXPECT_EQ(array.GetValue(2), 0);
}

TEST(WIntArrayTest, KeepsSignedValuesAsTheListingAddsThem) {
  auto list = std::make_unique<WIntArray>(std::string(), 0);
  EXPECT_EQ(list->AddValue(-5), 1);
  EXPECT_EQ(list->AddValue(2147483647), 2);
  list->SetValue(1, -2147483647 - 1);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(list->GetValue(1), -2147483647 - 1);
  EXPECT_EQ(list->GetValue(2), 2147483647);
  list->Fill(-1);
  EXPECT_EQ(list->GetValue(1), -1);
  EXPECT_EQ(list->GetValue(2), -1);
}

}  // namespace
}  // namespace kinshelf
