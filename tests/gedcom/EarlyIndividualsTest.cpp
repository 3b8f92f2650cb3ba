// The early walk visits the individuals the index pass numbers, with the texts the loaded collection
// gives them, and counts only those the finished index places alike.
#include "gedcom/EarlyIndividuals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "GedcomTestSupport.h"
#include "gedcom/GedcomIndexes.h"
#include "gedcom/GedcomRecordContext.h"
#include "model/WABSIndividual.h"

namespace kinshelf {
namespace {

// Individuals among records the index pass leaves out: one without an identifier, one of no known
// type, and one after the trailer.
std::string OddFile() {
  std::string text = "0 HEAD\n1 CHAR UTF-8\n";
  for (int n = 1; n <= 40; ++n) {
    text += "0 @I" + std::to_string(n) + "@ INDI\n1 NAME Ann" + std::to_string(n) +
            " /Lee/\n1 BIRT\n2 DATE " + std::to_string(1800 + n) + "\n2 PLAC York\n";
    if (n == 7) text += "0 INDI\n1 NAME No /Identifier/\n0 @X1@ _ODD\n1 NAME Odd /Record/\n";
  }
  return text + "0 TRLR\n0 @I99@ INDI\n1 NAME After /Trailer/\n";
}

std::string Shown(WABSIndividual& person) {
  ListingTexts texts(ListingOptions::Of(person.Collection().Options()));
  person.ReadListingTexts(texts);
  return std::to_string(person.Index()) + "|" + texts.id + "|" + texts.name + "|" + texts.birth.date + "|" +
         texts.birth.place;
}

// The walk over a loaded file's text, run to its end, and what it visited.
struct Walked {
  std::vector<std::string> shown;
  std::int32_t confirmed = 0;
};

Walked WalkToTheEnd(test::LoadedGedcom& gedcom, const WGEDIndIndex& individuals) {
  const std::unique_ptr<GedcomIndexes> none;
  const GedcomRecordContext context(*gedcom, gedcom->Text(), none, {}, {});
  Walked walked;
  std::promise<void> done;
  const EarlyVisit visit = [&](WABSIndividual& person) {
    walked.shown.push_back(Shown(person));
    if (person.Index() == 40) done.set_value();
    return true;
  };
  EarlyIndividuals early(context, visit);
  if (done.get_future().wait_for(std::chrono::minutes(1)) != std::future_status::ready)
    ADD_FAILURE() << "the walk did not reach the last individual";
  walked.confirmed = early.Finish(individuals);
  return walked;
}

TEST(EarlyIndividualsTest, VisitsWhatTheLoadedCollectionShows) {
  test::LoadedGedcom gedcom(OddFile());
  ASSERT_EQ(gedcom->IndividualCount(), 40);
  const Walked walked = WalkToTheEnd(gedcom, *gedcom->Indexes()->individuals);
  std::vector<std::string> loaded;
  for (std::int32_t index = 1; index <= 40; ++index) loaded.push_back(Shown(*gedcom->GetIndividual(index)));
  EXPECT_EQ(walked.shown, loaded);
  EXPECT_EQ(walked.confirmed, 40);
}

// Checked against an index whose records lie elsewhere from the fifth on, only four count.
TEST(EarlyIndividualsTest, CountsOnlyWhatTheIndexPlacesAlike) {
  test::LoadedGedcom gedcom(OddFile());
  std::string text = OddFile();
  text.insert(text.find("0 @I5@ INDI"), "0 @N1@ NOTE Moves the records after it\n");
  test::LoadedGedcom shifted(text);
  EXPECT_EQ(WalkToTheEnd(gedcom, *shifted->Indexes()->individuals).confirmed, 4);
}

// A load that visits while it runs gives the visited individuals the collection's texts, however
// far the walk got before the load ended.
TEST(EarlyIndividualsTest, ALoadWhileVisitingShowsAsTheLoadedCollection) {
  test::LoadedGedcom gedcom(OddFile(), false);
  std::vector<std::string> shown;
  std::int32_t visited = -1;
  ASSERT_TRUE(gedcom->LoadWhileVisiting(
      [&](WABSIndividual& person) {
        shown.push_back(Shown(person));
        return true;
      },
      visited));
  ASSERT_GE(visited, 0);
  ASSERT_LE(static_cast<std::size_t>(visited), shown.size());
  for (std::int32_t index = 1; index <= visited; ++index)
    EXPECT_EQ(shown[static_cast<std::size_t>(index) - 1], Shown(*gedcom->GetIndividual(index)));
}

}  // namespace
}  // namespace kinshelf
