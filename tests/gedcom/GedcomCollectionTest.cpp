// The collection: header rows and text, the character set and encoding, the submitter, getters at
// and beyond the counts, the quick count, the file facts, and the order of spouse families.
#include "gedcom/WGEDCollection.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "GedcomTestSupport.h"
#include "fileaccess/WMMFError.h"
#include "gedcom/GedcomIndexes.h"
#include "gedcom/PageWarmer.h"
#include "model/CancelFlag.h"
#include "model/WABSVitEvent.h"
#include "settings/WOptions.h"

namespace kinshelf {
namespace {

using test::GedLines;
using test::LoadedGedcom;

std::vector<std::string> Rows(const std::vector<GenHeaderRec>& rows) {
  std::vector<std::string> texts;
  for (const GenHeaderRec& row : rows) texts.push_back(row.caption + "=" + row.value);
  return texts;
}

TEST(GetHeaderInfo, ListsTheHeaderLinesInTheirOrder) {
  LoadedGedcom gedcom(
      GedLines({"0 HEAD", "1 SOUR XYZ", "2 VERS 5.0", "2 NAME Builder", "2 CORP Firm", "3 ADDR Street",
                "4 CONT Town", "1 DEST ANY", "1 DATE 1 JAN 2010", "2 TIME 10:00", "1 FILE a.ged", "1 GEDC",
                "2 VERS 5.5", "2 FORM LINEAGE-LINKED", "1 CHAR ANSEL", "2 VERS 1", "0 TRLR"}));
  EXPECT_EQ(
      Rows(gedcom->GetHeaderInfo()),
      (std::vector<std::string>{"Application=XYZ", "Application Version=5.0", "Application Name=Builder",
                                "Application Corp.=Firm", "Application Address=Street", "Destination=ANY",
                                "Date=1 JAN 2010 10:00", "File name=a.ged", "GEDC Version=5.5",
                                "GEDC Form=LINEAGE-LINKED", "Char Set=ANSEL"}));
}

TEST(GetHeaderInfo, KeepsEveryRowBeyond256) {
  std::string text = "0 HEAD\n";
  for (int i = 0; i < 300; ++i) text += "1 DEST D" + std::to_string(i) + "\n";
  LoadedGedcom gedcom(text + "0 TRLR\n");
  const std::vector<GenHeaderRec> rows = gedcom->GetHeaderInfo();
  ASSERT_EQ(rows.size(), 300u);
  EXPECT_EQ(rows.back().value, "D299");
}

struct CharSetCase {
  const char* name;
  const char* charLine;
  int characterSet;
  TextEncoding encoding;
  const char* converted;
};

class CharacterSet : public testing::TestWithParam<CharSetCase> {};

TEST_P(CharacterSet, DecidesTheConversionAndTheEncoding) {
  LoadedGedcom gedcom(GedLines({"0 HEAD", GetParam().charLine, "0 @I1@ INDI",
                                "1 NAME Ren\xE2"
                                "e /X/",
                                "0 TRLR"}));
  EXPECT_EQ(gedcom->CharacterSet(), GetParam().characterSet);
  EXPECT_EQ(gedcom->Encoding(), GetParam().encoding);
  EXPECT_EQ(gedcom->GetIndividual(1)->GetName()->GetGivenNames(), GetParam().converted);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CharacterSet,
    testing::Values(CharSetCase{"Ansel", "1 CHAR ANSEL", 1, TextEncoding::kUtf8, "Ren\xC3\xA9"},
                    CharSetCase{"AnselLowerCase", "1 CHAR ansel ", 1, TextEncoding::kUtf8, "Ren\xC3\xA9"},
                    CharSetCase{"Utf8", "1 CHAR UTF-8", 2, TextEncoding::kUtf8,
                                "Ren\xE2"
                                "e"},
                    CharSetCase{"Unicode", "1 CHAR UNICODE", 0, TextEncoding::kUtf8OrWindows1252,
                                "Ren\xE2"
                                "e"},
                    CharSetCase{"Ascii", "1 CHAR ASCII", 0, TextEncoding::kUtf8OrWindows1252,
                                "Ren\xE2"
                                "e"},
                    CharSetCase{"NoCharLine", "1 SOUR X", 0, TextEncoding::kUtf8OrWindows1252,
                                "Ren\xE2"
                                "e"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetHeaderText, AnLfFileGivesCrLfLineBreaks) {
  LoadedGedcom gedcom(GedLines({"0 HEAD", "1 CHAR UTF-8", "0 TRLR"}));
  EXPECT_EQ(gedcom->GetHeaderText(), "0 HEAD\r\n1 CHAR UTF-8\r\n");
  EXPECT_EQ(gedcom->GetExtraText(), "N/A");
}

TEST(GetSubmitter, FollowsTheFirstSubmLineOfTheHeader) {
  const std::string records = GedLines({"0 @U1@ SUBM", "1 NAME Ann Lee", "1 ADDR 1 Road", "2 CONT Town",
                                        "2 CTRY Land", "1 PHON 555", "1 EMAIL a@b.org", "0 TRLR"});
  EXPECT_EQ(LoadedGedcom("0 HEAD\n" + records)->GetSubmitter(), nullptr);
  EXPECT_EQ(LoadedGedcom("0 HEAD\n1 SUBM @U9@\n" + records)->GetSubmitter(), nullptr);
  EXPECT_EQ(LoadedGedcom("0 HEAD\n1 SUBM\n2 NOTE @U1@\n" + records)->GetSubmitter(), nullptr);
  LoadedGedcom gedcom("0 HEAD\n1 SUBM @U1@\n1 SUBM @U9@\n" + records);
  const auto submitter = gedcom->GetSubmitter();
  ASSERT_NE(submitter, nullptr);
  EXPECT_EQ(submitter->GetName(), "Ann Lee");
  EXPECT_EQ(submitter->GetAddressLine1(), "1 Road");
  EXPECT_EQ(submitter->GetAddressLine2(), "Town");
  EXPECT_EQ(submitter->GetAddressLine3(), "");
  EXPECT_EQ(submitter->GetCountry(), "Land");
  EXPECT_EQ(submitter->GetPhone(), "555");
  EXPECT_EQ(submitter->GetEmail(), "a@b.org");
}

TEST(Getters, GiveNothingForZeroOrBeyondTheirCounts) {
  LoadedGedcom gedcom(GedLines(
      {"0 HEAD", "0 @I1@ INDI", "0 @F1@ FAM", "0 @N1@ NOTE n", "0 @R1@ REPO", "1 NAME R", "0 TRLR"}));
  EXPECT_EQ(gedcom->GetIndividual(0), nullptr);
  EXPECT_EQ(gedcom->GetIndividual(2), nullptr);
  EXPECT_EQ(gedcom->GetMarriage(2), nullptr);
  EXPECT_EQ(gedcom->GetNote(2), nullptr);
  EXPECT_EQ(gedcom->GetSource(1), nullptr);
  EXPECT_EQ(gedcom->GetRepo(2), nullptr);
  ASSERT_NE(gedcom->GetRepo(1), nullptr);
  EXPECT_EQ(gedcom->GetRepo(1)->GetName(), "R");
  EXPECT_EQ(gedcom->FindRepo("R1"), 1);
  EXPECT_EQ(gedcom->FindNote(""), 0);
}

// What one object shows of each individual it is pointed at, read fresh: nothing read of one
// individual (its citations, other events, change date, note) stays for the next.
std::string Shown(WABSIndividual& person) {
  std::string shown = person.GetIDText() + "|" + person.NameWithIDText() + "|" + person.GetSex() + "|" +
                      std::to_string(person.CitationCount()) + "|" +
                      std::to_string(person.EventCount(EventKind::kOther)) + "|" + person.ChangedDateText() +
                      "|" + person.NoteText();
  const EventTexts birth = person.EventDateAndPlaceText(EventKind::kBirth, 1);
  return shown + "|" + birth.date + "|" + birth.place;
}

TEST(ForEachIndividual, ShowsEachAsItsOwnObjectDoes) {
  LoadedGedcom gedcom(GedLines({"0 HEAD",
                                "0 @I1@ INDI",
                                "1 NAME Ann /Lee/",
                                "1 SEX F",
                                "1 SOUR @S1@",
                                "1 OCCU Miller",
                                "1 CHAN",
                                "2 DATE 1 JAN 2000",
                                "1 NOTE First",
                                "1 BIRT",
                                "2 DATE 3 MAR 1850",
                                "2 PLAC York",
                                "0 @I2@ INDI",
                                "0 @I3@ INDI",
                                "1 NAME Bo /Ek/",
                                "1 DEAT Y",
                                "1 CHAN",
                                "2 DATE 2 FEB 2001",
                                "0 @S1@ SOUR",
                                "0 TRLR"}));
  std::vector<std::string> visited;
  gedcom->ForEachIndividual(0, 9, [&](WABSIndividual& person) {
    visited.push_back(std::to_string(person.Index()) + ":" + Shown(person));
  });
  std::vector<std::string> fresh;
  for (std::int32_t index = 1; index <= gedcom->IndividualCount(); ++index)
    fresh.push_back(std::to_string(index) + ":" + Shown(*gedcom->GetIndividual(index)));
  EXPECT_EQ(visited, fresh);
  EXPECT_EQ(fresh.size(), 3U);
}

TEST(Getters, NothingBeforeLoadAndAQuickCountWithoutIt) {
  LoadedGedcom gedcom(
      GedLines({"0 HEAD", "0 @I1@ INDI", "0 @I2@ INDI", "0 @F1@ FAM", "0 TRLR", "0 @I3@ INDI"}), false);
  EXPECT_EQ(gedcom->CountIndividuals(), 2);
  EXPECT_EQ(gedcom->IndividualCount(), 0);
  EXPECT_EQ(gedcom->GetIndividual(1), nullptr);
  EXPECT_TRUE(gedcom->GetHeaderInfo().empty());
}

TEST(WGEDCollection, FileFactsForDisplay) {
  LoadedGedcom gedcom("0 HEAD\n0 TRLR\n");
  setenv("TZ", "UTC", 1);
  tzset();
  const timespec times[2] = {{999184020, 0}, {999184020, 0}};  // 30 Aug 2001 15:07 UTC
  ASSERT_EQ(utimensat(AT_FDCWD, gedcom.Path().c_str(), times, 0), 0);
  EXPECT_EQ(gedcom->GetFileDateText(), "30 Aug 2001, 3:07 PM");
  EXPECT_EQ(gedcom->GetFileSizeText(), "14");
}

TEST(WGEDCollection, AFileThatCannotBeMappedRaisesTheMappedFileError) {
  test::ScratchFolder folder;
  WOptions options;
  EXPECT_THROW(WGEDCollection(folder.WriteFile("empty.ged", ""), options), WMMFError);
  EXPECT_THROW(WGEDCollection(folder.Path("missing.ged"), options), WMMFError);
}

TEST(WGEDCollection, ALargeFileLoadsWhileItsPagesAreWarmedAhead) {
  std::string text = "0 HEAD\n";
  const int people = 60000;
  for (int i = 1; i <= people; ++i) {
    text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME Person " + std::to_string(i) + " /Name/\n1 NOTE " +
            std::string(100, 'n') + "\n1 FAMC @F" + std::to_string((i + 1) / 2) + "@\n";
  }
  for (int f = 1; f <= people / 2; ++f) text += "0 @F" + std::to_string(f) + "@ FAM\n";
  LoadedGedcom gedcom(text + "0 TRLR\n");
  ASSERT_GT(text.size(), static_cast<std::size_t>(PageWarmer::kMinimumSize));
  EXPECT_EQ(gedcom->IndividualCount(), people);
  EXPECT_EQ(gedcom->MarriageCount(), people / 2);
  EXPECT_EQ(gedcom->GetMarriage(people / 2)->ChildCount(), 2);
}

std::vector<std::int32_t> SpouseFamilies(WGEDCollection& collection, std::int32_t individual) {
  const auto person = collection.GetIndividual(individual);
  std::vector<std::int32_t> families;
  for (std::int32_t n = 1; n <= person->SpouseFamilyCount(); ++n)
    families.push_back(person->GetSpouseFamily(n));
  return families;
}

TEST(LinkRecords, PutsUndatedMarriagesFirstThenTheDatedOnesByDate) {
  LoadedGedcom gedcom(GedLines(
      {"0 HEAD",         "0 @I1@ INDI", "1 FAMS @F1@",    "1 FAMS @F2@", "1 FAMS @F3@", "0 @I2@ INDI",
       "1 NAME Zed /Z/", "0 @I3@ INDI", "1 NAME Amy /A/", "0 @F1@ FAM",  "1 HUSB @I1@", "1 MARR",
       "2 DATE 1920",    "0 @F2@ FAM",  "1 HUSB @I1@",    "1 WIFE @I2@", "0 @F3@ FAM",  "1 HUSB @I1@",
       "1 MARR",         "2 DATE 1910", "0 TRLR"}));
  EXPECT_EQ(SpouseFamilies(*gedcom, 1), (std::vector<std::int32_t>{2, 3, 1}));
}

// A family named by two FAMS lines of a person is one marriage, however the lines are ordered.
TEST(LinkRecords, AFamilyNamedTwiceIsOneMarriage) {
  LoadedGedcom gedcom(
      GedLines({"0 HEAD", "0 @I1@ INDI", "1 FAMS @F1@", "1 FAMS @F2@", "1 FAMS @F2@", "1 FAMS @F1@",
                "0 @I2@ INDI", "1 NAME Wa /W/", "0 @I3@ INDI", "1 NAME Wb /W/", "0 @F1@ FAM", "1 HUSB @I1@",
                "1 WIFE @I2@", "0 @F2@ FAM", "1 HUSB @I1@", "1 WIFE @I3@", "0 TRLR"}));
  EXPECT_EQ(SpouseFamilies(*gedcom, 1), (std::vector<std::int32_t>{1, 2}));
}

// The header and the counts need no link pass; the first link read runs it, ordering included, as
// LinkRecords would have.
TEST(LinkRecords, RunsOnTheFirstLinkReadWhenNobodyAskedForIt) {
  const std::string text = GedLines({"0 HEAD", "0 @I1@ INDI", "1 FAMS @F1@", "1 FAMS @F2@", "0 @I2@ INDI",
                                     "0 @F1@ FAM", "1 HUSB @I1@", "1 MARR", "2 DATE 1920", "0 @F2@ FAM",
                                     "1 HUSB @I1@", "1 WIFE @I2@", "0 TRLR"});
  for (const bool familyFirst : {false, true}) {
    LoadedGedcom gedcom(text, false);
    ASSERT_TRUE(gedcom->Load());
    EXPECT_EQ(gedcom->MarriageCount(), 2);
    EXPECT_EQ(gedcom->Indexes()->individualLinks, nullptr);
    if (familyFirst) {
      EXPECT_EQ(gedcom->GetMarriage(2)->GetWife(), 2);
    }
    EXPECT_EQ(SpouseFamilies(*gedcom, 1), (std::vector<std::int32_t>{2, 1}));
  }
  // A cancelled pass links nothing for good: the next read runs it again.
  LoadedGedcom gedcom(text, false);
  ASSERT_TRUE(gedcom->Load());
  RequestCancel();
  EXPECT_EQ(gedcom->GetIndividual(1)->SpouseFamilyCount(), 0);
  ClearCancel();
  EXPECT_EQ(SpouseFamilies(*gedcom, 1), (std::vector<std::int32_t>{2, 1}));
}

TEST(LinkRecords, OrdersMoreThan512SpouseFamilies) {
  std::string text = "0 HEAD\n0 @I1@ INDI\n";
  for (int f = 1; f <= 600; ++f) text += "1 FAMS @F" + std::to_string(f) + "@\n";
  for (int f = 1; f <= 600; ++f) {
    text +=
        "0 @F" + std::to_string(f) + "@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE " + std::to_string(2600 - f) + "\n";
  }
  LoadedGedcom gedcom(text + "0 TRLR\n");
  const std::vector<std::int32_t> families = SpouseFamilies(*gedcom, 1);
  ASSERT_EQ(families.size(), 600u);
  EXPECT_EQ(families.front(), 600);
  EXPECT_EQ(families.back(), 1);
}

// The listing reads an event's date and place from its lines; they must be what the event object
// shows, for every shape of event and either place setting.
struct EventShape {
  const char* name;
  std::vector<std::string> lines;  // of individual I1, after its record line
  EventKind kind;
  std::int32_t n;
};

class EventTextsOfLines : public testing::TestWithParam<EventShape> {};

TEST_P(EventTextsOfLines, AreTheEventObjectsTexts) {
  // ANSEL dates are read whole; in other files a listing shows simple dates without a date object.
  for (const std::string_view charSet : {"1 CHAR ANSEL", "1 CHAR UTF-8"}) {
    std::string text = GedLines({"0 HEAD", charSet, "0 @I1@ INDI"});
    for (const std::string& line : GetParam().lines) text += line + "\n";
    LoadedGedcom gedcom(text + "0 TRLR\n");
    for (const bool dropCommas : {false, true}) {
      gedcom.Options().SetBool(opt::PlaceCommas, dropCommas);
      const auto person = gedcom->GetIndividual(1);
      const auto event = person->GetEvent(GetParam().kind, GetParam().n);
      const EventTexts texts = person->EventDateAndPlaceText(GetParam().kind, GetParam().n);
      EXPECT_EQ(texts.date, event != nullptr ? event->DateText() : "") << charSet << dropCommas;
      EXPECT_EQ(texts.place, event != nullptr ? event->PlaceText(gedcom.Options()) : "")
          << charSet << dropCommas;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, EventTextsOfLines,
    testing::Values(
        EventShape{
            "DateAndPlace", {"1 BIRT", "2 DATE 3 JAN 1900", "2 PLAC York, England"}, EventKind::kBirth, 1},
        EventShape{"LastDateAndPlaceWin",
                   {"1 DEAT", "2 DATE 1900", "2 PLAC , , Leeds ", "2 DATE ABT 1901", "2 PLAC ,  Hull"},
                   EventKind::kDeath,
                   1},
        EventShape{
            "DeeperLines", {"1 BIRT", "2 SOUR @S1@", "3 DATE 1950", "3 PLAC Deep"}, EventKind::kBirth, 1},
        EventShape{"AnselTextDate",
                   {"1 CHR",
                    "2 DATE ABT 1900 (Ren\xE2"
                    "e)"},
                   EventKind::kChristening,
                   1},
        EventShape{"EmptyValues", {"1 BURI", "2 DATE", "2 PLAC"}, EventKind::kBurial, 1},
        EventShape{"LowerCaseSimpleDate", {"1 DEAT", "2 DATE  abt 4 jul 1776 "}, EventKind::kDeath, 1},
        EventShape{"TodayAndBetween",
                   {"1 BIRT", "2 DATE TODAY", "1 DEAT", "2 DATE BET 1900 AND 1910"},
                   EventKind::kDeath,
                   1},
        EventShape{"NoEvent", {"1 NAME A /B/"}, EventKind::kDeath, 1},
        EventShape{"SecondOtherEvent",
                   {"1 OCCU Smith", "2 DATE 1920", "1 RESI", "2 PLAC , Bath"},
                   EventKind::kOther,
                   2}),
    [](const auto& info) { return std::string(info.param.name); });

// A listing reads a person's texts in place; they must be what the name and event functions give,
// for every shape of name, every name setting and each character set.
struct NameShape {
  const char* name;
  std::vector<std::string> lines;  // of individual I1, after its record line
};

class ListingTextsOfLines : public testing::TestWithParam<NameShape> {};

TEST_P(ListingTextsOfLines, AreTheGeneralFunctionsTexts) {
  for (const std::string_view charSet : {"1 CHAR ANSEL", "1 CHAR UTF-8", "1 CHAR ANSI"}) {
    std::string text = GedLines({"0 HEAD", charSet, "0 @I1@ INDI"});
    for (const std::string& line : GetParam().lines) text += line + "\n";
    LoadedGedcom gedcom(text + "1 REFN R-7\n1 BIRT\n2 PLAC , York \n1 DEAT\n2 DATE 1 MAR 1900\n0 TRLR\n");
    for (int settings = 0; settings < 48; ++settings) {
      gedcom.Options().SetBool(opt::PreSuf, (settings & 1) != 0);
      gedcom.Options().SetBool(opt::NameSlash, (settings & 2) != 0);
      gedcom.Options().SetBool(opt::NameUpper, (settings & 4) != 0);
      gedcom.Options().SetBool(opt::FNValueFlag, (settings & 8) != 0);
      gedcom.Options().SetInt(opt::FNValue, 1 + settings / 16);
      const auto person = gedcom->GetIndividual(1);
      ListingTexts read(ListingOptions::Of(gedcom.Options()));
      ListingTexts general(ListingOptions::Of(gedcom.Options()));
      person->ReadListingTexts(read);
      person->WABSIndividual::ReadListingTexts(general);
      const std::string context = std::string(charSet) + " settings " + std::to_string(settings);
      EXPECT_EQ(read.id, general.id) << context;
      EXPECT_EQ(read.name, general.name) << context;
      EXPECT_EQ(read.birth.date + "|" + read.birth.place + "|" + read.death.date + "|" + read.death.place,
                general.birth.date + "|" + general.birth.place + "|" + general.death.date + "|" +
                    general.death.place)
          << context;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ListingTextsOfLines,
    testing::Values(NameShape{"GivenAndSurname", {"1 NAME Ann /Lee/"}},
                    NameShape{"SurnameFirst", {"1 NAME /Lee/ Ann Mary"}},
                    NameShape{"SuffixInValue", {"1 NAME  Ann /Lee/ Jr. "}},
                    NameShape{"AffixLines", {"1 NAME Ann /Lee/ Jr.", "2 NPFX Dr.", "2 NSFX III"}},
                    NameShape{"PartsOnlyInLines", {"1 NAME", "2 GIVN Ann", "2 SURN Lee"}},
                    NameShape{"NoSlashes", {"1 NAME Ann Lee"}}, NameShape{"OneSlash", {"1 NAME Ann /Lee"}},
                    NameShape{"EmptySurname", {"1 NAME Ann //"}},
                    NameShape{"HighBytes",
                              {"1 NAME Zo\xC3\xAB /Br\xE2"
                               "ont\xEB/"}},
                    NameShape{"NoName", {"1 SEX M"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kinshelf
