// Every sample GEDCOM file of the shared test data: it loads (UTF-16 files aside, which the reader
// factory refuses), its counts equal the level-0 records with an identifier found by a plain line
// scan, every individual and family can be walked through every getter, every marriage with a
// DATE among its lines shows it, spouse families are in date order, and no date phrase loses a
// four-digit year on its way to the display (0001 shows as the year 1).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "GedcomTestSupport.h"
#include "model/dates/WDate.h"

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

// The bytes of every sample GEDCOM file that the reader reads (UTF-16 files aside), each handed to
// visit(path, bytes); how many there were.
template <typename Visit>
int ForEachSampleFile(const std::string& folder, Visit&& visit) {
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".ged" && extension != ".GED")) continue;
    const std::string bytes = test::ReadFile(entry.path().string());
    if (IsUtf16(bytes)) continue;
    SCOPED_TRACE(entry.path().string());
    visit(bytes);
    ++files;
  }
  return files;
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

// The lines of the text, split at any line break, each without leading blanks.
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t stop = bytes.find_first_of("\r\n", start);
    if (stop == std::string::npos) stop = bytes.size();
    const std::size_t first = bytes.find_first_not_of(" \t", start);
    if (first < stop) lines.push_back(bytes.substr(first, stop - first));
    start = stop + 1;
  }
  return lines;
}

struct LineParts {
  int level = -1;
  std::string tag;
  std::string value;
};

// Level, tag and value of a line, separated by any run of blanks.
LineParts PartsOf(const std::string& line) {
  static const std::regex layout(R"(^(\d+)[ \t]+(@[^@]+@[ \t]+)?([A-Za-z0-9_]+)[ \t]?(.*)$)");
  std::smatch match;
  if (!std::regex_match(line, match, layout)) return {};
  return {std::stoi(match[1].str()), match[3].str(), match[4].str()};
}

// For each FAM record in file order: whether a MARR line of it has a DATE line among its own lines.
std::vector<bool> DatedMarriages(const std::vector<std::string>& lines) {
  std::vector<bool> dated;
  bool inMarriage = false;
  for (const std::string& line : lines) {
    const LineParts parts = PartsOf(line);
    if (parts.level == 0 && line.find('@') != std::string::npos && parts.tag == "FAM") dated.push_back(false);
    if (parts.level <= 1) inMarriage = !dated.empty() && parts.level == 1 && parts.tag == "MARR";
    if (inMarriage && parts.level == 2 && parts.tag == "DATE") dated.back() = true;
    if (parts.level == 0 && parts.tag == "TRLR") break;
  }
  return dated;
}

void ExpectSpouseFamiliesInDateOrder(WGEDCollection& collection, std::int32_t index) {
  const auto individual = collection.GetIndividual(index);
  const WDate* previous = nullptr;
  std::vector<std::unique_ptr<WABSMarriage>> held;
  for (std::int32_t n = 1; n <= individual->SpouseFamilyCount(); ++n) {
    held.push_back(collection.GetMarriage(individual->GetSpouseFamily(n)));
    const WDate* date = held.back() != nullptr ? held.back()->Date() : nullptr;
    if (date == nullptr || !date->IsValid() || !date->IsStandard()) continue;
    if (previous != nullptr) {
      EXPECT_LE(previous->Compare(date), 0) << "individual " << index;
    }
    previous = date;
  }
}

TEST(SampleFiles, MarriageDatesFamilyOrderAndYearsShow) {
  const std::string folder = test::SharedTestData("gedcom");
  if (folder.empty()) GTEST_SKIP() << "the shared test data is absent";
  static const std::regex year(R"([1-9]\d{3})");
  int datedMarriages = 0;
  ForEachSampleFile(folder, [&](const std::string& bytes) {
    const std::vector<std::string> lines = Lines(bytes);
    test::LoadedGedcom gedcom(bytes);
    const std::vector<bool> dated = DatedMarriages(lines);
    ASSERT_EQ(static_cast<std::int32_t>(dated.size()), gedcom->MarriageCount());
    for (std::int32_t i = 1; i <= gedcom->MarriageCount(); ++i) {
      const auto marriage = gedcom->GetMarriage(i);
      EXPECT_EQ(marriage->Date() != nullptr, dated[static_cast<std::size_t>(i - 1)]) << "family " << i;
      datedMarriages += dated[static_cast<std::size_t>(i - 1)] ? 1 : 0;
    }
    for (std::int32_t i = 1; i <= gedcom->IndividualCount(); ++i) ExpectSpouseFamiliesInDateOrder(*gedcom, i);
    for (const std::string& line : lines) {
      const LineParts parts = PartsOf(line);
      if (parts.tag != "DATE") continue;
      const std::string shown = WDate::FromConvertedText(parts.value).DisplayText();
      for (auto found = std::sregex_iterator(parts.value.begin(), parts.value.end(), year);
           found != std::sregex_iterator(); ++found) {
        EXPECT_NE(shown.find(found->str()), std::string::npos) << parts.value << " shows as " << shown;
      }
    }
  });
  EXPECT_GT(datedMarriages, 500);
}

TEST(SampleFiles, LoadCountAndWalk) {
  const std::string folder = test::SharedTestData("gedcom");
  if (folder.empty()) GTEST_SKIP() << "the shared test data is absent";
  const int files = ForEachSampleFile(folder, [](const std::string& bytes) {
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
  });
  EXPECT_GT(files, 50);
}

}  // namespace
}  // namespace kinshelf
