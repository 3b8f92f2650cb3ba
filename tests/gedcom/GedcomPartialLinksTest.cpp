// The links a page reads before the link pass ran: built for a few records at a time, then by the
// pass for the rest, they must be exactly those the pass builds at once, in any reading order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "GedcomTestSupport.h"
#include "gedcom/GedcomIndexes.h"

namespace kinshelf {
namespace {

using test::GedLines;
using test::LoadedGedcom;

std::string Join(const std::vector<std::int32_t>& values) {
  std::string text;
  for (const std::int32_t value : values) text += std::to_string(value) + ",";
  return text;
}

std::string DescribeIndividual(WGEDCollection& collection, std::int32_t index) {
  const auto person = collection.GetIndividual(index);
  std::vector<std::int32_t> parents;
  std::vector<std::int32_t> spouses;
  for (std::int32_t n = 1; n <= person->ParentFamilyCount(); ++n)
    parents.push_back(person->GetParentFamily(n));
  for (std::int32_t n = 1; n <= person->SpouseFamilyCount(); ++n)
    spouses.push_back(person->GetSpouseFamily(n));
  return "I" + std::to_string(index) + " parents " + Join(parents) + " spouses " + Join(spouses);
}

std::string DescribeFamily(WGEDCollection& collection, std::int32_t index, bool sort) {
  const auto family = collection.GetMarriage(index);
  std::vector<std::int32_t> children;
  for (std::int32_t n = 1; n <= family->ChildCount(); ++n) children.push_back(family->GetChild(n));
  if (sort) family->SortChildren();
  return "F" + std::to_string(index) + " husband " + std::to_string(family->GetHusband()) + " wife " +
         std::to_string(family->GetWife()) + " children " + Join(children);
}

// A record to read: an individual (family false) or a family.
struct Read {
  bool family;
  std::int32_t index;
};

// Reads the records in the given order from a collection that was loaded but never linked, sorting
// each family's children once read, then every family again: each description must be the one of
// the collection linked at once, the families' second ones sorted as the first read left them.
void ExpectSameLinks(const std::string& text, const std::vector<Read>& order) {
  LoadedGedcom linked(text);
  LoadedGedcom read(text, false);
  ASSERT_TRUE(read->Load());
  for (const Read& record : order) {
    if (record.family) {
      ASSERT_EQ(DescribeFamily(*read, record.index, true), DescribeFamily(*linked, record.index, false));
    } else {
      ASSERT_EQ(DescribeIndividual(*read, record.index), DescribeIndividual(*linked, record.index));
    }
  }
  for (std::int32_t f = 1; f <= linked->MarriageCount(); ++f) {
    linked->GetMarriage(f)->SortChildren();
    ASSERT_EQ(DescribeFamily(*read, f, false), DescribeFamily(*linked, f, false));
  }
}

// Every record in three orders: individuals then families, the reverse, and shuffled.
std::vector<std::vector<Read>> ReadingOrders(std::int32_t individuals, std::int32_t families, unsigned seed) {
  std::vector<Read> forward;
  for (std::int32_t i = 1; i <= individuals; ++i) forward.push_back({false, i});
  for (std::int32_t f = 1; f <= families; ++f) forward.push_back({true, f});
  std::vector<Read> backward(forward.rbegin(), forward.rend());
  std::vector<Read> shuffled = forward;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(seed));
  return {forward, backward, shuffled};
}

// A file of loosely linked records: one-sided and repeated links, unknown and shared identifiers,
// long tag forms, identifiers mentioned where they link nothing, records in mixed order.
class RandomFile {
 public:
  explicit RandomFile(unsigned seed) : random_(seed) {
    individuals_ = 5 + Pick(10);
    families_ = 2 + Pick(5);
    numbered_ = Pick(3) != 0;
  }

  std::int32_t Individuals() const { return individuals_; }
  std::int32_t Families() const { return families_; }

  std::string Text() {
    std::vector<std::string> records;
    for (int i = 1; i <= individuals_; ++i) records.push_back(IndividualRecord(i));
    for (int f = 1; f <= families_; ++f) records.push_back(FamilyRecord(f));
    records.push_back("0 @N1@ NOTE about " + Person(1) + "\n1 CONT and " + Family(1) + "\n");
    std::shuffle(records.begin(), records.end(), random_);
    std::string text = "0 HEAD\n";
    for (const std::string& record : records) text += record;
    text += "0 TRLR\n";
    if (Pick(4) == 0) {
      std::string crlf;
      for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
      return crlf;
    }
    return text;
  }

 private:
  int Pick(int below) { return static_cast<int>(random_() % static_cast<unsigned>(below)); }
  // Identifiers of the numbered kind, or of a kind looked up by key; now and then one that names
  // no record.
  std::string Person(int n) { return "@" + std::string(numbered_ ? "I" : "P-") + std::to_string(n) + "@"; }
  std::string Family(int n) { return "@" + std::string(numbered_ ? "F" : "FAM") + std::to_string(n) + "@"; }
  std::string AnyPerson() { return Person(Pick(12) == 0 ? 99 : 1 + Pick(individuals_)); }
  std::string AnyFamily() { return Family(Pick(12) == 0 ? 99 : 1 + Pick(families_)); }

  std::string IndividualRecord(int i) {
    // Now and then a record that shares the identifier of the one before it.
    std::string record = "0 " + Person(i > 1 && Pick(15) == 0 ? i - 1 : i) + " INDI\n1 NAME N" +
                         std::to_string(i) + " /X/\n1 BIRT\n2 DATE " + std::to_string(1900 + Pick(30)) + "\n";
    for (int k = Pick(4); k > 0; --k) {
      static const char* const kTags[] = {"FAMC", "FAMS", "FAMILY_CHILD", "FAMILY_SPOUSE"};
      record += std::string("1 ") + kTags[Pick(4)] + " " + AnyFamily() + "\n";
    }
    if (Pick(5) == 0) record += "1 NOTE " + AnyFamily() + "\n2 FAMS " + AnyFamily() + "\n";
    return record;
  }

  std::string FamilyRecord(int f) {
    std::string record = "0 " + Family(f) + " FAM\n";
    if (Pick(4) != 0) record += "1 HUSB " + AnyPerson() + "\n";
    if (Pick(4) != 0) record += "1 WIFE " + AnyPerson() + "\n";
    for (int k = Pick(5); k > 0; --k) record += "1 CHIL " + AnyPerson() + "\n";
    if (Pick(2) == 0) record += "1 MARR\n2 DATE " + std::to_string(1920 + Pick(20)) + "\n";
    if (Pick(5) == 0) record += "1 SOUR " + AnyPerson() + "\n2 CHIL " + AnyPerson() + "\n";
    return record;
  }

  std::mt19937 random_;
  int individuals_;
  int families_;
  bool numbered_;
};

TEST(PartialLinks, AreThoseOfTheLinkPassForRandomFilesInAnyReadingOrder) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    RandomFile file(seed);
    const std::string text = file.Text();
    for (const std::vector<Read>& order : ReadingOrders(file.Individuals(), file.Families(), seed)) {
      SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + text);
      ExpectSameLinks(text, order);
    }
  }
}

// A text searched in several pieces: the records that point at the ones read lie far apart, and
// the only link of F1, to I1 who names F2 alone, has the '@' of I1 end the first piece. One line
// mentions records again and again.
TEST(PartialLinks, AreFoundAcrossThePiecesOfALargeText) {
  constexpr std::size_t kPieceBytes = 8 << 20;
  std::string text = "0 HEAD\n0 @I1@ INDI\n1 FAMC @F2@\n0 @I2@ INDI\n1 FAMS @F2@\n";
  const std::string filler = "0 @N0@ NOTE " + std::string(200, 'n') + "\n";
  while (text.size() + filler.size() < kPieceBytes - 100) text += filler;
  const std::string lead = "0 @F1@ FAM\n1 CHIL ";
  text += "0 @N1@ NOTE " + std::string(kPieceBytes - 1 - text.size() - 12 - 1 - lead.size(), 'p') + "\n";
  text += lead;
  ASSERT_EQ(text.size(), kPieceBytes - 1);
  text += "@I1@\n";
  for (int k = 0; k < 5000; ++k) text += filler;
  text += "0 @F2@ FAM\n1 WIFE @I2@\n1 CHIL @I1@\n1 NOTE @I1@@I1@@I1@@I1@@I2@@I2@\n0 TRLR\n";
  ExpectSameLinks(text, {{false, 1}, {true, 2}, {false, 2}, {true, 1}});
  ExpectSameLinks(text, {{true, 1}, {false, 2}});
}

// Shapes the random files do not make: indented records that an indented level-0 line ends early,
// an identifier cut at a NUL, identifiers that begin alike, more neighbours than a read builds.
struct LinkShape {
  const char* name;
  std::string text;
  std::int32_t individuals;
  std::int32_t families;
};

class PartialLinksOf : public testing::TestWithParam<LinkShape> {};

TEST_P(PartialLinksOf, AreThoseOfTheLinkPass) {
  const LinkShape& shape = GetParam();
  for (const std::vector<Read>& order : ReadingOrders(shape.individuals, shape.families, 7)) {
    ExpectSameLinks(shape.text, order);
  }
}

std::string ManySpouseFamilies(int families) {
  std::string text = "0 HEAD\n0 @I1@ INDI\n";
  for (int f = 1; f <= families; ++f) text += "1 FAMS @F" + std::to_string(f) + "@\n";
  text += "0 @I2@ INDI\n1 FAMC @F5@\n";
  for (int f = 1; f <= families; ++f) {
    text += "0 @F" + std::to_string(f) + "@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE " +
            std::to_string(2000 - f % 7) + "\n";
  }
  return text + "0 @F90@ FAM\n1 CHIL @I2@\n0 TRLR\n";
}

template <std::size_t N>
std::string WithNul(const char (&text)[N]) {
  return std::string(text, N - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PartialLinksOf,
    testing::Values(
        LinkShape{"IndentedRecordEndedEarly",
                  GedLines({"0 HEAD", "0 @I1@ INDI", "  1 FAMS @F1@", "  0 @X1@ NOTE", "  1 FAMC @F1@",
                            "0 @I2@ INDI", "1 FAMC @F1@", "0 @F1@ FAM", "  1 HUSB @I1@", "1 CHIL @I2@",
                            "  0 @X2@ NOTE", "1 CHIL @I1@", "0 TRLR"}),
                  2, 1},
        LinkShape{"IdentifierCutAtNul",
                  WithNul("0 HEAD\n0 @I1@ INDI\n0 @I12@ INDI\n0 @F1@ FAM\n1 CHIL @I1\0x@\n1 CHIL @I12@\n"
                          "1 HUSB @I1 @\n0 TRLR\n"),
                  2, 1},
        LinkShape{"IdentifiersThatBeginAlike",
                  GedLines({"0 HEAD", "0 @I1@ INDI", "1 FAMS @F1@", "0 @I10@ INDI", "1 FAMS @F10@",
                            "0 @I100@ INDI", "1 FAMC @F1@", "1 FAMC @F10@", "0 @F1@ FAM", "1 WIFE @I10@",
                            "1 CHIL @I100@", "0 @F10@ FAM", "1 HUSB @I1@", "1 NOTE @I1@", "0 TRLR"}),
                  3, 2},
        LinkShape{"MoreNeighboursThanOneReadBuilds", ManySpouseFamilies(80), 2, 81}),
    [](const testing::TestParamInfo<LinkShape>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kinshelf
