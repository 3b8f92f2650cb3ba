// Every sample GEDCOM file of the shared test data: it loads (UTF-16 files aside, which the reader
// factory refuses), its counts equal the level-0 records with an identifier found by a plain line
// scan, and every individual and family can be walked through every getter.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "GedcomTestSupport.h"

namespace kinshelf {
namespace {

// Level-0 records with an identifier, by their tag, counted line by line (any line break).
std::map<std::string, int> CountRecords(const std::string& bytes) {
  std::map<std::string, int> counts;
  static const std::regex record(R"(^0 @[^@]+@ *([A-Z_]+))");
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t stop = bytes.find_first_of("\r\n", start);
    if (stop == std::string::npos) stop = bytes.size();
    std::smatch match;
    const std::string line = bytes.substr(start, stop - start);
    if (std::regex_search(line, match, record)) ++counts[match[1].str()];
    if (line.rfind("0 TR", 0) == 0) break;
    start = stop + 1;
  }
  return counts;
}

bool IsUtf16(const std::string& bytes) {
  return bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0' || bytes.rfind("\xFF\xFE", 0) == 0 ||
                               bytes.rfind("\xFE\xFF", 0) == 0);
}

void WalkIndividual(WGEDCollection& collection, std::int32_t index) {
  const auto individual = collection.GetIndividual(index);
  ASSERT_NE(individual, nullptr);
  individual->GetIDText();
  individual->GetChangedDate();
  individual->LifeSpanText(true);
  individual->AgeText();
  for (std::int32_t n = 1; n <= individual->EventCount(EventKind::kOther); ++n) {
    const auto event = individual->GetEvent(EventKind::kOther, n);
    event->GetDescription();
    event->PlaceText(collection.Options());
    event->CitationsText();
    event->NoteText();
  }
  for (const EventKind kind :
       {EventKind::kLdsBaptism, EventKind::kLdsEndowment, EventKind::kLdsSealingToParents}) {
    if (const auto ordinance = individual->GetLDSEvent(kind)) ordinance->DateText();
  }
  individual->CitationsText();
  individual->NoteText();
  individual->GetRecordText();
  collection.IndividualSummaryText(index);
}

void WalkMarriage(WGEDCollection& collection, std::int32_t index) {
  const auto marriage = collection.GetMarriage(index);
  ASSERT_NE(marriage, nullptr);
  marriage->SortChildren();
  for (std::int32_t n = 1; n <= marriage->ChildCount(); ++n) EXPECT_NE(marriage->GetChild(n), 0);
  marriage->DateAndPlaceText();
  marriage->CitationsText();
  marriage->NoteText();
  if (const auto sealing = marriage->GetSealing(1)) sealing->DateText();
  marriage->GetRecordText();
}

TEST(SampleFiles, LoadCountAndWalk) {
  const std::string folder = test::SharedTestData("gedcom");
  if (folder.empty()) GTEST_SKIP() << "the shared test data is absent";
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".ged" && extension != ".GED")) continue;
    const std::string bytes = test::ReadFile(entry.path().string());
    if (IsUtf16(bytes)) continue;
    SCOPED_TRACE(entry.path().string());
    test::LoadedGedcom gedcom(bytes);
    std::map<std::string, int> counts = CountRecords(bytes);
    EXPECT_EQ(gedcom->IndividualCount(), counts["INDI"]);
    EXPECT_EQ(gedcom->MarriageCount(), counts["FAM"]);
    EXPECT_EQ(gedcom->NoteCount(), counts["NOTE"]);
    EXPECT_EQ(gedcom->SourceCount(), counts["SOUR"]);
    gedcom->GetHeaderInfo();
    gedcom->GetHeaderText();
    gedcom->GetSubmitter();
    for (std::int32_t i = 1; i <= gedcom->IndividualCount(); ++i) WalkIndividual(*gedcom, i);
    for (std::int32_t i = 1; i <= gedcom->MarriageCount(); ++i) WalkMarriage(*gedcom, i);
    ++files;
  }
  EXPECT_GT(files, 50);
}

}  // namespace
}  // namespace kinshelf
