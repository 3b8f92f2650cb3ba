// Long lists in one record: an individual's many NOTE lines, a person in hundreds of families and a
// family of a thousand children give exactly what the rules give for them, whatever the length.
#include <gtest/gtest.h>

#include <iterator>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "GedcomTestSupport.h"

namespace kinshelf {
namespace {

using test::GedLines;
using test::LoadedGedcom;

// One line of a record as the test wrote it.
struct Line {
  int level;
  std::string tag;
  std::string value;
};

// The items of the NOTE line at `at`: its value and the values of the CONT lines right after it.
std::vector<std::string> ItemsAt(const std::vector<Line>& lines, std::size_t at) {
  std::vector<std::string> items{lines[at].value};
  for (std::size_t k = at + 1; k < lines.size() && lines[k].tag == "CONT"; ++k)
    items.push_back(lines[k].value);
  return items;
}

// The lines the rules give the note of the level-1 NOTE line at `at`; nothing when it points to a
// missing record. @N1@ is a record of the lines "record a" and "record b".
std::optional<std::vector<std::string>> NoteAt(const std::vector<Line>& lines, std::size_t at) {
  if (lines[at].value == "@N1@") return std::vector<std::string>{"record a", "record b"};
  if (lines[at].value == "@N9@") return std::nullopt;
  std::vector<std::string> note = ItemsAt(lines, at);
  for (std::size_t k = at + 1; k < lines.size(); ++k) {
    if (lines[k].level == 1 && lines[k].tag != "NOTE") break;
    if (lines[k].level != 2 || lines[k].tag != "NOTE") continue;
    const std::vector<std::string> items = ItemsAt(lines, k);
    note.insert(note.end(), items.begin(), items.end());
  }
  return note;
}

// The note of the individual: the first NOTE line's note, then each later one's lines as one line.
std::vector<std::string> IndividualNote(const std::vector<Line>& lines) {
  std::vector<std::string> note;
  bool first = true;
  for (std::size_t at = 0; at < lines.size(); ++at) {
    if (lines[at].level != 1 || lines[at].tag != "NOTE") continue;
    const std::optional<std::vector<std::string>> more = NoteAt(lines, at);
    if (first) {
      note = *more;
      first = false;
    } else if (more) {
      note.push_back(std::accumulate(
          std::next(more->begin()), more->end(), more->front(),
          [](std::string joined, const std::string& line) { return joined + "\r\n" + line; }));
    }
  }
  return note;
}

std::string PersonWith(const std::vector<Line>& lines) {
  std::string text = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n";
  for (const Line& line : lines)
    text += std::to_string(line.level) + " " + line.tag + " " + line.value + "\n";
  return text + GedLines({"0 @N1@ NOTE record a", "1 CONT record b", "0 TRLR"});
}

// The sort that orders a person's spouse families, run on ranks and carrying the families along.
std::vector<std::int32_t> RunExchangeSort(std::vector<int> ranks, std::vector<std::int32_t> families) {
  for (std::size_t i = 0; i < ranks.size(); ++i) {
    for (std::size_t j = i + 1; j < ranks.size(); ++j) {
      if (ranks[j] < ranks[i]) {
        std::swap(ranks[i], ranks[j]);
        std::swap(families[i], families[j]);
      }
    }
  }
  return families;
}

std::vector<std::int32_t> SpouseFamiliesOf(WGEDCollection& collection, std::int32_t individual) {
  const auto person = collection.GetIndividual(individual);
  std::vector<std::int32_t> families;
  for (std::int32_t n = 1; n <= person->SpouseFamilyCount(); ++n)
    families.push_back(person->GetSpouseFamily(n));
  return families;
}

TEST(LongLists, ANoteWalksOnPastTheLaterNotesOfItsLevel) {
  LoadedGedcom gedcom(PersonWith({{1, "NOTE", "a"},
                                  {2, "NOTE", "b"},
                                  {1, "NOTE", "c"},
                                  {2, "NOTE", "d"},
                                  {1, "BIRT", ""},
                                  {2, "NOTE", "e"}}));
  EXPECT_EQ(gedcom->GetIndividual(1)->GetNote()->Lines(),
            (std::vector<std::string>{"a", "b", "d", "c\r\nd"}));
}

TEST(LongLists, HundredsOfNoteLinesMixedWithOtherLinesGiveTheNoteTheRulesGive) {
  std::mt19937 random(3);
  std::vector<Line> lines{{1, "NOTE", "first"}};
  for (int i = 0; i < 600; ++i) {
    const std::string text = "t" + std::to_string(i);
    switch (random() % 10) {
      case 0:
        lines.push_back({1, "NOTE", "@N1@"});
        break;
      case 1:
        lines.push_back({1, "NOTE", "@N9@"});
        break;
      case 2:
        lines.push_back({1, "BIRT", ""});
        break;
      case 3:
      case 4:
        lines.push_back({2, "NOTE", text});
        if (random() % 2 == 0) lines.push_back({3, "CONT", text + " more"});
        break;
      case 5:
        lines.push_back({3, "NOTE", text});
        break;
      case 6:
        lines.push_back({2, "DATE", "1900"});
        break;
      default:
        lines.push_back({1, "NOTE", text});
        if (random() % 3 == 0) lines.push_back({2, "CONT", text + " more"});
        break;
    }
  }
  LoadedGedcom gedcom(PersonWith(lines));
  const auto note = gedcom->GetIndividual(1)->GetNote();
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->Lines(), IndividualNote(lines));
}

TEST(LongLists, SpouseFamiliesWithoutDatesAreOrderedAsTheSortOrdersTheirNames) {
  // 650 families in a scrambled order, their wives named A to E, some without a wife: the names
  // tie often, and ties are where the sort's own order shows.
  constexpr std::int32_t kFamilies = 650;
  std::string text = "0 HEAD\n0 @I1@ INDI\n1 NAME Him /Self/\n";
  std::vector<std::int32_t> linked;
  std::vector<int> ranks;
  for (std::int32_t k = 0; k < kFamilies; ++k) {
    const std::int32_t family = (k * 11) % kFamilies + 1;
    linked.push_back(family);
    ranks.push_back(family % 7 < 5 ? family % 7 : -1);
    text += "1 FAMS @F" + std::to_string(family) + "@\n";
  }
  for (int letter = 0; letter < 5; ++letter) {
    const std::string name(1, static_cast<char>('A' + letter));
    text += "0 @W" + name + "@ INDI\n1 NAME " + name + " /" + name + name + "/\n";
  }
  for (std::int32_t family = 1; family <= kFamilies; ++family) {
    text += "0 @F" + std::to_string(family) + "@ FAM\n1 HUSB @I1@\n";
    if (family % 7 < 5) text += "1 WIFE @W" + std::string(1, static_cast<char>('A' + family % 7)) + "@\n";
  }
  LoadedGedcom gedcom(text + "0 TRLR\n");
  std::vector<std::int32_t> expected;
  for (const std::int32_t family : RunExchangeSort(ranks, linked))
    expected.push_back(gedcom->FindMarriage("F" + std::to_string(family)));
  EXPECT_EQ(SpouseFamiliesOf(*gedcom, 1), expected);
}

TEST(LongLists, OneDatedFamilyAmongHundredsGoesLastAndTheOthersKeepTheSortsOrder) {
  constexpr std::int32_t kFamilies = 620;
  std::string text = "0 HEAD\n0 @I1@ INDI\n";
  std::vector<std::int32_t> linked;
  std::vector<int> ranks;
  for (std::int32_t family = kFamilies; family >= 1; --family) {
    linked.push_back(family);
    ranks.push_back(family == 300 ? 99 : family % 3);
    text += "1 FAMS @F" + std::to_string(family) + "@\n";
  }
  text += "0 @WA@ INDI\n1 NAME A /A/\n0 @WB@ INDI\n1 NAME B /B/\n";
  for (std::int32_t family = 1; family <= kFamilies; ++family) {
    text += "0 @F" + std::to_string(family) + "@ FAM\n1 HUSB @I1@\n";
    if (family % 3 == 1) text += "1 WIFE @WA@\n";
    if (family % 3 == 2) text += "1 WIFE @WB@\n";
    if (family == 300) text += "1 MARR\n2 DATE 1 JAN 1900\n";
  }
  LoadedGedcom gedcom(text + "0 TRLR\n");
  std::vector<std::int32_t> expected;
  for (const std::int32_t family : RunExchangeSort(ranks, linked))
    expected.push_back(gedcom->FindMarriage("F" + std::to_string(family)));
  EXPECT_EQ(SpouseFamiliesOf(*gedcom, 1), expected);
}

TEST(LongLists, AThousandChildrenKeepTheOrderOfTheirChilLinesOrOfTheirOwnRecords) {
  constexpr std::int32_t kChildren = 1200;
  std::string text = "0 HEAD\n";
  for (std::int32_t child = 1; child <= kChildren; ++child)
    text += "0 @C" + std::to_string(child) + "@ INDI\n1 FAMC @F1@\n";
  text += "0 @F1@ FAM\n";
  std::vector<std::int32_t> chilOrder;
  for (std::int32_t k = 0; k < kChildren; ++k) {
    const std::int32_t child = (k * 7) % kChildren + 1;
    chilOrder.push_back(child);
    text += "1 CHIL @C" + std::to_string(child) + "@\n";
  }
  LoadedGedcom gedcom(text + "0 TRLR\n");
  std::vector<std::int32_t> recordOrder(kChildren);
  std::iota(recordOrder.begin(), recordOrder.end(), 1);
  std::vector<std::int32_t> chilIndexes;
  for (const std::int32_t child : chilOrder)
    chilIndexes.push_back(gedcom->FindIndividual("C" + std::to_string(child)));
  const auto childrenOf = [&gedcom] {
    const auto family = gedcom->GetMarriage(1);
    family->SortChildren();
    std::vector<std::int32_t> children;
    for (std::int32_t n = 1; n <= family->ChildCount(); ++n) children.push_back(family->GetChild(n));
    return children;
  };
  gedcom.Options().SetBool(opt::SortChildren, false);
  EXPECT_EQ(childrenOf(), recordOrder);
  gedcom.Options().SetBool(opt::SortChildren, true);
  EXPECT_EQ(childrenOf(), chilIndexes);
}

}  // namespace
}  // namespace kinshelf
