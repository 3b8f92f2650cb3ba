// Every public sample GEDCOM file beside the project: it loads (or, in UTF-16, is refused with the
// reader factory's message), and every individual's and family's page can be built, as the person
// and family commands build them. Skipped when the sample files are absent.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/WABSCollection.h"
#include "model/WABSIndividual.h"
#include "model/pages/FamilyPage.h"
#include "model/pages/IndividualPage.h"
#include "readers/ReaderFactory.h"
#include "settings/WOptions.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

std::vector<std::string> SampleFiles() {
  std::vector<std::string> files;
  const std::string root = test::SharedTestData("gedcom");
  if (root.empty()) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const auto extension = entry.path().extension().string();
    if (entry.is_regular_file() && (extension == ".ged" || extension == ".GED"))
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// UTF-16 as the factory tells it: a byte-order mark or a zero byte among the first two.
bool IsUtf16(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char start[2] = {'x', 'x'};
  in.read(start, 2);
  return (start[0] == '\xff' && start[1] == '\xfe') || (start[0] == '\xfe' && start[1] == '\xff') ||
         start[0] == '\0' || start[1] == '\0';
}

class SampleFilesTest : public testing::TestWithParam<std::string> {};

TEST_P(SampleFilesTest, LoadsAndEveryPageCanBeBuilt) {
  WOptions options;
  std::string error;
  auto collection = CreateCollection(GetParam(), error, ReaderFormat::kUnknown, options);
  if (IsUtf16(GetParam())) {
    EXPECT_EQ(collection, nullptr);
    EXPECT_EQ(error, "Error: Cannot read unicode GEDCOM file\r" + GetParam());
    return;
  }
  ASSERT_NE(collection, nullptr) << error;
  ASSERT_TRUE(collection->Load());
  collection->LinkRecords();
  for (std::int32_t index = 1; index <= collection->IndividualCount(); ++index) {
    const auto page = BuildIndividualPage(*collection, index);
    ASSERT_EQ(page.index, index);
    ASSERT_GE(page.facts.size(), 2u);
    const auto spouses = collection->GetIndividual(index)->SpouseFamilyCount();
    for (std::int32_t n = 1; n <= std::max(spouses, 1); ++n) {
      const auto family = BuildFamilyPage(*collection, index, n);
      ASSERT_EQ(family.subject->index, index);
      ASSERT_EQ(family.count, spouses);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shared, SampleFilesTest, testing::ValuesIn(SampleFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name;
                           for (const char c : std::filesystem::path(info.param).stem().string()) {
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name + "_" + std::to_string(info.index);
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SampleFilesTest);

}  // namespace
}  // namespace kinshelf
