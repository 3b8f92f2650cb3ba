// What one PAF version does differently from the others: PAF 3 and 4 names and unused event
// structures, PAF 4's extension records, PAF 3/4 text dates of ordinances, and PAF 5's name text
// and first deleted number.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "PafTestFamily.h"
#include "model/WABSIndividual.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSMarriage.h"
#include "model/WABSName.h"
#include "model/WABSPlace.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "readers/ReaderFactory.h"
#include "settings/WOptions.h"
#include "support/PafDamage.h"

namespace kinshelf {
namespace {

using test::kPafIndividual;
using test::PafDamage;
using test::PafDescription;
using test::PafVersion;
using test::PafWrittenFile;

struct Opened {
  test::ScratchFolder folder;
  WOptions options;
  PafWrittenFile file;
  std::unique_ptr<WABSCollection> family;

  Opened(const PafDescription& description, PafVersion version)
      : family(test::OpenFamily(description, version, folder, options, &file)) {}
  // Damages the written file and opens it again.
  void Damage(const std::function<void(const PafDamage&)>& change) {
    family.reset();
    change(PafDamage(file.path));
    std::string error;
    family = CreateCollection(file.path, error, ReaderFormat::kPaf, options);
    ASSERT_NE(family, nullptr) << error;
    ASSERT_TRUE(family->Load());
  }
  std::unique_ptr<WABSIndividual> John() const { return family->GetIndividual(1); }
};

class Paf34Test : public ::testing::TestWithParam<PafVersion> {};

TEST_P(Paf34Test, AnUnlinkedFirstGivenNameLeavesALeadingSpace) {
  Opened opened(test::RichFamily(), GetParam());
  opened.Damage([&](const PafDamage& d) { d.SetInt32(opened.file.NameLink(1) + 4, -1); });
  EXPECT_EQ(opened.John()->GetName()->GetGivenNames(), " Henry");
}

TEST_P(Paf34Test, AnEventWithAPlaceButNoDateExistsAndFourMinusOnePlacesMarkItUnused) {
  Opened opened(test::RichFamily(), GetParam());
  const auto& layout = opened.file.Layout();
  const std::int64_t birth = opened.file.Field(kPafIndividual, 1, layout.individual.birth);
  opened.Damage([&](const PafDamage& d) {
    for (int i = 0; i < 6; ++i) d.SetByte(birth + i, 0);
  });
  ASSERT_NE(opened.John()->GetEvent(EventKind::kBirth, 1), nullptr);
  EXPECT_EQ(opened.John()->EventText(EventKind::kBirth, 1), "Springfield, Ohio");
  opened.Damage([&](const PafDamage& d) {
    for (const int place : layout.event.places) d.SetInt32(birth + place, -1);
  });
  EXPECT_EQ(opened.John()->GetEvent(EventKind::kBirth, 1), nullptr);
}

TEST_P(Paf34Test, AnOrdinanceDateHeldAsTextIsReadFromItsPhrase) {
  PafDescription description = test::RichFamily();
  description.individuals[0].baptism.date = PafDescription::Date::Text("ABT 12 MAY 1901");
  Opened opened(description, GetParam());
  EXPECT_EQ(opened.John()->GetLDSEvent(EventKind::kLdsBaptism)->DateText(), "Abt 12 May 1901");
}

TEST_P(Paf34Test, OrdinancesNeedTheIndividualExtensionInPaf4Only) {
  PafDescription description = test::RichFamily();
  for (auto& person : description.individuals) person.withExtension = false;
  Opened opened(description, GetParam());
  const bool paf4 = GetParam() == PafVersion::kPaf4;
  EXPECT_EQ(opened.John()->GetLDSEvent(EventKind::kLdsBaptism) == nullptr, paf4);
  EXPECT_EQ(opened.John()->GetName()->GetPrefix(), "");
}

TEST_P(Paf34Test, AnOrdinanceWithoutTempleTakesTheExtensionPlaceButASealingDoesNot) {
  PafDescription description = test::RichFamily();
  description.individuals[0].baptism.temple.clear();
  description.individuals[0].ldsPlace = {"Nauvoo", "", "Illinois"};
  description.marriages[0].sealing.temple.clear();
  Opened opened(description, GetParam());
  const bool paf4 = GetParam() == PafVersion::kPaf4;
  EXPECT_EQ(opened.John()->GetLDSEvent(EventKind::kLdsBaptism)->GetPlace()->GetPlaceText(),
            paf4 ? "Nauvoo, Illinois" : "");
  EXPECT_EQ(opened.family->GetMarriage(1)->GetSealing(1)->GetPlace()->GetPlaceText(), "");
}

INSTANTIATE_TEST_SUITE_P(Paf3And4, Paf34Test, ::testing::Values(PafVersion::kPaf3, PafVersion::kPaf4),
                         [](const auto& info) {
                           return "Paf" + std::to_string(static_cast<int>(info.param));
                         });

TEST(Paf5Test, ANameTextWithoutSlashesIsAllGivenNames) {
  Opened opened(test::RichFamily(), PafVersion::kPaf5);
  const std::int64_t text = PafDamage(opened.file.path).Int32At(opened.file.NameLink(1));
  opened.Damage([&](const PafDamage& d) {
    d.SetByte(text + 15 + 11, ' ');  // "John Henry /Smith/ Jr": both slashes
    d.SetByte(text + 15 + 17, ' ');
  });
  const auto name = opened.John()->GetName();
  EXPECT_EQ(name->GetGivenNames(), "John Henry  Smith  Jr");
  EXPECT_EQ(name->GetSurname(), "");
}

TEST(Paf5Test, ANameRecordOfAnotherKindGivesUnknownAndTheChainStillFindsAfnAndReference) {
  PafDescription description = test::RichFamily();
  description.individuals[0].afnBeforeRefNumber = true;
  Opened opened(description, PafVersion::kPaf5);
  EXPECT_EQ(opened.John()->GetAFN(), "9X2K-7Q");
  EXPECT_EQ(opened.John()->GetRefNumber(), "R-17");
  const std::int64_t text = PafDamage(opened.file.path).Int32At(opened.file.NameLink(1));
  opened.Damage([&](const PafDamage& d) { d.SetByte(text + 12, 10); });
  EXPECT_EQ(opened.John()->GetName()->GetGivenNames(), "<Unknown>");
}

TEST(Paf5Test, AFirstDeletedNumberAboveTheCountStartsNoChain) {
  Opened opened(test::RichFamily(), PafVersion::kPaf5);
  const auto& layout = opened.file.Layout();
  const std::int64_t slot12 = opened.file.Record(kPafIndividual, 1) + 11 * layout.sizes.at(kPafIndividual);
  opened.Damage([&](const PafDamage& d) {
    d.SetInt32(layout.header.firstDeletedIndividual, 12);
    d.SetInt32(slot12, 3);  // read as a next deleted number, it would hide RIN 3
  });
  EXPECT_EQ(opened.family->IndividualCount(), 9);
  EXPECT_EQ(opened.family->RINToIndex(3), 3);
  EXPECT_EQ(opened.family->RINToIndex(4), 4);
}

TEST(Paf5Test, AChangeTimeCountsWholeDaysFrom1970) {
  PafDescription description = test::RichFamily();
  description.individuals[0].changed = 86399;
  Opened opened(description, PafVersion::kPaf5);
  EXPECT_EQ(opened.John()->ChangedDateText(), "1 Jan 1970");
}

}  // namespace
}  // namespace kinshelf
