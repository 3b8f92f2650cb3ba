// The record objects: what each line of a record gives through the model, the name parts, events,
// ordinances, places, citations, sources, notes, repositories and addresses, and long records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GedcomTestSupport.h"

namespace kinshelf {
namespace {

using test::GedLines;
using test::LoadedGedcom;

// A file of one individual with the given record lines (after "0 @I1@ INDI"), and any records after.
std::string OnePerson(std::initializer_list<std::string_view> lines, std::string_view more = "") {
  return "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n" + GedLines(lines) + std::string(more) + "0 TRLR\n";
}

TEST(WGEDIndividual, SexIsTheLetterAfterSexOrUnknown) {
  EXPECT_EQ(LoadedGedcom(OnePerson({"1 SEX F"}))->GetIndividual(1)->GetSex(), 'F');
  EXPECT_EQ(LoadedGedcom(OnePerson({"1 SEX"}))->GetIndividual(1)->GetSex(), 'U');
  EXPECT_EQ(LoadedGedcom(OnePerson({"1 NAME A"}))->GetIndividual(1)->GetSex(), 'U');
}

// A date's words are text of the file like any other: converted from ANSEL in an ANSEL file only.
TEST(WGEDIndividual, DateTextFollowsTheFilesCharacterSet) {
  LoadedGedcom utf8(OnePerson({"1 BIRT", "2 DATE 5 MAI 1850 K\xC3\xB6ln"}));
  EXPECT_EQ(utf8->GetIndividual(1)->EventDateText(EventKind::kBirth, 1), "5 MAI 1850 K\xC3\xB6ln");
  LoadedGedcom ansel("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 BIRT\n2 DATE ABT 1850 \xE2" "e\n0 TRLR\n");
  EXPECT_EQ(ansel->GetIndividual(1)->EventDateText(EventKind::kBirth, 1), "ABT 1850 \xC3\xA9");
}

TEST(WGEDIndividual, TheLastOfTwoBirthLinesIsTheBirth) {
  LoadedGedcom gedcom(OnePerson({"1 BIRT", "2 DATE 1900", "1 BIRT", "2 DATE 1901", "2 PLAC Here"}));
  const auto individual = gedcom->GetIndividual(1);
  EXPECT_EQ(individual->EventCount(EventKind::kBirth), 1);
  EXPECT_EQ(individual->EventDateText(EventKind::kBirth, 1), "1901");
  EXPECT_EQ(individual->GetEvent(EventKind::kBirth, 1)->GetPlace()->GetPlaceText(), "Here");
  EXPECT_EQ(individual->EventCount(EventKind::kDeath), 0);
  EXPECT_EQ(individual->GetEvent(EventKind::kDeath, 1), nullptr);
}

TEST(WGEDIndividual, ThreeNoteLinesMakeOneNote) {
  LoadedGedcom gedcom(OnePerson({"1 NOTE first", "2 CONT second", "1 NOTE @N1@", "1 NOTE third"},
                                GedLines({"0 @N1@ NOTE record a", "1 CONT record b"})));
  const auto note = gedcom->GetIndividual(1)->GetNote();
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->Lines(), (std::vector<std::string>{"first", "second", "record a\r\nrecord b", "third"}));
}

TEST(WGEDIndividual, OtherEventsFollowTheEventTable) {
  LoadedGedcom gedcom(OnePerson({"1 DIV", "1 OCCU Farmer", "2 CAUS hobby", "1 EVEN", "2 TYPE Voyage",
                                 "1 BIRT", "1 _MILT Army", "1 CHR"}));
  const auto individual = gedcom->GetIndividual(1);
  ASSERT_EQ(individual->EventCount(EventKind::kOther), 3);
  const auto divorce = individual->GetEvent(EventKind::kOther, 1);
  EXPECT_EQ(divorce->TypeName(), "Divorce");
  EXPECT_EQ(divorce->Kind(), EventKind::kOther);
  const auto occupation = individual->GetEvent(EventKind::kOther, 2);
  EXPECT_EQ(occupation->TypeName(), "Occupation");
  EXPECT_EQ(occupation->GetDescription(), "Farmer, hobby");
  EXPECT_EQ(individual->GetEvent(EventKind::kOther, 3)->TypeName(), "Voyage");
  EXPECT_EQ(individual->GetEvent(EventKind::kOther, 4), nullptr);
  EXPECT_EQ(individual->EventCount(EventKind::kChristening), 1);
}

TEST(WGEDIndividual, AssociatesByNameAndPhysicalDescription) {
  LoadedGedcom gedcom(
      GedLines({"0 HEAD", "0 @I1@ INDI", "1 NAME Ann /Lee/", "1 ASSO @I2@", "2 RELA Godfather", "1 ASSO @I9@",
                "1 ASSO mail a@b.org", "1 DSCR tall", "0 @I2@ INDI", "1 NAME Bob /Ray/", "0 TRLR"}));
  const auto individual = gedcom->GetIndividual(1);
  ASSERT_EQ(individual->EventCount(EventKind::kOther), 4);
  const auto godfather = individual->GetEvent(EventKind::kOther, 1);
  EXPECT_EQ(godfather->TypeName(), "Associates");
  EXPECT_EQ(godfather->GetDescription(), "Bob /Ray/ [I2], Godfather");
  EXPECT_EQ(individual->GetEvent(EventKind::kOther, 2)->GetDescription(), "@I9@");
  EXPECT_EQ(individual->GetEvent(EventKind::kOther, 3)->GetDescription(), "mail a@b.org");
  EXPECT_EQ(individual->GetEvent(EventKind::kOther, 4)->TypeName(), "Physical Description");
}

TEST(WGEDIndividual, FindsLinesFarBeyond65535BytesIntoTheRecord) {
  std::string longNote = "1 NOTE start\n";
  for (int i = 0; i < 2000; ++i) longNote += "2 CONT " + std::string(60, 'n') + "\n";
  LoadedGedcom gedcom("0 HEAD\n0 @I1@ INDI\n" + longNote + "1 BIRT\n2 DATE 1850\n1 SEX M\n0 TRLR\n");
  const auto individual = gedcom->GetIndividual(1);
  EXPECT_EQ(individual->EventDateText(EventKind::kBirth, 1), "1850");
  EXPECT_EQ(individual->GetSex(), 'M');
  EXPECT_EQ(individual->GetNote()->Lines().size(), 2001u);
  EXPECT_GT(individual->GetRecordText().size(), 65535u);
}

TEST(WGEDIndividual, IdentifierIsReturnedAsWrittenAndFoundByItsFirst31Bytes) {
  const std::string id(40, 'P');
  LoadedGedcom gedcom("0 HEAD\n0 @" + id + "@ INDI\n0 TRLR\n");
  EXPECT_EQ(gedcom->GetIndividual(1)->GetIDText(), id);
  EXPECT_EQ(gedcom->FindIndividual(id), 1);
}

TEST(WGEDIndividual, ChangeDateAndReferenceNumbers) {
  LoadedGedcom gedcom(OnePerson({"1 REFN 42 ", "1 AFN  X1Y", "1 CHAN", "2 NOTE n", "3 DATE 2 FEB 2003"}));
  const auto individual = gedcom->GetIndividual(1);
  EXPECT_EQ(individual->GetRefNumber(), "42");
  EXPECT_EQ(individual->GetAFN(), "X1Y");
  ASSERT_NE(individual->GetChangedDate(), nullptr);
  EXPECT_EQ(individual->ChangedDateText(), "2 Feb 2003");
}

struct NameCase {
  const char* name;
  const char* value;
  const char* given;
  const char* surname;
  const char* suffix;
};

class NameSplit : public testing::TestWithParam<NameCase> {};

TEST_P(NameSplit, FollowsTheSlashes) {
  LoadedGedcom named(OnePerson({std::string("1 NAME ") + GetParam().value}));
  const auto name = named->GetIndividual(1)->GetName();
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->GetGivenNames(), GetParam().given);
  EXPECT_EQ(name->GetSurname(), GetParam().surname);
  EXPECT_EQ(name->GetSuffix(), GetParam().suffix);
  const NameParts parts = named->GetIndividual(1)->GetName()->GetParts();
  EXPECT_EQ(parts.givenNames, GetParam().given);
  EXPECT_EQ(parts.surname, GetParam().surname);
  EXPECT_EQ(parts.suffix, GetParam().suffix);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NameSplit,
    testing::Values(NameCase{"GivenSurnameSuffix", "John Henry /Smith/ Jr.", "John Henry", "Smith", "Jr."},
                    NameCase{"SurnameFirst", "/Smith/ John", "John", "Smith", ""},
                    NameCase{"ExtraBlanks", "John  /Smith/   Jr. ", "John", "Smith", "Jr."},
                    NameCase{"GivenOnly", "John", "John", "", ""},
                    NameCase{"UnclosedSurname", "John /Smith", "John", "Smith", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WGEDName, PartsFromSubLinesWhenTheNameLineIsEmptyAndLongSurnamesWhole) {
  LoadedGedcom gedcom(OnePerson({"1 NAME", "2 GIVN Ann", "2 SURN Lee", "2 NPFX Dr.", "2 NSFX III"}));
  const auto name = gedcom->GetIndividual(1)->GetName();
  EXPECT_EQ(name->GetGivenNames(), "Ann");
  EXPECT_EQ(name->GetSurname(), "Lee");
  EXPECT_EQ(name->GetPrefix(), "Dr.");
  EXPECT_EQ(name->GetSuffix(), "III");
  const NameParts parts = gedcom->GetIndividual(1)->GetName()->GetParts();
  EXPECT_EQ(std::vector<std::string>({parts.prefix, parts.givenNames, parts.surname, parts.suffix}),
            std::vector<std::string>({"Dr.", "Ann", "Lee", "III"}));
  LoadedGedcom longName(OnePerson({"1 NAME /" + std::string(300, 's') + "/"}));
  EXPECT_EQ(longName->GetIndividual(1)->GetName()->GetSurname(), std::string(300, 's'));
}

TEST(WGEDMarriage, DateAndPlaceAnywhereAmongTheMarriagesOwnLines) {
  LoadedGedcom gedcom(
      GedLines({"0 HEAD",   "0 @F1@ FAM",        "1 MARR",      "2 PLAC X",     "2 DATE 1900", "0 @F2@ FAM",
                "1 MARR",   "2 DATE 1 JAN 1901", "1 SLGS",      "2 DATE 1950",  "1 NOTE fam",  "0 @F3@ FAM",
                "1 MARR",   "2 TYPE civil",      "2 _UID 1A2B", "2 SOUR @S1@",  "3 PAGE 12",   "3 DATE 1800",
                "2 PLAC Y", "2 DATE 5 MAY 1902", "1 DIV",       "2 DATE 1910",  "2 PLAC Z",    "0 @F4@ FAM",
                "1 MARR",   "2 PLAC Undated",    "1 MARR",      "2 PLAC Dated", "2 DATE 1903", "0 TRLR"}));
  const auto first = gedcom->GetMarriage(1);
  EXPECT_EQ(first->DateText(), "1900");
  EXPECT_EQ(first->GetPlaceText(), "X");
  const auto second = gedcom->GetMarriage(2);
  EXPECT_EQ(second->DateText(), "1 Jan 1901");
  ASSERT_TRUE(second->HasSealing());
  EXPECT_EQ(second->GetSealing(1)->DateText(), "1950");
  EXPECT_EQ(second->NoteText(), "fam");
  const auto third = gedcom->GetMarriage(3);
  EXPECT_EQ(third->DateText(), "5 May 1902");
  EXPECT_EQ(third->GetPlaceText(), "Y");
  const auto fourth = gedcom->GetMarriage(4);
  EXPECT_EQ(fourth->DateText(), "1903");
  EXPECT_EQ(fourth->GetPlaceText(), "Dated");
}

TEST(WGEDLDSEvent, StatusStandsInForAMissingDate) {
  LoadedGedcom gedcom(OnePerson({"1 BAPL", "2 STAT COMPLETED", "2 TEMP SLAKE", "1 ENDL", "2 DATE 1900"}));
  const auto individual = gedcom->GetIndividual(1);
  const auto baptism = individual->GetLDSEvent(EventKind::kLdsBaptism);
  ASSERT_NE(baptism, nullptr);
  EXPECT_EQ(baptism->Kind(), EventKind::kLdsBaptism);
  EXPECT_EQ(baptism->DateText(), "COMPLETED");
  EXPECT_EQ(baptism->GetPlace()->GetPlaceText(), "SLAKE");
  EXPECT_EQ(individual->GetLDSEvent(EventKind::kLdsEndowment)->DateText(), "1900");
  EXPECT_EQ(individual->GetLDSEvent(EventKind::kLdsSealingToParents), nullptr);
}

TEST(WGEDCitation, PointerToAMissingSourceGivesNoneAndAnInlineSourceIsItsOwnTitle) {
  LoadedGedcom gedcom(OnePerson({"1 SOUR @S9@", "2 PAGE p. 4", "1 SOUR Parish register", "2 CONT page two",
                                 "2 NOTE inline", "1 SOUR @S1@"},
                                GedLines({"0 @S1@ SOUR", "1 TITL Census", "1 AUTH Clerk", "1 REPO @R1@",
                                          "0 @R1@ REPO", "1 NAME Archive"})));
  const auto individual = gedcom->GetIndividual(1);
  ASSERT_EQ(individual->CitationCount(), 3);
  const auto missing = individual->GetCitation(1);
  EXPECT_EQ(missing->GetDetailText(), "p. 4");
  EXPECT_EQ(missing->GetSource(), nullptr);
  const auto inlineSource = individual->GetCitation(2)->GetSource();
  ASSERT_NE(inlineSource, nullptr);
  EXPECT_EQ(inlineSource->GetTitle(), "Parish register\r\npage two");
  EXPECT_EQ(inlineSource->GetRecordText(), "");
  EXPECT_TRUE(inlineSource->HasNote());
  const auto record = individual->GetCitation(3)->GetSource();
  EXPECT_EQ(record->GetFullText(), "Clerk, Census");
  EXPECT_EQ(record->GetRepoIndex(), 1);
}

TEST(WGEDNote, AnInlineNoteWithTwoAtSignsIsText) {
  LoadedGedcom gedcom(OnePerson({"1 NOTE mail a@b.org or c@d.org", "1 NOTE @N1@ more"}));
  const auto note = gedcom->GetIndividual(1)->GetNote();
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->Lines(), (std::vector<std::string>{"mail a@b.org or c@d.org", "@N1@ more"}));
}

TEST(WGEDNote, ANoteRecordWithoutTextOnItsLineStartsWithTheNextLine) {
  LoadedGedcom gedcom(GedLines({"0 HEAD", "0 @N1@ NOTE", "1 CONC first", "1 CONT second", "0 @N2@ NOTE own",
                                "1 CONC  text", "0 TRLR"}));
  EXPECT_EQ(gedcom->GetNote(1)->Lines(), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(gedcom->GetNote(2)->Lines(), (std::vector<std::string>{"own text"}));
}

TEST(WGEDRepo, NameContinuationsJoinWithACarriageReturnAndTheAddressTakesItsLines) {
  LoadedGedcom gedcom(GedLines({"0 HEAD", "0 @R1@ REPO", "1 NAME A", "2 CONT B", "1 ADDR Road 1",
                                "2 CONT Flat 2", "2 CITY Town", "2 POST 123", "1 PHON 555", "0 TRLR"}));
  const auto repo = gedcom->GetRepo(1);
  ASSERT_NE(repo, nullptr);
  EXPECT_EQ(repo->GetName(), "A\rB");
  const auto address = repo->GetAddress();
  EXPECT_EQ(address->GetAddress(), "Road 1\r\nFlat 2");
  EXPECT_EQ(address->GetCity(), "Town");
  EXPECT_EQ(address->GetPostalCode(), "123");
  EXPECT_EQ(address->GetPhone(), "555");
  EXPECT_EQ(address->GetCountry(), "");
}

}  // namespace
}  // namespace kinshelf
