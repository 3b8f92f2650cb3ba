// The texts of an individual over a fake reader: the name under its settings, the identifier
// suffix, the age with its stand-in dates, possibly living, the life span, event texts, citation
// lists and notes.
#include "model/WABSIndividual.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/FakeCollection.h"
#include "platform/DateTime.h"
#include "settings/WOptions.h"

namespace kinshelf {
namespace {

using test::FakeCitation;
using test::FakeCollection;
using test::FakeEvent;
using test::FakeName;
using test::FakePerson;

int ThisYear() {
  return platform::DecodeDateTime(platform::NowLocal()).year;
}

class WABSIndividualTest : public testing::Test {
 protected:
  WABSIndividualTest() { test::SetModelDefaults(options_); }

  std::unique_ptr<WABSIndividual> Add(FakePerson person) {
    return tree_.GetIndividual(tree_.AddPerson(person));
  }

  WOptions options_;
  FakeCollection tree_{options_};
};

struct NameRow {
  const char* rule;
  FakeName name;
  bool slash, upper, preSuf, withAffixes;
  const char* expected;
};

void PrintTo(const NameRow& row, std::ostream* out) {
  *out << row.rule;
}

class NameTextTest : public WABSIndividualTest, public testing::WithParamInterface<NameRow> {};

TEST_P(NameTextTest, FollowsTheNameSettings) {
  const NameRow& row = GetParam();
  options_.SetBool(opt::NameSlash, row.slash);
  options_.SetBool(opt::NameUpper, row.upper);
  options_.SetBool(opt::PreSuf, row.preSuf);
  FakePerson person;
  person.name = row.name;
  EXPECT_EQ(Add(person)->NameText(row.withAffixes), row.expected);
}

FakeName Name(const char* prefix, const char* given, const char* surname, const char* suffix) {
  return FakeName{given, surname, prefix, suffix, {}, {}};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NameTextTest,
    testing::Values(
        NameRow{"SlashesAroundTheSurname", Name("", "John", "Smith", ""), true, false, true, true,
                "John /Smith/"},
        NameRow{"EmptySurnameKeepsItsSlashes", Name("", "John", "", ""), true, false, true, true, "John //"},
        NameRow{"NoSlashes", Name("", "John", "Smith", ""), false, false, true, true, "John Smith"},
        NameRow{"SurnameUpperCased", Name("", "John", "Smith", ""), true, true, true, true, "John /SMITH/"},
        NameRow{"PrefixAndSuffix", Name("Dr", "John", "Smith", "Jr"), true, false, true, true,
                "Dr John /Smith/ Jr"},
        NameRow{"AffixesOffInTheSettings", Name("Dr", "John", "Smith", "Jr"), true, false, false, true,
                "John /Smith/"},
        NameRow{"AffixesNotWanted", Name("Dr", "John", "Smith", "Jr"), true, false, true, false,
                "John /Smith/"},
        NameRow{"PrefixWithoutGivenNamesHasOneBlank", Name("Dr", "", "Smith", ""), true, false, true, true,
                "Dr /Smith/"},
        NameRow{"SuffixAloneHasNoLeadingBlank", Name("", "", "", "Jr"), false, false, true, true, "Jr"},
        NameRow{"SurnameAlone", Name("", "", "Smith", ""), true, false, true, true, "/Smith/"}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST_F(WABSIndividualTest, NoNameGivesEmptyTexts) {
  FakePerson person;
  person.name.reset();
  person.id = "I9";
  EXPECT_EQ(Add(person)->NameText(true), "");
  options_.SetBool(opt::FNValueFlag, false);
  EXPECT_EQ(tree_.GetIndividual(1)->NameWithIDText(), "");
}

TEST_F(WABSIndividualTest, UpperCasesTheSurnameInTheCollectionsEncoding) {
  options_.SetBool(opt::NameUpper, true);
  FakeCollection utf8Tree(options_, TextEncoding::kUtf8);
  FakePerson person;
  person.name = Name("", "Jörg", "Müller", "");
  EXPECT_EQ(utf8Tree.GetIndividual(utf8Tree.AddPerson(person))->NameText(false), "Jörg /MÜLLER/");
  person.name = Name("", "J\xF6rg", "M\xFCller", "");
  EXPECT_EQ(Add(person)->NameText(false), "J\xF6rg /M\xDCLLER/");
}

struct IdRow {
  const char* rule;
  bool flag;
  int value;
  const char* ref;
  const char* expected;
};

void PrintTo(const IdRow& row, std::ostream* out) {
  *out << row.rule;
}

class NameWithIdTest : public WABSIndividualTest, public testing::WithParamInterface<IdRow> {};

TEST_P(NameWithIdTest, AppendsTheChosenIdentifier) {
  const IdRow& row = GetParam();
  options_.SetBool(opt::FNValueFlag, row.flag);
  options_.SetInt(opt::FNValue, row.value);
  tree_.AddPerson(FakePerson{});
  FakePerson person;
  person.name = Name("", "Ann", "Lee", "");
  person.id = "I7";
  person.ref = row.ref;
  EXPECT_EQ(Add(person)->NameWithIDText(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NameWithIdTest,
    testing::Values(IdRow{"FlagOffGivesTheNameAlone", false, 2, "R5", "Ann /Lee/"},
                    IdRow{"ValueOneGivesTheIdInBrackets", true, 1, "R5", "Ann /Lee/ [I7]"},
                    IdRow{"ValueTwoGivesTheIndex", true, 2, "R5", "Ann /Lee/ (2)"},
                    IdRow{"ValueThreeGivesTheReference", true, 3, "R5", "Ann /Lee/ {R5}"},
                    IdRow{"ValueThreeWithoutReference", true, 3, "", "Ann /Lee/ {}"},
                    IdRow{"AnyOtherValueGivesTheId", true, 0, "R5", "Ann /Lee/ [I7]"}),
    [](const auto& info) { return std::string(info.param.rule); });

struct AgeRow {
  const char* rule;
  std::string birth, christening, death, burial;
  bool standIns;
  std::string expected;
};

void PrintTo(const AgeRow& row, std::ostream* out) {
  *out << row.rule;
}

class AgeTextTest : public WABSIndividualTest, public testing::WithParamInterface<AgeRow> {};

TEST_P(AgeTextTest, MeasuresFromBirthToDeathOrToday) {
  const AgeRow& row = GetParam();
  options_.SetBool(opt::AgeCalcCB, row.standIns);
  FakePerson person;
  const std::pair<EventKind, std::string> dates[] = {{EventKind::kBirth, row.birth},
                                                     {EventKind::kChristening, row.christening},
                                                     {EventKind::kDeath, row.death},
                                                     {EventKind::kBurial, row.burial}};
  for (const auto& [kind, date] : dates)
    if (!date.empty()) person.events[kind] = FakeEvent{.date = date};
  EXPECT_EQ(Add(person)->AgeText(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AgeTextTest,
    testing::Values(
        AgeRow{"ExactDates", "1 JAN 1900", "", "1 JUN 1950", "", true, "50"},
        AgeRow{"YearsOnlyAreApproximate", "1900", "", "1950", "", true, "~50"},
        AgeRow{"ChristeningStandsInWithBrackets", "", "1 JAN 1900", "1 JUN 1950", "", true, "[50]"},
        AgeRow{"ChristeningIgnoredWithoutTheSetting", "", "1 JAN 1900", "1 JUN 1950", "", false, ""},
        AgeRow{"BurialStandsInWithBrackets", "1 JAN 1900", "", "", "1 JUN 1950", true, "[50]"},
        AgeRow{"DeathWinsOverBurial", "1 JAN 1900", "", "1 JUN 1950", "1 JUN 1960", true, "50"},
        AgeRow{"DeathOnlyAsTextGivesNoAge", "1 JAN 1900", "", "UNKNOWN", "", true, ""},
        AgeRow{"Exactly110YearsShown", "1 JAN 1800", "", "1 JUN 1910", "", true, "110"},
        AgeRow{"Over110YearsEmpty", "1 JAN 1800", "", "1 JUN 1911", "", true, ""},
        AgeRow{"BornLongAgoWithoutDeathEmpty", "1 JAN 1900", "", "", "", true, ""},
        AgeRow{"NoStartDate", "", "", "1 JUN 1950", "", true, ""},
        AgeRow{"AliveCountsToTodayWithAQuestionMark", std::to_string(ThisYear() - 30), "", "", "", true,
               "~30?"},
        AgeRow{"BurialIgnoredWithoutTheSettingCountsToToday", std::to_string(ThisYear() - 30), "", "",
               "1 JUN 1950", false, "~30?"}),
    [](const auto& info) { return std::string(info.param.rule); });

struct LivingRow {
  const char* rule;
  int birthYearsAgo, christeningYearsAgo;  // 0: no such date
  const char* death;
  const char* burial;
  bool expected;
};

void PrintTo(const LivingRow& row, std::ostream* out) {
  *out << row.rule;
}

class PossiblyLivingTest : public WABSIndividualTest, public testing::WithParamInterface<LivingRow> {};

TEST_P(PossiblyLivingTest, DependsOnDeathAndTheYearOfBirth) {
  const LivingRow& row = GetParam();
  FakePerson person;
  if (row.birthYearsAgo != 0)
    person.events[EventKind::kBirth] = FakeEvent{.date = std::to_string(ThisYear() - row.birthYearsAgo)};
  if (row.christeningYearsAgo != 0)
    person.events[EventKind::kChristening] =
        FakeEvent{.date = std::to_string(ThisYear() - row.christeningYearsAgo)};
  if (*row.death != '\0') person.events[EventKind::kDeath] = FakeEvent{.date = row.death};
  if (*row.burial != '\0') person.events[EventKind::kBurial] = FakeEvent{.date = row.burial};
  EXPECT_EQ(Add(person)->IsPossiblyLiving(100), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, PossiblyLivingTest,
                         testing::Values(LivingRow{"BornWithinTheYears", 50, 0, "", "", true},
                                         LivingRow{"BornExactlyThatLongAgo", 100, 0, "", "", false},
                                         LivingRow{"BornLongAgo", 150, 0, "", "", false},
                                         LivingRow{"ChristeningWithoutBirth", 0, 50, "", "", true},
                                         LivingRow{"DeathKnown", 50, 0, "1 JAN 2000", "", false},
                                         LivingRow{"BurialKnown", 50, 0, "", "2000", false},
                                         LivingRow{"NoDates", 0, 0, "", "", false}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST_F(WABSIndividualTest, LifeSpanLeavesOutWhatIsMissing) {
  FakePerson person;
  person.name = Name("", "Ann", "Lee", "Jr");
  person.id = "I1";
  person.events[EventKind::kBirth] = FakeEvent{.date = "1 JAN 1900", .place = ", , Boston"};
  const std::unique_ptr<WABSIndividual> ann = Add(person);
  EXPECT_EQ(ann->LifeSpanText(false), "Ann /Lee/, (b. 1 Jan 1900, Boston)");
  EXPECT_EQ(ann->LifeSpanText(true), "Ann /Lee/ Jr [I1], (b. 1 Jan 1900, Boston)");
}

TEST_F(WABSIndividualTest, EventTextsOfPresentAndAbsentEvents) {
  FakePerson person;
  person.events[EventKind::kBirth] = FakeEvent{.date = "ABT 1900", .place = " , Boston "};
  person.events[EventKind::kDeath] = FakeEvent{.place = "Ohio"};
  person.events[EventKind::kLdsBaptism] = FakeEvent{.date = "1990"};
  person.others = {FakeEvent{.date = "1920", .typeName = "Occupation"}};
  const std::unique_ptr<WABSIndividual> ann = Add(person);
  EXPECT_EQ(ann->EventText(EventKind::kBirth, 1), "Abt 1900, Boston");
  EXPECT_EQ(ann->EventText(EventKind::kDeath, 1), "Ohio");
  EXPECT_EQ(ann->EventText(EventKind::kBurial, 1), "");
  EXPECT_EQ(ann->EventText(EventKind::kOther, 1), "1920");
  EXPECT_EQ(ann->EventText(EventKind::kOther, 2), "");
  EXPECT_EQ(ann->EventYear(EventKind::kBirth, 1), 1900);
  EXPECT_EQ(ann->EventYear(EventKind::kDeath, 1), 0);
  EXPECT_TRUE(ann->EventDateValid(EventKind::kBirth, 1));
  EXPECT_FALSE(ann->EventDateValid(EventKind::kDeath, 1));
  EXPECT_TRUE(ann->HasLDSEvent(EventKind::kLdsBaptism));
  EXPECT_FALSE(ann->HasLDSEvent(EventKind::kLdsEndowment));
  options_.SetBool(opt::PlaceCommas, false);
  EXPECT_EQ(ann->EventPlaceText(EventKind::kBirth, 1), ", Boston");
}

TEST_F(WABSIndividualTest, CitationsKeepTheirPositionsWhenSomeAreMissing) {
  FakePerson person;
  person.citations = {std::nullopt, FakeCitation{.detail = "p. 2"}, FakeCitation{.detail = "p. 3"}};
  EXPECT_EQ(Add(person)->CitationsText(), "1) p. 2\r\n\r\n3) p. 3");
  person.citations = {FakeCitation{.detail = "p. 1"}, std::nullopt, FakeCitation{.detail = "p. 3"}};
  EXPECT_EQ(Add(person)->CitationsText(), "1) p. 1\r\n\r\n3) p. 3");
}

TEST_F(WABSIndividualTest, NoteAndChangeDate) {
  FakePerson person;
  EXPECT_EQ(Add(person)->NoteText(), "");
  EXPECT_EQ(tree_.GetIndividual(1)->ChangedDateText(), "");
  person.note = {"First line ", "  second line  "};
  person.changed = "2 FEB 2003";
  const std::unique_ptr<WABSIndividual> noted = Add(person);
  EXPECT_EQ(noted->NoteText(), "First line \r\nsecond line");
  EXPECT_EQ(noted->ChangedDateText(), "2 Feb 2003");
}

}  // namespace
}  // namespace kinshelf
