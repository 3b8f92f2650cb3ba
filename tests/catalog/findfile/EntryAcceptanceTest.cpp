// The per-entry tests of the file search as tables: attribute sets, extended attributes, date bounds
// of the three kinds and size limits.
#include "catalog/findfile/EntryAcceptance.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/DateTime.h"

namespace kinshelf {
namespace {

using platform::attr::kArchive;
using platform::attr::kDirectory;
using platform::attr::kHidden;
using platform::attr::kReadOnly;
using platform::attr::kReparsePoint;
using platform::attr::kSystem;

const std::uint32_t kDefaultSet = TAttributeCriteria{}.Attributes;
const std::uint32_t kCatalogSet = ffArchive | ffReadonly;

struct AttributeRow {
  const char* label;
  std::uint32_t set;
  bool exact;
  std::uint32_t attributes;
  bool matches;
};

// Rows print as their labels in test output.
void PrintTo(const AttributeRow& row, std::ostream* out) {
  *out << row.label;
}

class FindFileAttributesTest : public testing::TestWithParam<AttributeRow> {};

TEST_P(FindFileAttributesTest, MatchesAsTheSetSays) {
  const AttributeRow& row = GetParam();
  EXPECT_EQ(AttributesMatch(row.attributes, TAttributeCriteria{row.set, row.exact}), row.matches);
}

const AttributeRow kAttributeRows[] = {
    {"DefaultTakesPlainFile", kDefaultSet, false, kArchive, true},
    {"DefaultTakesHiddenFile", kDefaultSet, false, kArchive | kHidden, true},
    {"DefaultTakesSystemEntry", kDefaultSet, false, kSystem, true},
    {"DefaultRejectsFolder", kDefaultSet, false, kDirectory, false},
    {"DefaultTakesLinkAsItHasNoTestedBit", kDefaultSet, false, kReparsePoint, true},
    {"CatalogSetTakesReadOnlyFile", kCatalogSet, false, kArchive | kReadOnly, true},
    {"CatalogSetRejectsHiddenFile", kCatalogSet, false, kArchive | kHidden, false},
    {"CatalogSetRejectsSystemEntry", kCatalogSet, false, kSystem, false},
    {"ExactNeedsEveryBit", ffArchive | ffReadonly, true, kArchive, false},
    {"ExactTakesTheSameBits", ffArchive | ffReadonly, true, kArchive | kReadOnly, true},
    {"ExactIgnoresUntestedBits", ffArchive, true, kArchive | kReparsePoint, true},
};

INSTANTIATE_TEST_SUITE_P(Rows, FindFileAttributesTest, testing::ValuesIn(kAttributeRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(FindFileAttributes, OnlyTheReadOnlyBitNeedsAStatus) {
  EXPECT_FALSE(AttributeTestNeedsStatus(TAttributeCriteria{kCatalogSet, false}));
  EXPECT_FALSE(AttributeTestNeedsStatus(TAttributeCriteria{}));
  EXPECT_TRUE(AttributeTestNeedsStatus(TAttributeCriteria{ffArchive, false}));
  EXPECT_TRUE(AttributeTestNeedsStatus(TAttributeCriteria{kCatalogSet, true}));

  TAttributeCriteriaEx ex;
  ex.SetReparsePoint(fsUnset);
  ex.SetHidden(fsSet);
  EXPECT_FALSE(ex.NeedsStatus());
  ex.SetReadonly(fsUnset);
  EXPECT_TRUE(ex.NeedsStatus());
  ex.SetReadonly(fsIgnore);
  EXPECT_FALSE(ex.NeedsStatus());
}

TEST(FindFileAttributes, ExtendedConditionsNeedSetAndClearBits) {
  TAttributeCriteriaEx ex;
  EXPECT_TRUE(ex.Matches(kReparsePoint | kHidden));
  ex.SetReparsePoint(fsUnset);
  ex.SetArchive(fsSet);
  EXPECT_TRUE(ex.Matches(kArchive | kHidden));
  EXPECT_FALSE(ex.Matches(kReparsePoint));
  EXPECT_FALSE(ex.Matches(kArchive | kReparsePoint));
  ex.SetArchive(fsUnset);
  EXPECT_EQ(ex.MustBeSet(), 0u);
  EXPECT_EQ(ex.MustBeClear(), kArchive | kReparsePoint);
}

double At(int year, int month, int day, int hour = 0, int minute = 0) {
  return platform::EncodeDateTime({year, month, day, hour, minute, 0, 0});
}
double TimeOnly(int hour, int minute) {
  return platform::EncodeDateTime({1899, 12, 30, hour, minute, 0, 0});
}

// The entry's time in every row: 15 June 2020 10:30.
const double kEntryTime = At(2020, 6, 15, 10, 30);

struct BoundRow {
  const char* label;
  bool upper;
  double bound;
  bool holds;
};

// Rows print as their labels in test output.
void PrintTo(const BoundRow& row, std::ostream* out) {
  *out << row.label;
}

class FindFileDatesTest : public testing::TestWithParam<BoundRow> {};

TEST_P(FindFileDatesTest, BoundHoldsAsItsKindSays) {
  const BoundRow& row = GetParam();
  const bool holds =
      row.upper ? UpperBoundHolds(kEntryTime, row.bound) : LowerBoundHolds(kEntryTime, row.bound);
  EXPECT_EQ(holds, row.holds);
}

const BoundRow kBoundRows[] = {
    {"UnsetUpper", true, 0, true},
    {"UnsetLower", false, 0, true},
    {"DateUpperSameDayHolds", true, At(2020, 6, 15), true},
    {"DateUpperDayBeforeFails", true, At(2020, 6, 14), false},
    {"DateLowerSameDayHolds", false, At(2020, 6, 15), true},
    {"DateLowerDayAfterFails", false, At(2020, 6, 16), false},
    {"DateTimeUpperLaterHolds", true, At(2020, 6, 15, 10, 31), true},
    {"DateTimeUpperEarlierFails", true, At(2020, 6, 15, 10, 29), false},
    {"DateTimeLowerEarlierHolds", false, At(2020, 6, 15, 10, 29), true},
    {"DateTimeLowerLaterFails", false, At(2020, 6, 15, 10, 31), false},
    {"TimeUpperLaterHoldsOnAnyDay", true, TimeOnly(11, 0), true},
    {"TimeUpperEarlierFails", true, TimeOnly(10, 0), false},
    {"TimeLowerEarlierHolds", false, TimeOnly(10, 0), true},
    {"TimeLowerLaterFails", false, TimeOnly(11, 0), false},
};

INSTANTIATE_TEST_SUITE_P(Rows, FindFileDatesTest, testing::ValuesIn(kBoundRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(FindFileDates, EachPairTestsItsOwnTime) {
  platform::FileStatus status;
  status.created = At(2001, 1, 1);
  status.modified = kEntryTime;
  status.accessed = At(2024, 3, 3);
  TDateTimeCriteria criteria;
  criteria.ModifiedAfter = At(2020, 1, 1);
  criteria.ModifiedBefore = At(2020, 12, 31);
  EXPECT_TRUE(DatesMatch(status, criteria));
  criteria.AccessedBefore = At(2023, 1, 1);
  EXPECT_FALSE(DatesMatch(status, criteria));
  criteria.AccessedBefore = 0;
  criteria.CreatedAfter = At(2002, 1, 1);
  EXPECT_FALSE(DatesMatch(status, criteria));
}

TEST(FindFileDates, MissingBirthTimeFailsOnlyCreatedBounds) {
  platform::FileStatus status;
  status.modified = kEntryTime;
  TDateTimeCriteria criteria;
  criteria.ModifiedBefore = At(2021, 1, 1);
  EXPECT_TRUE(DatesMatch(status, criteria));
  criteria.CreatedBefore = At(2100, 1, 1);
  EXPECT_FALSE(DatesMatch(status, criteria));
}

TEST(FindFileSize, LimitsAreInclusiveAndZeroIsUnset) {
  EXPECT_TRUE(SizeMatches(0, TSizeCriteria{}));
  EXPECT_TRUE(SizeMatches(100, TSizeCriteria{100, 100}));
  EXPECT_FALSE(SizeMatches(99, TSizeCriteria{100, 0}));
  EXPECT_FALSE(SizeMatches(101, TSizeCriteria{0, 100}));
  EXPECT_TRUE(SizeMatches(std::int64_t{5} << 32, TSizeCriteria{std::int64_t{4} << 32, 0}));
}

}  // namespace
}  // namespace kinshelf
