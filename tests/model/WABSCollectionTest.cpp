// The collection's shared operations over a fake reader: relation names, parents, children,
// sealings, display order, the individual summary with its family block, and indexes outside the
// collection.
#include "model/WABSCollection.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "model/FakeCollection.h"
#include "model/WABSIndividual.h"
#include "model/WABSLDSEvent.h"
#include "settings/WOptions.h"

namespace kinshelf {
namespace {

using test::FakeCollection;
using test::FakeEvent;
using test::FakeFamily;
using test::FakeName;
using test::FakePerson;

FakePerson Named(std::string given, std::string surname, std::string id, char sex = 'U') {
  FakePerson person;
  person.name = FakeName{std::move(given), std::move(surname), "", "", {}, {}};
  person.id = std::move(id);
  person.sex = sex;
  return person;
}

FakePerson BornIn(FakePerson person, std::string date, std::string place = "") {
  person.events[EventKind::kBirth] = FakeEvent{std::move(date), std::move(place), "Birth", {}, {}};
  return person;
}

class WABSCollectionTest : public testing::Test {
 protected:
  WABSCollectionTest() { test::SetModelDefaults(options_); }

  WOptions options_;
  FakeCollection tree_{options_};
};

TEST(RelationNamesTest, EachRoleComesWithItsSixKindsInOrder) {
  const std::array<std::string, 6> roles{"Father", "Mother", "Parent", "Son", "Daughter", "Child"};
  const std::array<std::string, 6> shortRoles{"Father", "Mother", "Parent", "Son", "Dau", "Child"};
  const std::array<std::string, 5> kinds{"-Ado", "-Ste", "-God", "-Fst", "-Oth"};
  const auto& names = WABSCollection::kRelationNames;
  EXPECT_EQ(names[0], "Unknown");
  for (std::size_t role = 0; role < roles.size(); ++role) {
    EXPECT_EQ(names[1 + role * 6], roles[role]);
    for (std::size_t kind = 0; kind < kinds.size(); ++kind)
      EXPECT_EQ(names[2 + role * 6 + kind], shortRoles[role] + kinds[kind]) << role << " " << kind;
  }
}

TEST_F(WABSCollectionTest, RelationNamesOutsideTheTableAreEmpty) {
  EXPECT_EQ(tree_.GetRelationName(36), "Child-Oth");
  EXPECT_EQ(tree_.GetRelationName(37), "");
  EXPECT_EQ(tree_.GetRelationName(-1), "");
}

struct ChildRelationRow {
  const char* rule;
  std::int32_t parentRelation;
  char sex;
  const char* expected;
};

void PrintTo(const ChildRelationRow& row, std::ostream* out) {
  *out << row.rule;
}

class ChildRelationTest : public WABSCollectionTest, public testing::WithParamInterface<ChildRelationRow> {};

TEST_P(ChildRelationTest, FollowsTheParentsKindAndTheChildsSex) {
  EXPECT_EQ(tree_.GetChildRelationName(GetParam().parentRelation, GetParam().sex), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ChildRelationTest,
                         testing::Values(ChildRelationRow{"UnknownParentGivesUnknown", 0, 'M', "Unknown"},
                                         ChildRelationRow{"NaturalFatherOfASon", 1, 'M', "Son"},
                                         ChildRelationRow{"LowerCaseSexCounts", 1, 'm', "Son"},
                                         ChildRelationRow{"NaturalMotherOfADaughter", 7, 'F', "Daughter"},
                                         ChildRelationRow{"AdoptiveMotherOfADaughter", 8, 'f', "Dau-Ado"},
                                         ChildRelationRow{"StepParentOfAChildOfUnknownSex", 15, 'U',
                                                          "Child-Ste"},
                                         ChildRelationRow{"OtherParentOfASon", 18, 'M', "Son-Oth"},
                                         ChildRelationRow{"RelationAbove18IsEmpty", 19, 'M', ""},
                                         ChildRelationRow{"NegativeRelationIsEmpty", -1, 'F', ""}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST_F(WABSCollectionTest, IndexesOutsideTheCollectionGiveNothing) {
  const std::int32_t only = tree_.AddPerson(Named("Ann", "Lee", "I1"));
  tree_.AddFamily(FakeFamily{.husband = only});
  for (const std::int32_t index : {0, -1, 2}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(tree_.GetIndividual(index), nullptr);
    EXPECT_EQ(tree_.FatherOf(index), 0);
    EXPECT_EQ(tree_.MotherOf(index), 0);
    EXPECT_FALSE(tree_.HasChildren(index));
    EXPECT_FALSE(tree_.HasSealingToSpouse(index, 0));
    EXPECT_EQ(tree_.GetSealingToSpouse(index, 1, 1), nullptr);
    EXPECT_EQ(tree_.ShortNameText(index), "");
    EXPECT_EQ(tree_.NameWithIDText(index), "");
    EXPECT_EQ(tree_.IndividualSummaryText(index), "");
  }
}

TEST_F(WABSCollectionTest, ParentsComeFromTheFirstParentFamily) {
  const std::int32_t father = tree_.AddPerson(Named("Tom", "Lee", "I1", 'M'));
  const std::int32_t mother = tree_.AddPerson(Named("Sue", "Ray", "I2", 'F'));
  const std::int32_t stepMother = tree_.AddPerson(Named("Eve", "Fox", "I3", 'F'));
  const std::int32_t child = tree_.AddPerson(Named("Ann", "Lee", "I4", 'F'));
  tree_.AddFamily(FakeFamily{.husband = father, .wife = mother, .children = {{child, 0}}});
  tree_.AddFamily(FakeFamily{.wife = stepMother, .children = {{child, 0}}});
  EXPECT_EQ(tree_.FatherOf(child), father);
  EXPECT_EQ(tree_.MotherOf(child), mother);
  EXPECT_EQ(tree_.FatherOf(father), 0);
}

TEST_F(WABSCollectionTest, AParentFamilyWithoutHusbandHasNoFather) {
  const std::int32_t mother = tree_.AddPerson(Named("Sue", "Ray", "I1", 'F'));
  const std::int32_t child = tree_.AddPerson(Named("Ann", "Ray", "I2", 'F'));
  tree_.AddFamily(FakeFamily{.wife = mother, .children = {{child, 0}}});
  EXPECT_EQ(tree_.FatherOf(child), 0);
  EXPECT_EQ(tree_.MotherOf(child), mother);
  const std::string summary = tree_.IndividualSummaryText(child);
  EXPECT_NE(summary.find("\r\nFather :\r\nMother :Sue /Ray/ [I1]"), std::string::npos) << summary;
}

TEST_F(WABSCollectionTest, HasChildrenWhenAnySpouseFamilyHasOne) {
  const std::int32_t man = tree_.AddPerson(Named("Tom", "Lee", "I1", 'M'));
  const std::int32_t child = tree_.AddPerson(Named("Ann", "Lee", "I2"));
  tree_.AddFamily(FakeFamily{.husband = man});
  EXPECT_FALSE(tree_.HasChildren(man));
  tree_.AddFamily(FakeFamily{.husband = man, .children = {{child, 0}}});
  EXPECT_TRUE(tree_.HasChildren(man));
  EXPECT_FALSE(tree_.HasChildren(child));
}

TEST_F(WABSCollectionTest, SealingToOneSpouseOrToAny) {
  const std::int32_t man = tree_.AddPerson(Named("Tom", "Lee", "I1", 'M'));
  const std::int32_t single = tree_.AddPerson(Named("Bob", "Kay", "I2", 'M'));
  tree_.AddFamily(FakeFamily{.husband = man});
  tree_.AddFamily(FakeFamily{.husband = man, .sealings = {FakeEvent{.date = "1 JAN 1990"}}});
  tree_.AddFamily(FakeFamily{.husband = single});
  EXPECT_FALSE(tree_.HasSealingToSpouse(man, 1));
  EXPECT_TRUE(tree_.HasSealingToSpouse(man, 2));
  EXPECT_TRUE(tree_.HasSealingToSpouse(man, 0));
  EXPECT_TRUE(tree_.HasSealingToSpouse(man, 3));
  EXPECT_FALSE(tree_.HasSealingToSpouse(single, 0));
  const std::unique_ptr<WABSLDSEvent> sealing = tree_.GetSealingToSpouse(man, 2, 1);
  ASSERT_NE(sealing, nullptr);
  EXPECT_EQ(sealing->DateText(), "1 Jan 1990");
  EXPECT_EQ(tree_.GetSealingToSpouse(man, 2, 2), nullptr);
  EXPECT_EQ(tree_.GetSealingToSpouse(man, 3, 1), nullptr);
}

TEST_F(WABSCollectionTest, DisplayOrderMapsPositionsToIndexes) {
  for (const char* id : {"I1", "I2", "I3"}) tree_.AddPerson(Named("A", "B", id));
  EXPECT_EQ(tree_.DisplayCount(), 3);
  EXPECT_EQ(tree_.DisplayToIndex(2), 2);
  EXPECT_EQ(tree_.IndexToDisplay(3), 3);

  tree_.SetDisplayOrder({3, 1});
  EXPECT_EQ(tree_.DisplayCount(), 2);
  EXPECT_EQ(tree_.DisplayToIndex(1), 3);
  EXPECT_EQ(tree_.DisplayToIndex(2), 1);
  EXPECT_EQ(tree_.DisplayToIndex(0), 0);
  EXPECT_EQ(tree_.DisplayToIndex(3), 0);
  EXPECT_EQ(tree_.IndexToDisplay(1), 2);
  EXPECT_EQ(tree_.IndexToDisplay(2), 0);

  tree_.FreeDisplayOrder();
  EXPECT_EQ(tree_.DisplayCount(), 3);
  EXPECT_EQ(tree_.DisplayToIndex(2), 2);
}

TEST_F(WABSCollectionTest, SummaryWithoutFamiliesEndsWithTheMother) {
  FakePerson person = BornIn(Named("Ann", "Lee", "I1", 'F'), "1 JAN 1900", "Boston");
  person.events[EventKind::kDeath] = FakeEvent{.date = "1 JUN 1950"};
  const std::int32_t ann = tree_.AddPerson(person);
  EXPECT_EQ(tree_.IndividualSummaryText(ann),
            "Name :Ann /Lee/ [I1]\r\nSex    :F\r\nBirth   :1 Jan 1900, Boston\r\nChr     :\r\n"
            "Death :1 Jun 1950\r\nBur     :\r\nAge     :50\r\nFather :\r\nMother :");
}

TEST_F(WABSCollectionTest, SummaryListsEachSpouseFamilyWithItsSortedChildren) {
  const std::int32_t tom = tree_.AddPerson(Named("Tom", "Lee", "I1", 'M'));
  const std::int32_t sue = tree_.AddPerson(Named("Sue", "Ray", "I2", 'F'));
  const std::int32_t late = tree_.AddPerson(BornIn(Named("Ann", "Lee", "I3", 'F'), "1925"));
  const std::int32_t early = tree_.AddPerson(Named("Bob", "Lee", "I4", 'M'));
  const std::int32_t grandchild = tree_.AddPerson(Named("Cy", "Lee", "I5", 'M'));
  tree_.AddFamily(FakeFamily{.husband = tom,
                             .wife = sue,
                             .children = {{late, 2}, {early, 1}},
                             .date = "5 MAY 1920",
                             .place = "Ohio"});
  tree_.AddFamily(FakeFamily{.husband = tom});
  tree_.AddFamily(FakeFamily{.husband = early, .children = {{grandchild, 0}}});
  const std::string summary = tree_.IndividualSummaryText(tom);
  const std::string block =
      "\r\nMother :\r\n"
      "Spouse: Sue /Ray/ [I2]\r\n"
      "   Mar. Date: 5 May 1920, Ohio\r\n"
      "   <         Bob /Lee/ [I4]\r\n"
      "      1925 Ann /Lee/ [I3]\r\n"
      "Spouse: <No Given Name>\r\n"
      "   Mar. Date: ";
  ASSERT_GE(summary.size(), block.size());
  EXPECT_EQ(summary.substr(summary.size() - block.size()), block);
}

}  // namespace
}  // namespace kinshelf
