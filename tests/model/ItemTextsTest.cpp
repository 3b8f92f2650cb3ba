// The texts of the smaller items over a fake reader: notes, a source's full text, a citation's
// text, a place's display text, and the dates and texts of events and marriages.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/FakeCollection.h"
#include "model/WABSCitation.h"
#include "model/WABSIndividual.h"
#include "model/WABSMarriage.h"
#include "model/WABSNote.h"
#include "model/WABSPlace.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "settings/WOptions.h"

namespace kinshelf {
namespace {

using test::FakeCitation;
using test::FakeCollection;
using test::FakeEvent;
using test::FakeFamily;
using test::FakePerson;
using test::FakeSource;

TEST(WABSNoteTest, FirstLineAsItIsLaterLinesTrimmedEmptyLinesSkipped) {
  WABSNote note;
  EXPECT_EQ(note.GetText("\r\n"), "");
  note.AddLine("  First ");
  note.AddLine("");
  note.AddLine("\t second \t");
  note.AddLine("third");
  EXPECT_EQ(note.Lines().size(), 3u);
  EXPECT_EQ(note.GetText(" | "), "  First  | second | third");
}

struct PlaceRow {
  const char* rule;
  const char* place;
  bool dropLeadingCommas;
  const char* expected;
};

void PrintTo(const PlaceRow& row, std::ostream* out) {
  *out << row.rule;
}

class PlaceDisplayTest : public testing::TestWithParam<PlaceRow> {};

TEST_P(PlaceDisplayTest, TrimsAndDropsEmptyLeadingJurisdictions) {
  EXPECT_EQ(WABSPlace::DisplayText(GetParam().place, GetParam().dropLeadingCommas), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlaceDisplayTest,
    testing::Values(PlaceRow{"Trimmed", "  Boston, MA \t", false, "Boston, MA"},
                    PlaceRow{"TwoEmptyJurisdictionsDropped", ", , Boston, MA", true, "Boston, MA"},
                    PlaceRow{"EmptyJurisdictionsKeptWhenOff", ", , Boston, MA", false, ", , Boston, MA"},
                    PlaceRow{"InnerCommasKept", "Boston, , MA", true, "Boston, , MA"},
                    PlaceRow{"OnlyCommasGiveNothing", " , ,", true, ""}),
    [](const auto& info) { return std::string(info.param.rule); });

class ItemTextsTest : public testing::Test {
 protected:
  ItemTextsTest() { test::SetModelDefaults(options_); }

  // The citation text of one citation attached to a new person.
  std::string CitationTextOf(FakeCitation citation) {
    FakePerson person;
    person.citations = {std::move(citation)};
    return tree_.GetIndividual(tree_.AddPerson(person))->GetCitation(1)->CitationText();
  }

  WOptions options_;
  FakeCollection tree_{options_};
};

TEST_F(ItemTextsTest, SourceFullTextJoinsTheNonEmptyFieldsOnOneLine) {
  const FakeSource full{"Ann Lee", "Parish\r\nRegister", "London, 1850", "", "PR", {}};
  EXPECT_EQ(CitationTextOf(FakeCitation{.source = full}), "Ann Lee, Parish Register, London, 1850, PR");
  EXPECT_EQ(CitationTextOf(FakeCitation{.source = FakeSource{.title = "Census"}}), "Census");
  EXPECT_EQ(CitationTextOf(FakeCitation{.source = FakeSource{.callNumber = "A\n1"}}), "A1");
}

struct CitationRow {
  const char* rule;
  FakeCitation citation;
  const char* expected;
};

void PrintTo(const CitationRow& row, std::ostream* out) {
  *out << row.rule;
}

class CitationTextTest : public ItemTextsTest, public testing::WithParamInterface<CitationRow> {};

TEST_P(CitationTextTest, JoinsDetailNoteAndSource) {
  EXPECT_EQ(CitationTextOf(GetParam().citation), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CitationTextTest,
    testing::Values(CitationRow{"DetailAlone", FakeCitation{.detail = "p. 12"}, "p. 12"},
                    CitationRow{"DetailAndNoteLines",
                                FakeCitation{.detail = "p. 12", .note = {"seen", " twice"}},
                                "p. 12, seen\r\ntwice"},
                    CitationRow{"NoteWithoutDetailHasNoLeadingComma", FakeCitation{.note = {"seen"}}, "seen"},
                    CitationRow{"SourceAfterDetail",
                                FakeCitation{.detail = "p. 12", .source = FakeSource{.title = "Census"}},
                                "p. 12, Census"},
                    CitationRow{"SourceNoteLast",
                                FakeCitation{.detail = "p. 12",
                                             .note = {"seen"},
                                             .source = FakeSource{.title = "Census", .note = {"filmed"}}},
                                "p. 12, seen, Census, filmed"},
                    CitationRow{"Nothing", FakeCitation{}, ""},
                    CitationRow{"SourceWithoutTextAddsNoComma",
                                FakeCitation{.detail = "p. 12", .source = FakeSource{}}, "p. 12"},
                    CitationRow{"SourceNoteWithoutTextBeforeHasNoLeadingComma",
                                FakeCitation{.source = FakeSource{.note = {"filmed"}}}, "filmed"}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST_F(ItemTextsTest, EventDatesAreBuiltOnceAndTheSortDateIsTheDisplayDate) {
  FakePerson person;
  person.events[EventKind::kBirth] = FakeEvent{.date = "ABT 1850",
                                               .place = "Leeds",
                                               .typeName = "Birth",
                                               .citations = {FakeCitation{.detail = "p. 1"}},
                                               .note = {"n"}};
  const std::unique_ptr<WABSVitEvent> birth =
      tree_.GetIndividual(tree_.AddPerson(person))->GetEvent(EventKind::kBirth, 1);
  ASSERT_NE(birth, nullptr);
  const WDate* date = birth->Date();
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(birth->Date(), date);
  EXPECT_EQ(birth->SortDate(), date);
  EXPECT_EQ(birth->DateText(), "Abt 1850");
  EXPECT_EQ(birth->SortDateText(), "Abt 1850");
  EXPECT_EQ(birth->Kind(), EventKind::kBirth);
  EXPECT_EQ(birth->TypeName(), "Birth");
  EXPECT_EQ(birth->PlaceText(options_), "Leeds");
  EXPECT_EQ(birth->CitationsText(), "1) p. 1");
  EXPECT_EQ(birth->NoteText(), "n");
}

TEST_F(ItemTextsTest, AnEventWithoutDateHasEmptyDateTexts) {
  FakePerson person;
  person.events[EventKind::kDeath] = FakeEvent{};
  const std::unique_ptr<WABSVitEvent> death =
      tree_.GetIndividual(tree_.AddPerson(person))->GetEvent(EventKind::kDeath, 1);
  EXPECT_EQ(death->Date(), nullptr);
  EXPECT_EQ(death->SortDate(), nullptr);
  EXPECT_EQ(death->DateText(), "");
  EXPECT_EQ(death->PlaceText(options_), "");
}

TEST_F(ItemTextsTest, MarriageTexts) {
  const std::int32_t tom = tree_.AddPerson(FakePerson{});
  const std::int32_t sue = tree_.AddPerson(FakePerson{});
  tree_.AddFamily(FakeFamily{.husband = tom,
                             .wife = sue,
                             .date = "5 MAY 1920",
                             .place = "Ohio",
                             .citations = {FakeCitation{.detail = "entry 4"}},
                             .note = {"eloped"}});
  tree_.AddFamily(FakeFamily{.wife = sue, .date = "1930"});
  const std::unique_ptr<WABSMarriage> first = tree_.GetMarriage(1);
  EXPECT_EQ(first->EventName(), "Marriage");
  EXPECT_EQ(first->DateAndPlaceText(), "5 May 1920, Ohio");
  EXPECT_EQ(first->SortDate(), first->Date());
  EXPECT_EQ(first->OtherSpouse(tom), sue);
  EXPECT_EQ(first->OtherSpouse(sue), tom);
  EXPECT_EQ(first->CitationsText(), "1) entry 4");
  EXPECT_EQ(first->NoteText(), "eloped");
  const std::unique_ptr<WABSMarriage> second = tree_.GetMarriage(2);
  EXPECT_EQ(second->DateAndPlaceText(), "1930");
  EXPECT_EQ(second->OtherSpouse(sue), 0);
  EXPECT_EQ(second->CitationsText(), "");
}

}  // namespace
}  // namespace kinshelf
