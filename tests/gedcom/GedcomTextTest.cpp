// The scanning of GEDCOM text in place: lines and records in every line-break style, identifiers,
// record kinds, values with continuations, level numbers, and texts that end without a line break,
// read right up to a guard page.
#include "gedcom/WGEDTextMMF.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GedcomTestSupport.h"
#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomValues.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

using gedcom::GetLevel;
using test::GedLines;

class TextFile {
 public:
  explicit TextFile(std::string_view bytes) : text_(folder_.WriteFile("t.ged", bytes)) {}
  const WGEDTextMMF& operator*() const { return text_; }
  const WGEDTextMMF* operator->() const { return &text_; }
  // The position of the first occurrence of `needle`.
  const char* At(std::string_view needle) const {
    const std::string_view all(text_.TextStart(),
                               static_cast<std::size_t>(text_.TextEnd() - text_.TextStart()));
    return text_.TextStart() + all.find(needle);
  }

 private:
  test::ScratchFolder folder_;
  WGEDTextMMF text_;
};

// The first two bytes of every line NextLine visits, from the first line on.
std::vector<std::string> LineStarts(const WGEDTextMMF& text) {
  std::vector<std::string> starts;
  for (const char* line = text.TextStart(); line != nullptr; line = text.NextLine(line)) {
    starts.emplace_back(line, std::min<std::size_t>(6, static_cast<std::size_t>(text.TextEnd() - line)));
  }
  return starts;
}

struct BreakStyle {
  const char* name;
  const char* lineBreak;
  bool lfText;
};

class LineBreakStyles : public testing::TestWithParam<BreakStyle> {};

TEST_P(LineBreakStyles, ScanAlikeAndSkipBlankAndIndentedLines) {
  const BreakStyle style = GetParam();
  TextFile file(GedLines({"0 HEAD", "", "  1 CHAR X", "\t2 VERS", "0 @I1@ INDI", "0 TRLR"}, style.lineBreak));
  EXPECT_EQ(LineStarts(*file), (std::vector<std::string>{"0 HEAD", "1 CHAR", "2 VERS", "0 @I1@", "0 TRLR"}));
  EXPECT_EQ(file->IsLFText(), style.lfText);
}

INSTANTIATE_TEST_SUITE_P(Styles, LineBreakStyles,
                         testing::Values(BreakStyle{"CrLf", "\r\n", false}, BreakStyle{"Lf", "\n", true},
                                         BreakStyle{"CrOnly", "\r", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WTextMMF, NextRecordSkipsIndentedLevelZeroLines) {
  TextFile file(GedLines({"0 HEAD", "  0 @I1@ INDI", "1 NAME A", "0 @I2@ INDI"}));
  EXPECT_EQ(file->NextRecord(file->TextStart()), file.At("0 @I2@"));
  EXPECT_EQ(file->NextLine(file->TextStart()), file.At("0 @I1@"));
  EXPECT_EQ(file->NextRecord(file.At("0 @I2@")), nullptr);
}

TEST(WTextMMF, TextWithoutLineBreakIsNotLfText) {
  TextFile file("0 HEAD");
  EXPECT_FALSE(file->IsLFText());
  EXPECT_EQ(file->NextLine(file->TextStart()), nullptr);
}

struct XRefCase {
  const char* name;
  const char* line;
  const char* identifier;
};

class GetXRef : public testing::TestWithParam<XRefCase> {};

TEST_P(GetXRef, GivesTheWholeTextBetweenTheFirstTwoAtSigns) {
  TextFile file(std::string(GetParam().line) + "\n1 NOTE @N1@\n");
  EXPECT_EQ(file->GetXRef(file->TextStart()), GetParam().identifier);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GetXRef,
    testing::Values(XRefCase{"RecordLine", "0 @I12@ INDI", "I12"},
                    XRefCase{"LongIdentifierAsWritten", "0 @ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD@ INDI",
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD"},
                    XRefCase{"SingleAtSign", "0 @I12 INDI", ""}, XRefCase{"AdjacentAtSigns", "0 @@ INDI", ""},
                    XRefCase{"NoAtSign", "0 HEAD", ""}, XRefCase{"AtSignsOnTwoLines", "1 NOTE a@b", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetXRef, StopsAtTheEndOfTheText) {
  TextFile file("0 @I1");
  EXPECT_EQ(file->GetXRef(file->TextStart()), "");
}

// A NUL ends the identifier, but only a closing '@' on the same line makes it one.
TEST(GetXRef, IsCutAtANulBeforeTheClosingAtSign) {
  using namespace std::string_literals;
  for (const auto& [line, identifier] :
       {std::pair{"0 @I1\0x@ INDI\n"s, "I1"s}, std::pair{"0 @I1\0x INDI\n"s, ""s},
        std::pair{"0 @\0@ INDI\n"s, ""s}, std::pair{"0 @I1\0\0@\n"s, "I1"s}}) {
    TextFile file(line);
    EXPECT_EQ(file->GetXRef(file->TextStart()), identifier) << line;
  }
}

struct RecordTypeCase {
  const char* name;
  const char* line;
  int type;
};

class GetRecordType : public testing::TestWithParam<RecordTypeCase> {};

TEST_P(GetRecordType, ClassifiesByTheTagBehindTheIdentifier) {
  TextFile file(std::string(GetParam().line) + "\n");
  EXPECT_EQ(file->GetRecordType(file->TextStart()), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Tags, GetRecordType,
                         testing::Values(RecordTypeCase{"Individual", "0 @I1@ INDI", 0},
                                         RecordTypeCase{"AnyTagWithF", "0 @F3@ FAM", 1},
                                         RecordTypeCase{"Media", "0 @M1@ OBJE", 2},
                                         RecordTypeCase{"Note", "0 @N1@ NOTE text", 3},
                                         RecordTypeCase{"Repository", "0 @R1@ REPO", 4},
                                         RecordTypeCase{"Source", "0 @S1@ SOUR", 5},
                                         RecordTypeCase{"Submission", "0 @S1@ SUBN", 6},
                                         RecordTypeCase{"Submitter", "0 @S1@ SUBM", 7},
                                         RecordTypeCase{"UnknownTag", "0 @X1@ _PLAC", 7},
                                         RecordTypeCase{"NoTag", "0 @N1@", 7},
                                         RecordTypeCase{"NoIdentifier", "0 HEAD", 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GetRecordType, NoneForNoLine) {
  TextFile file("0 HEAD\n");
  EXPECT_EQ(file->GetRecordType(nullptr), 8);
}

TEST(GetMultiLineValue, JoinsConcAndStartsItemsAtCont) {
  TextFile file(GedLines({"1 NOTE abc", "2 CONC  def  ", "2 CONT", "2 CONT ghi  ", "1 SEX M"}));
  const std::vector<std::string> items = file->GetMultiLineValue(file.At("NOTE"));
  EXPECT_EQ(items, (std::vector<std::string>{"abc def  ", "\r\n", "ghi  "}));
}

// Writers split a line inside a word or at a blank, and put the blank at the end of one line or at
// the start of the next; each piece is taken as written, so the words come out as they were.
struct ConcCase {
  const char* name;
  const char* text;
  const char* joined;
};

class ConcPieces : public testing::TestWithParam<ConcCase> {};

TEST_P(ConcPieces, JoinAsWritten) {
  TextFile file(GetParam().text);
  const std::vector<std::string> items = file->GetMultiLineValue(file.At("NOTE"));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0], GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConcPieces,
    testing::Values(ConcCase{"BlankEndsTheLine", "1 NOTE if \n2 CONC necessary\n", "if necessary"},
                    ConcCase{"BlankStartsTheConcLine", "1 NOTE if\n2 CONC  necessary\n", "if necessary"},
                    ConcCase{"SplitInsideAWord", "1 NOTE neces\r\n2 CONC sary\r\n", "necessary"},
                    ConcCase{"TabsAndSpacesSeparate", "1\tNOTE\tif\n2   CONC  necessary\n", "if necessary"},
                    ConcCase{"EmptyConcAddsNothing", "1 NOTE a\n2 CONC\n2 CONC b\n", "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetMultiLineValue, EmptyForNoPosition) {
  TextFile file("0 HEAD\n");
  EXPECT_TRUE(file->GetMultiLineValue(nullptr).empty());
}

TEST(GetMultiLineValue, ContinuationAtTheVeryEndOfTheText) {
  TextFile file("1 NOTE abc\n2 CONC");
  EXPECT_EQ(file->GetMultiLineValue(file.At("NOTE")), std::vector<std::string>{"abc"});
}

TEST(GetTrimmedValue, DropsLeadingAndTrailingSpacesAndStopsAtTheEnd) {
  TextFile file("1 NAME   John Smith   ");
  EXPECT_EQ(gedcom::GetTrimmedValue(*file, file.At("NAME") + 4), "John Smith");
  EXPECT_EQ(gedcom::GetLineValue(*file, file->TextStart()), "John Smith");
  EXPECT_EQ(gedcom::GetTrimmedValue(*file, nullptr), "");
}

// Values end at a NUL, near the line's start or past the first 16 bytes alike; a value read as
// written keeps its blanks.
TEST(GetTrimmedValue, StopsAtANul) {
  using namespace std::string_literals;
  const struct {
    std::string value;
    std::string trimmed;
    std::string written;
  } cases[] = {{"John\0Smith"s, "John", "John"},
               {"  \0 x"s, "", "  "},
               {"Abcdefghijklmnopqrstu \0vw"s, "Abcdefghijklmnopqrstu", "Abcdefghijklmnopqrstu "}};
  for (const auto& c : cases) {
    TextFile file("1 NAME " + c.value + "\n1 SEX M\n");
    EXPECT_EQ(gedcom::GetTrimmedValue(*file, file.At("NAME") + 4), c.trimmed);
    EXPECT_EQ(file->GetMultiLineValue(file.At("NAME")), std::vector<std::string>{c.written});
  }
}

TEST(GetTrimmedValue, KeepsAValueOfAnyLength) {
  const std::string longValue(70000, 'x');
  TextFile file("1 NOTE " + longValue + "\n");
  EXPECT_EQ(gedcom::GetTrimmedValue(*file, file.At("NOTE") + 4), longValue);
}

struct LevelCase {
  const char* name;
  const char* text;
  int level;
};

class GetLevelOfLine : public testing::TestWithParam<LevelCase> {};

TEST_P(GetLevelOfLine, ReadsTheNumberUpToTheSpaceWithinTheLine) {
  TextFile file(GetParam().text);
  EXPECT_EQ(GetLevel(*file, file->TextStart()), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Lines, GetLevelOfLine,
                         testing::Values(LevelCase{"One", "1 NAME A\n", 1},
                                         LevelCase{"Ten", "10 NOTE x\n", 10},
                                         LevelCase{"BareZeroAtTheEnd", "0", 0},
                                         LevelCase{"NoSpaceBeforeTheLineEnd", "12\n3 ABC\n", 12},
                                         LevelCase{"NotANumber", "X NAME\n", 0},
                                         LevelCase{"TooLarge", "99999999999 NAME\n", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindPlaceValue, LooksOnlyAtTheLevelTwoLinesRightAfterTheLine) {
  TextFile file(
      GedLines({"1 BIRT", "2 DATE 1900", "2 PLAC  Here ", "1 DEAT", "2 NOTE x", "3 PLAC Deep", "1 BURI"}));
  EXPECT_EQ(gedcom::FindPlaceValue(*file, file.At("1 BIRT")), "Here");
  EXPECT_EQ(gedcom::FindPlaceValue(*file, file.At("1 DEAT")), "");
  EXPECT_EQ(gedcom::FindPlaceValue(*file, nullptr), "");
}

TEST(TrimShortText, KeepsALongTextWhole) {
  const std::string longText(300, 'y');
  EXPECT_EQ(gedcom::TrimShortText("  " + longText + "  \r\nnext"), longText);
}

TEST(GetRecordText, RunsToTheNextRecordOrTheEndOfTheText) {
  TextFile file(GedLines({"0 HEAD", "1 CHAR X", "0 @I1@ INDI", "1 NAME A"}));
  EXPECT_EQ(file->GetRecordText(file->TextStart()), "0 HEAD\n1 CHAR X\n");
  EXPECT_EQ(file->GetRecordText(file.At("0 @I1@")), "0 @I1@ INDI\n1 NAME A\n");
  EXPECT_EQ(file->GetRecordText(nullptr), "");
}

TEST(ConvertText, AnselBecomesUtf8AndEverythingElseStays) {
  EXPECT_EQ(gedcom::ConvertText(gedcom::kCharSetAnsel,
                                "\xE2"
                                "e"),
            "\xC3\xA9");
  EXPECT_EQ(gedcom::ConvertText(gedcom::kCharSetUtf8,
                                "\xE2"
                                "e"),
            "\xE2"
            "e");
  EXPECT_EQ(gedcom::ConvertText(gedcom::kCharSetOther,
                                "\xE2"
                                "e"),
            "\xE2"
            "e");
}

// A file that ends on a page boundary in the middle of a construct, read with a guard page after
// it: nothing may read past the last byte.
class TextEndingAtAPageBoundary : public testing::TestWithParam<const char*> {};

TEST_P(TextEndingAtAPageBoundary, IsReadWithoutPassingTheEnd) {
  const std::string tail = GetParam();
  const std::string head = GedLines({"0 HEAD", "1 CHAR ANSEL", "1 SUBM @U1@", "0 @U1@ SUBM", "1 NAME S",
                                     "0 @F1@ FAM", "1 HUSB @I1@", "1 MARR", "0 @I1@ INDI", "1 FAMS @F1@"});
  std::string bytes = head + std::string(4096 - head.size() - tail.size(), ' ') + tail;
  test::ScratchFolder folder;
  const std::string path = folder.WriteFile("t.ged", bytes);
  WOptions options;
  test::GuardPage guard;
  auto collection = std::make_unique<WGEDCollection>(path, options);
  if (!guard.Follows(collection->Text().TextEnd())) GTEST_SKIP() << "the mapping was placed elsewhere";
  ASSERT_TRUE(collection->Load());
  collection->LinkRecords();
  for (std::int32_t i = 1; i <= collection->IndividualCount(); ++i) {
    auto individual = collection->GetIndividual(i);
    individual->GetRecordText();
    individual->GetNote();
    individual->GetIDText();
    if (auto name = individual->GetName()) name->GetSuffix();
  }
  if (auto marriage = collection->GetMarriage(1)) {
    marriage->Date();
    marriage->GetPlaceText();
  }
  collection->GetHeaderInfo();
  EXPECT_EQ(collection->IndividualCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Tails, TextEndingAtAPageBoundary,
                         testing::Values("\n0", "\n1 NAME John /Smith", "\n1 NOTE @N1", "\n1 NOTE x\n2 CONC",
                                         "\n1 SEX", "\n1 AFN", "\n10", "\n1 BIRT\n2 DATE 1 JAN 19"));

}  // namespace
}  // namespace kinshelf
