// The record indexes: identifier keys and their order, offsets and their errors, the individual
// links, and what the index and link passes put in them.
#include "gedcom/WXREFIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GedcomTestSupport.h"
#include "gedcom/ECompareError.h"
#include "gedcom/EIndexError.h"
#include "gedcom/WGEDIndIndex.h"
#include "gedcom/WIndLinks.h"
#include "gedcom/WOffsetIndex.h"
#include "model/WABSIndividual.h"
#include "model/WABSMarriage.h"

namespace kinshelf {
namespace {

using test::GedLines;
using test::LoadedGedcom;

std::vector<std::string> Keys(const WXREFIndex& index) {
  std::vector<std::string> keys;
  for (std::int32_t i = 1; i <= index.Count(); ++i) keys.emplace_back(index.KeyAt(i));
  return keys;
}

TEST(WXREFIndex, KeysInOrderNeverAskForASort) {
  WXREFIndex index(0);
  for (const char* key : {"I1", "I2", "I3", "I30"}) index.AddKey(key);
  EXPECT_FALSE(index.NeedsSort());
  EXPECT_EQ(index.FindKey("I30"), 4);
}

TEST(WXREFIndex, OneKeyOutOfOrderSortsOnceAtTheFirstLookup) {
  WXREFIndex index(0);
  for (const char* key : {"I1", "I2", "I10", "I3"}) index.AddKey(key);
  EXPECT_TRUE(index.NeedsSort());
  EXPECT_EQ(index.FindKey("I2"), 2);  // a numbered key, found without the sort
  EXPECT_TRUE(index.NeedsSort());
  EXPECT_EQ(index.FindKey("I02"), 0);
  EXPECT_FALSE(index.NeedsSort());
  EXPECT_EQ(Keys(index), (std::vector<std::string>{"I1", "I10", "I2", "I3"}));
  EXPECT_EQ(index.FindKey("I10"), 3);
  EXPECT_EQ(index.FindKey("I4"), 0);
}

TEST(WXREFIndex, KeysAreCaseSensitiveAndWhole) {
  WXREFIndex index(0);
  const std::string longId(40, 'a');
  index.AddKey(longId);
  index.AddKey("A");
  index.AddKey(longId.substr(0, 31) + "zzz");
  index.AddKey(std::string("I1\0ignored", 10));
  EXPECT_EQ(index.FindKey(longId), 1);
  EXPECT_EQ(index.FindKey(longId.substr(0, 31) + "zzz"), 3);
  EXPECT_EQ(index.FindKey(longId.substr(0, 31)), 0);
  EXPECT_EQ(index.FindKey("a"), 0);
  EXPECT_EQ(index.FindKey("A"), 2);
  EXPECT_EQ(index.FindKey("I1"), 4);
  EXPECT_EQ(index.KeyAt(2), "I1");
  EXPECT_EQ(index.KeyAt(3), longId);
}

// Numbered keys are found whatever mixes with them: repeats, numbers far beyond the count, leading
// zeros, other shapes, and more runs of letters than tables. A key found is one with that text, a
// key absent is not found.
TEST(WXREFIndex, NumberedKeysAreFoundWhateverMixesWithThem) {
  const std::vector<std::vector<std::string>> files = {
      {"I1", "I2", "F1", "I3"},
      {"I1", "I2", "I1", "I3"},
      {"I5", "I999999999", "I6", "I999999999"},
      {"I007", "I7", "I70", "@I8", "Ix9", "IIIII1", "i7"},
      {"A1", "B1", "C1", "D1", "E1", "G1", "H1", "J1", "K1", "L1"},
  };
  for (const auto& keys : files) {
    WXREFIndex index(0);
    for (const auto& key : keys) index.AddKey(key);
    for (const std::string probe : {"I1", "I2", "I3", "I4", "I6", "I7", "I007", "I70", "I999999999", "i7",
                                    "K1", "L1", "M1", "F1", "IIIII1", "@I8"}) {
      const std::int32_t found = index.FindKey(probe);
      const bool present = std::find(keys.begin(), keys.end(), probe) != keys.end();
      if (!present) {
        EXPECT_EQ(found, 0) << probe;
      } else {
        ASSERT_GE(found, 1) << probe;
        EXPECT_EQ(keys[static_cast<std::size_t>(found - 1)], probe);
      }
    }
  }
}

// A key that several records share names the first of them, whatever was looked up before: a
// pointer must lead to the same record whether its links are built all at once or a few at a time.
TEST(WXREFIndex, ARepeatedKeyNamesItsFirstRecordWhateverCameBefore) {
  struct Row {
    std::vector<std::string> keys;
    std::string repeated;
    std::int32_t first;
  };
  for (const Row& row :
       {Row{{"P-1", "P-2", "P-2", "P-2", "P-3"}, "P-2", 2},
        Row{{"P-2", "P-3", "P-2", "P-1", "P-2"}, "P-2", 1}, Row{{"I2", "I2", "I1", "I2"}, "I2", 1}}) {
    for (const std::string before : {"", "P-1", "P-3", "I1"}) {
      WXREFIndex index(0);
      for (const std::string& key : row.keys) index.AddKey(key);
      index.FindKey(before);
      EXPECT_EQ(index.FindKey(row.repeated), row.first) << before;
      EXPECT_EQ(index.FindKey(row.repeated), row.first) << before;
    }
  }
  // Keys added after a lookup: the place it ended at holds the second "C" once they are sorted.
  WXREFIndex index(0);
  for (const char* key : {"A", "C", "D", "E"}) index.AddKey(key);
  EXPECT_EQ(index.FindKey("E"), 4);
  index.AddKey("C");
  index.AddKey("C");
  EXPECT_EQ(index.FindKey("C"), 2);
}

TEST(WXREFIndex, EmptyKeysAreIgnoredAndNeverFound) {
  WXREFIndex index(0);
  index.AddKey("");
  EXPECT_EQ(index.Count(), 0);
  EXPECT_EQ(index.FindKey(""), 0);
}

TEST(WXREFIndex, ComparingAMissingKeyRaisesTheCompareError) {
  try {
    WXREFIndex::CompareKeys("I1", nullptr);
    FAIL() << "no error";
  } catch (const ECompareError& error) {
    EXPECT_STREQ(error.what(), "Error in compare function of CompareRIN - nil passed as an argument");
  }
}

TEST(WOffsetIndex, AnIndexOutsideTheRecordsRaisesTheIndexError) {
  WOffsetIndex index(0);
  index.AddOffset(5000000000);
  EXPECT_EQ(index.GetOffset(1), 5000000000);
  try {
    index.GetOffset(2);
    FAIL() << "no error";
  } catch (const EIndexError& error) {
    EXPECT_STREQ(error.what(), "Error: In valid index value = 2");
  }
  EXPECT_THROW(index.GetOffset(0), EIndexError);
}

TEST(WGEDIndIndex, EntriesStartEmptyAndRejectUnknownIndexes) {
  WGEDIndIndex index(0);
  index.AddIndividual(42);
  const IndividualSummary entry = index.GetEntry(1);
  EXPECT_EQ(entry.offset, 42);
  EXPECT_EQ(entry.flags, 0);
  EXPECT_EQ(entry.sex, 0);
  EXPECT_THROW(index.GetEntry(2), EIndexError);
  EXPECT_THROW(index.SetEntry(0, entry), EIndexError);
}

// A pass over all individuals keeps no summary, but the entries it had and their checks stay.
TEST(WGEDIndIndex, SummariesStopBeingKeptButKeptOnesStay) {
  WGEDIndIndex index(0);
  index.AddIndividual(42);
  index.AddIndividual(84);
  IndividualSummary filled{};
  filled.sex = 'F';
  filled.flags = kSummaryFilled;
  index.SetEntry(1, filled);
  index.StopKeepingSummaries();
  index.SetEntry(2, filled);
  EXPECT_EQ(index.GetEntry(1).sex, 'F');
  EXPECT_EQ(index.GetEntry(1).offset, 42);
  EXPECT_EQ(index.GetEntry(2).flags, 0);
  EXPECT_EQ(index.GetEntry(2).offset, 84);
  EXPECT_THROW(index.SetEntry(3, filled), EIndexError);
}

TEST(WIndLinks, ParentFamiliesKeepOneLinkPerFamilyAndTheirRelations) {
  WIndLinks links(2);
  for (const std::int32_t family : {5, 5, 6, 7, 6, 8}) links.AddParentFamily(1, false, 7, 1, family);
  EXPECT_EQ(links.ParentFamilyCount(1), 4);
  EXPECT_EQ(links.GetParentFamily(1, 1), 5);
  EXPECT_EQ(links.GetParentFamily(1, 4), 8);
  EXPECT_EQ(links.GetParentFamily(1, 5), 0);
  EXPECT_EQ(links.GetParentLink(1, 3)->secondRelation, 7);
  links.AddParentFamily(3, false, 7, 1, 5);
  EXPECT_EQ(links.ParentFamilyCount(3), 0);
}

TEST(WIndLinks, SpouseFamiliesAllowRepeatsOnlyInTheChain) {
  WIndLinks links(1);
  for (const std::int32_t family : {5, 5, 6, 6}) links.AddSpouseFamily(1, true, family);
  EXPECT_EQ(links.SpouseFamilyCount(1), 3);
  links.AddSpouseFamily(1, false, 6);
  EXPECT_EQ(links.SpouseFamilies(1), (std::vector<std::int32_t>{5, 6, 6}));
}

TEST(WIndLinks, OrdersMoreThan512SpouseFamiliesOnceAndWhole) {
  WIndLinks links(1);
  std::vector<std::int32_t> expected;
  for (std::int32_t family = 700; family >= 1; --family) {
    links.AddSpouseFamily(1, false, family);
    expected.insert(expected.begin(), family);
  }
  int calls = 0;
  const auto ascending = [&](std::int32_t, std::vector<std::int32_t>& families) {
    ++calls;
    std::sort(families.begin(), families.end());
  };
  links.OrderSpouseFamilies(1, ascending);
  links.OrderSpouseFamilies(1, ascending);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(links.SpouseFamilies(1), expected);
}

TEST(IndexPass, TakesTheFirstRecordAsHeaderAndStopsAtTheTrailer) {
  LoadedGedcom gedcom(
      GedLines({"0 @I1@ INDI", "0 @I2@ INDI", "0 @F1@ FAM", "0 NOTE without id", "0 TRLR", "0 @I3@ INDI"}));
  EXPECT_EQ(gedcom->IndividualCount(), 1);
  EXPECT_EQ(gedcom->FindIndividual("I2"), 1);
  EXPECT_EQ(gedcom->FindIndividual("I1"), 0);
  EXPECT_EQ(gedcom->FindIndividual("I3"), 0);
  EXPECT_EQ(gedcom->MarriageCount(), 1);
}

TEST(IndexPass, ABareZeroLineTakesNoIdentifierFromTheNextLine) {
  LoadedGedcom gedcom(GedLines({"0 HEAD", "0", "0 @N1@ NOTE x", "0 TRLR"}));
  EXPECT_EQ(gedcom->NoteCount(), 1);
  EXPECT_EQ(gedcom->IndividualCount(), 0);
}

TEST(IndexPass, AnIdentifierStartingWithNulIsNoIdentifierAndLeavesTheOthersInStep) {
  LoadedGedcom gedcom(std::string("0 HEAD\n0 @I1@ INDI\n0 @\0X@ INDI\n0 @I3@ INDI\n1 NAME C\n0 TRLR\n", 59));
  EXPECT_EQ(gedcom->IndividualCount(), 2);
  const auto third = gedcom->GetIndividual(gedcom->FindIndividual("I3"));
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->GetIDText(), "I3");
}

TEST(IndexPass, CountsEachCategoryAndFindsKeysThatArrivedOutOfOrder) {
  LoadedGedcom gedcom(
      GedLines({"0 HEAD", "0 @I2@ INDI", "0 @I10@ INDI", "0 @I1@ INDI", "0 @N1@ NOTE x", "0 @S1@ SOUR",
                "0 @R1@ REPO", "0 @U1@ SUBM", "0 @X@ _CUSTOM", "0 @M1@ OBJE", "0 TRLR"}));
  EXPECT_EQ(gedcom->IndividualCount(), 3);
  EXPECT_EQ(gedcom->NoteCount(), 1);
  EXPECT_EQ(gedcom->SourceCount(), 1);
  EXPECT_EQ(gedcom->RepoCount(), 1);
  EXPECT_EQ(gedcom->FindIndividual("I10"), 2);
  EXPECT_EQ(gedcom->FindIndividual("I1"), 3);
  EXPECT_EQ(gedcom->Indexes()->Count(gedcom::kOthers), 2);
}

TEST(LinkPasses, ASpouseNamedOnBothSidesIsLinkedOnce) {
  LoadedGedcom gedcom(GedLines({"0 HEAD", "0 @I1@ INDI", "1 FAMS @F1@", "0 @I2@ INDI", "1 FAMC @F1@",
                                "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@", "0 TRLR"}));
  const auto husband = gedcom->GetIndividual(1);
  const auto child = gedcom->GetIndividual(2);
  EXPECT_EQ(husband->SpouseFamilyCount(), 1);
  EXPECT_EQ(child->ParentFamilyCount(), 1);
  const auto family = gedcom->GetMarriage(1);
  EXPECT_EQ(family->ChildCount(), 1);
  EXPECT_EQ(family->GetHusband(), 1);
  EXPECT_EQ(gedcom->FatherOf(2), 1);
}

TEST(LinkPasses, LongFormsLinkAndPointersToMissingRecordsAreIgnored) {
  LoadedGedcom gedcom(
      GedLines({"0 HEAD", "0 @I1@ INDI", "1 FAMILY_SPOUSE @F1@", "0 @I2@ INDI", "1 FAMILY_CHILD @F1@",
                "1 FAMC @F9@", "0 @F1@ FAM", "1 CHIL @I9@", "1 WIFE", "2 CHIL @I1@", "0 TRLR"}));
  EXPECT_EQ(gedcom->GetIndividual(1)->SpouseFamilyCount(), 1);
  EXPECT_EQ(gedcom->GetIndividual(2)->ParentFamilyCount(), 1);
  const auto family = gedcom->GetMarriage(1);
  EXPECT_EQ(family->ChildCount(), 1);
  EXPECT_EQ(family->GetChild(1), 2);
  EXPECT_EQ(family->SpouseCount(), 0);
}

TEST(LinkPasses, IndentedLinesLinkAndAnIndentedLevelZeroLineEndsTheWalk) {
  LoadedGedcom gedcom(GedLines({"0 HEAD", "0 @I1@ INDI", "  1 FAMS @F1@", "  0 @X1@ _MARK", "1 FAMS @F2@",
                                "0 @F1@ FAM", "0 @F2@ FAM", "0 TRLR"}));
  const auto individual = gedcom->GetIndividual(1);
  ASSERT_EQ(individual->SpouseFamilyCount(), 1);
  EXPECT_EQ(individual->GetSpouseFamily(1), 1);
}

TEST(LinkPasses, ChildrenAreListedInTheOrderOfTheChilLines) {
  LoadedGedcom gedcom(
      GedLines({"0 HEAD", "0 @I1@ INDI", "1 FAMC @F1@", "0 @I2@ INDI", "1 FAMC @F1@", "0 @I3@ INDI",
                "1 FAMC @F1@", "0 @F1@ FAM", "1 CHIL @I3@", "1 CHIL @I1@", "1 CHIL @I2@", "0 TRLR"}));
  gedcom.Options().SetBool(opt::SortChildren, true);
  const auto family = gedcom->GetMarriage(1);
  family->SortChildren();
  EXPECT_EQ(family->ChildCount(), 3);
  EXPECT_EQ((std::vector<std::int32_t>{family->GetChild(1), family->GetChild(2), family->GetChild(3)}),
            (std::vector<std::int32_t>{3, 1, 2}));
}

// Files large enough for the link lines to be found on several threads link as one forward walk:
// children in the order of the CHIL lines, a parent family once however often it is named, and
// identifiers that are not numbered (P-3) found through the key search.
TEST(LinkPasses, ManyChunksLinkAsOneForwardWalk) {
  constexpr int kPeople = 30000;
  constexpr int kFamilies = kPeople / 3;
  const auto key = [](int person) {
    return person % 3 == 0 ? "P-" + std::to_string(person) : "I" + std::to_string(person);
  };
  const auto secondChild = [](int family) { return (family * 7919) % kPeople + 1; };
  std::string text = "0 HEAD\n";
  for (int person = 1; person <= kPeople; ++person) {
    text += "0 @" + key(person) + "@ INDI\n";
    if (person % 3 == 0) text += "1 FAMC @F" + std::to_string(person / 3) + "@\n";
  }
  for (int family = 1; family <= kFamilies; ++family) {
    text += "0 @F" + std::to_string(family) + "@ FAM\n1 HUSB @" + key(3 * family - 2) + "@\n1 WIFE @" +
            key(3 * family - 1) + "@\n1 CHIL @" + key(secondChild(family)) + "@\n1 CHIL @" + key(3 * family) +
            "@\n";
  }
  LoadedGedcom gedcom(text + "0 TRLR\n");
  gedcom->LinkRecords();
  for (int family = 1; family <= kFamilies; family += 97) {
    SCOPED_TRACE(family);
    const auto marriage = gedcom->GetMarriage(family);
    EXPECT_EQ(marriage->GetHusband(), 3 * family - 2);
    EXPECT_EQ(marriage->GetWife(), 3 * family - 1);
    const bool same = secondChild(family) == 3 * family;
    ASSERT_EQ(marriage->ChildCount(), same ? 1 : 2);
    EXPECT_EQ(marriage->GetChild(1), 3 * family);
    if (!same) {
      EXPECT_EQ(marriage->GetChild(2), secondChild(family));
    }
    const auto child = gedcom->GetIndividual(3 * family);
    ASSERT_GE(child->ParentFamilyCount(), 1);
    EXPECT_EQ(child->GetParentFamily(1), family);
  }
}

}  // namespace
}  // namespace kinshelf
