// Damaged PAF records read through the collections: each row of the table changes one link of the
// test family (a loop, a number past its records, a text link outside the file) and names what the
// collection must then give. After every row every page of the file is built, which must neither
// fault nor hang. The container's own damage (headers, maps, totals, truncation) is tabled in
// WPAFMMFTest.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PafTestFamily.h"
#include "model/WABSCitation.h"
#include "model/WABSIndividual.h"
#include "model/WABSMarriage.h"
#include "model/WABSName.h"
#include "model/WABSSource.h"
#include "model/WABSVitEvent.h"
#include "model/pages/FamilyPage.h"
#include "model/pages/HeaderPage.h"
#include "model/pages/IndividualPage.h"
#include "readers/ReaderFactory.h"
#include "settings/WOptions.h"
#include "support/PafDamage.h"
#include "support/PafWriter.h"

namespace kinshelf {
namespace {

using test::kPafChildLink;
using test::kPafCitation;
using test::kPafIndividual;
using test::kPafMarriage;
using test::kPafOtherEvent;
using test::PafDamage;
using test::PafVersion;
using test::PafWrittenFile;

using Damage = std::function<void(const PafDamage&, const PafWrittenFile&)>;
using Check = std::function<void(WABSCollection&)>;

struct DamageRow {
  const char* name;
  bool paf3;  // PAF 4 and 5 always run; PAF 3 lacks additional events and text chains
  Damage damage;
  Check check;
};

std::unique_ptr<WABSIndividual> Person(WABSCollection& family, std::int32_t rin) {
  return family.GetIndividual(family.RINToIndex(rin));
}

const auto& Layout(const PafWrittenFile& file) {
  return file.Layout();
}

const std::vector<DamageRow>& Rows() {
  static const std::vector<DamageRow> rows{
      {"a husband's next marriage looping back to the first", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafMarriage, 2, Layout(f).marriage.husbandNext), 1);
       },
       [](WABSCollection& c) { EXPECT_EQ(Person(c, 1)->SpouseFamilyCount(), 2); }},
      {"a child's next parent link naming itself", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafChildLink, 1, Layout(f).childLink.nextParent), 1);
       },
       [](WABSCollection& c) { EXPECT_EQ(Person(c, 5)->ParentFamilyCount(), 1); }},
      {"a family's last child link leading back to its first", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafChildLink, 3, Layout(f).childLink.nextChild), 1);
       },
       [](WABSCollection& c) { EXPECT_EQ(c.GetMarriage(1)->ChildCount(), 3); }},
      {"a citation chain looping back to its first", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         std::int32_t last = d.Int32At(f.FirstCitationLink(1));
         for (int n = 1; n < 150; ++n) last = d.Int32At(f.NextCitationLink(last));
         d.SetInt32(f.NextCitationLink(last),
                    d.Int32At(f.NextCitationLink(d.Int32At(f.FirstCitationLink(1)))));
       },
       [](WABSCollection& c) { EXPECT_EQ(Person(c, 1)->CitationCount(), 150); }},
      {"a note piece naming itself as the next", true,
       [](const PafDamage& d, const PafWrittenFile& f) { d.SetInt32(f.NextNotePieceLink(1), 1); },
       [](WABSCollection& c) {
         EXPECT_EQ(Person(c, 1)->NoteText(), "Farmer all his life.\r\nMoved west in 1870.");
       }},
      {"a name link past the end of the file", true,
       [](const PafDamage& d, const PafWrittenFile& f) { d.PointOutside(f.NameLink(1)); },
       [](WABSCollection& c) { EXPECT_EQ(Person(c, 1)->GetName()->GetSurname(), ""); }},
      {"a husband RIN beyond the individuals", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafMarriage, 1, Layout(f).marriage.husband), 100000);
       },
       [](WABSCollection& c) { EXPECT_EQ(c.GetMarriage(1)->GetHusband(), 0); }},
      {"a first spouse family beyond the marriages", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafIndividual, 3, Layout(f).individual.spouseFamily), 100000);
       },
       [](WABSCollection& c) { EXPECT_EQ(c.GetMarriage(Person(c, 3)->GetSpouseFamily(1)), nullptr); }},
      {"a first parent link beyond the child links", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafIndividual, 5, Layout(f).individual.parentLink), 100000);
       },
       [](WABSCollection& c) { EXPECT_EQ(Person(c, 5)->GetParentFamily(1), 0); }},
      {"a family's first child link beyond the child links", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafMarriage, 1, Layout(f).marriage.child), 100000);
       },
       [](WABSCollection& c) { EXPECT_EQ(c.GetMarriage(1)->ChildCount(), 0); }},
      {"a child link naming a deleted individual", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafChildLink, 2, Layout(f).childLink.child), 4);
       },
       [](WABSCollection& c) { EXPECT_EQ(c.GetMarriage(1)->ChildCount(), 2); }},
      {"a deleted-individual chain naming itself", true,
       [](const PafDamage& d, const PafWrittenFile& f) { d.SetInt32(f.NextDeletedIndividualLink(4), 4); },
       [](WABSCollection& c) { EXPECT_EQ(c.IndividualCount(), 8); }},
      {"an individual count far beyond the records", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(Layout(f).header.individuals, 0x7fffffff);
       },
       [](WABSCollection& c) { EXPECT_LT(c.IndividualCount(), 1000); }},
      {"a citation naming a source past the records", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafCitation, d.Int32At(f.FirstCitationLink(1)), Layout(f).citation.source),
                    100000);
       },
       [](WABSCollection& c) { EXPECT_EQ(Person(c, 1)->GetCitation(1)->GetSource()->GetTitle(), ""); }},
      {"a birth place link into the middle of a record", true,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafIndividual, 1, Layout(f).individual.birth + Layout(f).event.places[0]),
                    static_cast<std::int32_t>(f.Record(kPafIndividual, 1) + 3));
       },
       [](WABSCollection& c) { EXPECT_LE(Person(c, 1)->EventPlaceText(EventKind::kBirth, 1).size(), 600U); }},
      {"an additional event naming itself as the next", false,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafOtherEvent, 2, Layout(f).otherEvent.next), 1);
       },
       [](WABSCollection& c) { EXPECT_EQ(Person(c, 1)->EventCount(EventKind::kOther), 2); }},
      {"an event type number past the records", false,
       [](const PafDamage& d, const PafWrittenFile& f) {
         d.SetInt32(f.Field(kPafOtherEvent, 1, Layout(f).otherEvent.type), 100000);
       },
       [](WABSCollection& c) { EXPECT_EQ(Person(c, 1)->GetEvent(EventKind::kOther, 1)->TypeName(), ""); }},
  };
  return rows;
}

void BuildEveryPage(WABSCollection& family) {
  BuildHeaderPage(family, 0);
  for (std::int32_t index = 1; index <= family.IndividualCount(); ++index) {
    BuildIndividualPage(family, index);
    BuildFamilyPage(family, index, 1);
  }
}

class WPAFCollectionDamageTest : public ::testing::TestWithParam<PafVersion> {};

TEST_P(WPAFCollectionDamageTest, EachDamagedLinkGivesItsOutcome) {
  for (const DamageRow& row : Rows()) {
    if (GetParam() == PafVersion::kPaf3 && !row.paf3) continue;
    SCOPED_TRACE(row.name);
    test::ScratchFolder folder;
    WOptions options;
    auto family = test::RichFamily();
    family.individuals[7].otherEvents.resize(2);
    const std::string path = folder.Path("family.paf");
    const PafWrittenFile file = test::PafWriter::Write(family, GetParam(), path);
    row.damage(PafDamage(path), file);
    std::string error;
    const auto collection = CreateCollection(path, error, ReaderFormat::kPaf, options);
    ASSERT_NE(collection, nullptr) << error;
    ASSERT_TRUE(collection->Load());
    row.check(*collection);
    BuildEveryPage(*collection);
  }
}

INSTANTIATE_TEST_SUITE_P(AllVersions, WPAFCollectionDamageTest,
                         ::testing::Values(PafVersion::kPaf3, PafVersion::kPaf4, PafVersion::kPaf5),
                         [](const auto& info) {
                           return "Paf" + std::to_string(static_cast<int>(info.param));
                         });

}  // namespace
}  // namespace kinshelf
