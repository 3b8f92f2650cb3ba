// The PAF 3, 4 and 5 collections read back, through the abstract model, a family the PAF writer laid
// out in each version: one suite runs the same checks against the three versions.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PafTestFamily.h"
#include "model/ItemTexts.h"
#include "model/WABSCitation.h"
#include "model/WABSIndividual.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSMarriage.h"
#include "model/WABSName.h"
#include "model/WABSNote.h"
#include "model/WABSPlace.h"
#include "model/WABSRepo.h"
#include "model/WABSSource.h"
#include "model/WABSSubmitter.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "model/pages/IndividualPage.h"
#include "settings/WOptions.h"

namespace kinshelf {
namespace {

using test::PafVersion;

class WPAFCollectionTest : public ::testing::TestWithParam<PafVersion> {
 protected:
  void SetUp() override { family_ = test::OpenFamily(test::RichFamily(), GetParam(), folder_, options_); }

  bool Paf3() const { return GetParam() == PafVersion::kPaf3; }
  std::unique_ptr<WABSIndividual> Person(std::int32_t rin) {
    return family_->GetIndividual(family_->RINToIndex(rin));
  }

  test::ScratchFolder folder_;
  WOptions options_;
  std::unique_ptr<WABSCollection> family_;
};

// The listing reads a vital event's date and place from its structure; they must be what the
// event object shows, with either place setting.
TEST_P(WPAFCollectionTest, EventTextsAreTheEventObjectsTexts) {
  for (const bool dropCommas : {false, true}) {
    options_.SetBool(opt::PlaceCommas, dropCommas);
    for (std::int32_t index = 1; index <= family_->IndividualCount(); ++index) {
      const auto person = family_->GetIndividual(index);
      for (const EventKind kind : {EventKind::kBirth, EventKind::kChristening, EventKind::kDeath,
                                   EventKind::kBurial, EventKind::kOther}) {
        const auto event = person->GetEvent(kind, 1);
        const EventTexts texts = person->EventDateAndPlaceText(kind, 1);
        EXPECT_EQ(texts.date, event != nullptr ? event->DateText() : "") << index;
        EXPECT_EQ(texts.place, event != nullptr ? event->PlaceText(options_) : "") << index;
      }
    }
  }
}

// One object pointed at each individual in turn shows what an object of its own shows: nothing
// read of one individual (events, families, citations, dates, note) stays for the next.
TEST_P(WPAFCollectionTest, ForEachIndividualShowsEachAsItsOwnObjectDoes) {
  const auto shown = [](WABSIndividual& person) {
    const EventTexts death = person.EventDateAndPlaceText(EventKind::kDeath, 1);
    return std::to_string(person.Index()) + "|" + person.LifeSpanText(true) + "|" + person.GetSex() + "|" +
           std::to_string(person.EventCount(EventKind::kOther)) + "|" +
           std::to_string(person.SpouseFamilyCount()) + "|" + std::to_string(person.ParentFamilyCount()) +
           "|" + std::to_string(person.CitationCount()) + "|" + person.ChangedDateText() + "|" +
           person.NoteText() + "|" + death.date + "|" + death.place;
  };
  std::vector<std::string> visited;
  family_->ForEachIndividual(-1, 99, [&](WABSIndividual& person) { visited.push_back(shown(person)); });
  std::vector<std::string> fresh;
  for (std::int32_t index = 1; index <= family_->IndividualCount(); ++index)
    fresh.push_back(shown(*family_->GetIndividual(index)));
  EXPECT_EQ(visited, fresh);
  EXPECT_EQ(fresh.size(), 8U);
}

// A walk reads records it located some individuals before: over ranges of every start and end, with
// deleted individuals between, it visits what the getter gives, in order.
TEST_P(WPAFCollectionTest, AWalkOfAnyRangeVisitsWhatTheGetterGives) {
  test::PafDescription description;
  for (int n = 1; n <= 45; ++n) {
    test::PafDescription::Individual person;
    person.givenNames = {"Person" + std::to_string(n)};
    person.surname = "Walk";
    person.deleted = n % 7 == 3;
    description.individuals.push_back(person);
  }
  test::ScratchFolder folder;
  const auto family = test::OpenFamily(description, GetParam(), folder, options_);
  const std::int32_t count = family->IndividualCount();
  ASSERT_EQ(count, 38);
  for (const auto& [first, last] :
       {std::pair{1, count}, {-5, 3}, {2, 17}, {17, 40}, {20, 20}, {30, 29}, {38, 99}}) {
    std::vector<std::string> visited;
    family->ForEachIndividual(first, last, [&](WABSIndividual& person) {
      visited.push_back(std::to_string(person.Index()) + " " + person.NameWithIDText());
    });
    std::vector<std::string> expected;
    for (std::int32_t index = std::max(first, 1); index <= std::min(last, count); ++index)
      expected.push_back(std::to_string(index) + " " + family->GetIndividual(index)->NameWithIDText());
    EXPECT_EQ(visited, expected) << first << " to " << last;
  }
}

TEST_P(WPAFCollectionTest, DeletedIndividualsAreHiddenAndDeletedMarriagesStillCount) {
  EXPECT_EQ(family_->IndividualCount(), 8);
  EXPECT_EQ(family_->RINToIndex(4), -1);
  EXPECT_EQ(family_->RINToIndex(5), 4);
  EXPECT_EQ(family_->IndexToRIN(4), 5);
  EXPECT_EQ(family_->FindIndividual("5"), 4);
  for (const char* none : {"4", "0", "abc", "-3", "99"}) EXPECT_EQ(family_->FindIndividual(none), 0) << none;
  EXPECT_EQ(family_->MarriageCount(), 4);
  EXPECT_NE(family_->GetMarriage(3), nullptr);
  EXPECT_EQ(family_->GetMarriage(5), nullptr);
  EXPECT_EQ(family_->GetIndividual(9), nullptr);
  EXPECT_EQ(Person(5)->GetIDText(), "5");
  EXPECT_EQ(Person(5)->Index(), 4);
}

TEST_P(WPAFCollectionTest, AnIndividualReadsBackAsWritten) {
  const auto john = Person(1);
  const auto name = john->GetName();
  EXPECT_EQ(name->GetGivenNames(), "John Henry");
  EXPECT_EQ(name->GetSurname(), "Smith");
  EXPECT_EQ(name->GetSuffix(), "Jr");
  EXPECT_EQ(name->GetPrefix(), GetParam() == PafVersion::kPaf4 ? "Dr" : "");
  // Read together, before and after the getters have read them one by one.
  for (const NameParts& parts : {john->GetName()->GetParts(), name->GetParts()}) {
    EXPECT_EQ(std::vector<std::string>({parts.prefix, parts.givenNames, parts.surname, parts.suffix}),
              std::vector<std::string>({name->GetPrefix(), "John Henry", "Smith", "Jr"}));
  }
  EXPECT_EQ(john->GetSex(), 'M');
  EXPECT_EQ(john->GetRefNumber(), "R-17");
  EXPECT_EQ(john->GetAFN(), "9X2K-7Q");
  EXPECT_EQ(john->EventDateText(EventKind::kBirth, 1), "4 Mar 1850");
  EXPECT_EQ(john->EventPlaceText(EventKind::kBirth, 1), "Springfield, Ohio");
  EXPECT_EQ(john->EventDateText(EventKind::kDeath, 1), "Abt 1920");
  EXPECT_EQ(john->GetEvent(EventKind::kChristening, 1), nullptr);
  EXPECT_EQ(john->NoteText(), "Farmer all his life.\r\nMoved west in 1870.");
  ASSERT_NE(john->GetChangedDate(), nullptr);
  EXPECT_EQ(john->ChangedDateText(), "2 Jan 1970");
  const WDate* created = john->GetCreatedDate();
  EXPECT_EQ(created != nullptr ? created->DisplayText() : "none",
            GetParam() == PafVersion::kPaf5 ? "none" : "1 Jan 1970");
}

TEST_P(WPAFCollectionTest, EveryCitationOfALongChainCanBeFetched) {
  const auto john = Person(1);
  ASSERT_EQ(john->CitationCount(), 150);
  for (const int n : {1, 99, 100, 150}) {
    const auto citation = john->GetCitation(n);
    ASSERT_NE(citation, nullptr) << n;
    EXPECT_EQ(citation->GetDetailText(), "page " + std::to_string(n));
  }
  const auto source = john->GetCitation(1)->GetSource();
  EXPECT_EQ(source->GetTitle(), "Parish Register");
  EXPECT_EQ(source->GetAuthor(), "A. Clerk");
  EXPECT_TRUE(source->HasNote());
  EXPECT_EQ(NoteTextOf(source->GetNote().get()), "Kept at the church.");
  EXPECT_EQ(source->HasText(), !Paf3());
  EXPECT_EQ(source->GetTextNote() != nullptr, !Paf3());
  EXPECT_EQ(source->GetRepoIndex(), 1);
  const auto repository = family_->GetRepo(source->GetRepoIndex());
  EXPECT_EQ(repository->GetName(), "County Archive");
  EXPECT_EQ(repository->GetAddress()->GetPhone(), "555-0100");
  EXPECT_EQ(john->GetEvent(EventKind::kBirth, 1)->CitationCount(), 1);
}

TEST_P(WPAFCollectionTest, FamiliesLinkSpousesParentsAndChildrenInBirthOrder) {
  const auto john = Person(1);
  ASSERT_EQ(john->SpouseFamilyCount(), 2);
  EXPECT_EQ(john->GetSpouseFamily(1), 1);
  EXPECT_EQ(john->GetSpouseFamily(2), 2);
  EXPECT_EQ(Person(2)->SpouseFamilyCount(), 2);
  const auto first = family_->GetMarriage(1);
  EXPECT_EQ(first->GetHusband(), 1);
  EXPECT_EQ(first->GetWife(), 2);
  EXPECT_EQ(first->SpouseCount(), 2);
  EXPECT_EQ(first->DateText(), "12 Jun 1870");
  EXPECT_EQ(first->GetPlaceText(), "Boston");
  EXPECT_EQ(first->NoteText(), "Married in the chapel.");
  first->SortChildren();
  ASSERT_EQ(first->ChildCount(), 3);
  // RIN 7 born 1875, RIN 5 born 1880, RIN 6 without a birth date.
  EXPECT_EQ(first->GetChild(1), family_->RINToIndex(7));
  EXPECT_EQ(first->GetChild(2), family_->RINToIndex(5));
  EXPECT_EQ(first->GetChild(3), family_->RINToIndex(6));
  const auto child = Person(5);
  ASSERT_EQ(child->ParentFamilyCount(), 1);
  EXPECT_EQ(child->GetParentFamily(1), 1);
  EXPECT_EQ(family_->FatherOf(child->Index()), 1);
  EXPECT_EQ(family_->MotherOf(child->Index()), 2);
  const auto lone = family_->GetMarriage(4);
  EXPECT_EQ(lone->SpouseCount(), 1);
  EXPECT_EQ(lone->GetHusband(), 0);
}

TEST_P(WPAFCollectionTest, OrdinancesCarryDateTempleAndCitations) {
  const auto john = Person(1);
  const auto baptism = john->GetLDSEvent(EventKind::kLdsBaptism);
  ASSERT_NE(baptism, nullptr);
  EXPECT_EQ(baptism->DateText(), "1 Jan 1900");
  EXPECT_EQ(baptism->GetPlace()->GetPlaceText(), "SLAKE");
  EXPECT_EQ(baptism->CitationCount(), 1);
  EXPECT_EQ(john->GetLDSEvent(EventKind::kLdsEndowment), nullptr);
  const auto sealing = Person(5)->GetLDSEvent(EventKind::kLdsSealingToParents);
  ASSERT_NE(sealing, nullptr);
  EXPECT_EQ(sealing->GetPlace()->GetPlaceText(), "LOGAN");
  const auto couple = family_->GetMarriage(1);
  ASSERT_TRUE(couple->HasSealing());
  EXPECT_EQ(couple->GetSealing(1)->DateText(), "3 Apr 1871");
  EXPECT_FALSE(family_->GetMarriage(2)->HasSealing());
}

TEST_P(WPAFCollectionTest, AdditionalEventsNameTheirTypeAndDescription) {
  const auto john = Person(1);
  if (Paf3()) {
    EXPECT_EQ(john->EventCount(EventKind::kOther), 0);
    return;
  }
  ASSERT_EQ(john->EventCount(EventKind::kOther), 2);
  const auto occupation = john->GetEvent(EventKind::kOther, 1);
  EXPECT_EQ(occupation->TypeName(), "Occupation");
  EXPECT_EQ(occupation->GetDescription(), "Blacksmith");
  EXPECT_TRUE(occupation->HasNote());
  EXPECT_EQ(occupation->NoteText(), "Blacksmith");
  EXPECT_EQ(occupation->DateText(), "1875");
  EXPECT_EQ(john->GetEvent(EventKind::kOther, 2)->TypeName(), "Census");
  EXPECT_EQ(john->GetEvent(EventKind::kOther, 3), nullptr);
  EXPECT_EQ(Person(8)->EventCount(EventKind::kOther), 1000);
}

TEST_P(WPAFCollectionTest, HeaderRowsAndSubmitter) {
  const auto rows = family_->GetHeaderInfo();
  ASSERT_EQ(rows.size(), Paf3() || GetParam() == PafVersion::kPaf4 ? 12U : 5U);
  EXPECT_EQ(rows[0].caption, "Source");
  EXPECT_EQ(rows[0].value, "PAF");
  const auto deleted = rows.size() == 5 ? 3U : 5U;
  EXPECT_EQ(rows[deleted].caption, "Deleted Individuals");
  EXPECT_EQ(rows[deleted].value, "1");
  EXPECT_EQ(rows[deleted + 1].value, "1");
  const auto submitter = family_->GetSubmitter();
  EXPECT_EQ(submitter->GetName(), Paf3() || GetParam() == PafVersion::kPaf4 ? "Ada Lovelace" : "Ada");
  EXPECT_EQ(submitter->GetEmail(), Paf3() ? "" : "ada@example.org");
  EXPECT_EQ(family_->GetExtraText(), "N/A/");
  EXPECT_EQ(family_->Kind(), CollectionKind::kPaf);
}

TEST_P(WPAFCollectionTest, AStatusWordShowsAsTheOrdinanceDate) {
  auto description = test::RichFamily();
  description.individuals[1].endowment.date = test::PafDescription::Date::Status("COMPLETED");
  test::ScratchFolder folder;
  const auto family = test::OpenFamily(description, GetParam(), folder, options_);
  const auto endowment = family->GetIndividual(2)->GetLDSEvent(EventKind::kLdsEndowment);
  ASSERT_NE(endowment, nullptr);
  EXPECT_EQ(endowment->DateText(), "COMPLETED");
}

// Every row of every individual's page, as the details view would list them.
std::vector<std::string> AllPages(WABSCollection& family) {
  std::vector<std::string> rows;
  for (std::int32_t index = 1; index <= family.IndividualCount(); ++index) {
    for (const FactRow& row : BuildIndividualPage(family, index).facts)
      rows.push_back(row.caption + "|" + row.date + "|" + row.place + "|" + row.description + "|" +
                     row.sources + "|" + row.notes);
  }
  return rows;
}

// How a file is laid out must not change what it shows: spread over several 64 MiB maps, or with
// every absent link written as -1.
TEST_P(WPAFCollectionTest, TheLayoutOfAFileDoesNotChangeWhatItShows) {
  const auto expected = AllPages(*family_);
  ASSERT_GT(expected.size(), 50U);
  for (const auto& [spread, noLink] : {std::pair{1, 0}, std::pair{0, -1}}) {
    auto description = test::RichFamily();
    description.options.blocksPerTypePerMap = spread;
    description.options.noLink = noLink;
    test::ScratchFolder folder;
    test::PafWrittenFile written;
    const auto family = test::OpenFamily(description, GetParam(), folder, options_, &written);
    EXPECT_EQ(AllPages(*family), expected) << "spread " << spread << ", absent links " << noLink;
    if (spread != 0) {
      EXPECT_GT(written.maps, 1);
    }
  }
}

// A listing lays out the name and places from views of the text records; the texts must be the
// general functions' under every name setting, for names and places of every shape.
TEST_P(WPAFCollectionTest, ListingTextsAreTheGeneralFunctionsTexts) {
  using Date = test::PafDescription::Date;
  struct Shape {
    std::string given, surname, suffix;
    std::vector<std::string> place;
    Date date;
  };
  const std::vector<Shape> shapes = {
      {"Ann", "Lee", "", {"York"}, Date::Day(1850, 3, 4)},
      {"", "Lee", " Jr ", {" , , "}, Date::Status("STILLBORN")},
      {"  Ann  Mary ", "", "", {" York "}, Date::Text("spring 1850")},
      {"Zo\xEB", "Br\xEAont\xEB", "III", {"", "Yorkshire"}, Date::Day(1850, 0, 0)},
      {"", "", "", {"Leeds", "Yorkshire", "", "England"}, {}},
  };
  test::PafDescription description;
  for (const Shape& shape : shapes) {
    test::PafDescription::Individual person;
    person.givenNames = {shape.given};
    person.surname = shape.surname;
    person.suffix = shape.suffix;
    person.refNumber = "R-7";
    person.birth = {shape.date, shape.place, {}};
    person.death = {{}, shape.place, {}};
    description.individuals.push_back(person);
  }
  test::ScratchFolder folder;
  const auto family = test::OpenFamily(description, GetParam(), folder, options_);
  for (int settings = 0; settings < 96; ++settings) {
    options_.SetBool(opt::PreSuf, (settings & 1) != 0);
    options_.SetBool(opt::NameSlash, (settings & 2) != 0);
    options_.SetBool(opt::NameUpper, (settings & 4) != 0);
    options_.SetBool(opt::FNValueFlag, (settings & 8) != 0);
    options_.SetBool(opt::PlaceCommas, (settings & 16) != 0);
    options_.SetInt(opt::FNValue, 1 + settings / 32);
    for (std::int32_t index = 1; index <= family->IndividualCount(); ++index) {
      const auto person = family->GetIndividual(index);
      ListingTexts read(ListingOptions::Of(options_));
      ListingTexts general(ListingOptions::Of(options_));
      person->ReadListingTexts(read);
      person->WABSIndividual::ReadListingTexts(general);
      const auto joined = [](const ListingTexts& texts) {
        return texts.id + "|" + texts.name + "|" + texts.birth.date + "|" + texts.birth.place + "|" +
               texts.death.date + "|" + texts.death.place;
      };
      EXPECT_EQ(joined(read), joined(general)) << "settings " << settings << ", individual " << index;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllVersions, WPAFCollectionTest,
                         ::testing::Values(PafVersion::kPaf3, PafVersion::kPaf4, PafVersion::kPaf5),
                         [](const auto& info) {
                           return "Paf" + std::to_string(static_cast<int>(info.param));
                         });

}  // namespace
}  // namespace kinshelf
