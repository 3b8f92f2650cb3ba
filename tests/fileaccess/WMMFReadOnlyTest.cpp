// A file mapped for reading that another process shortens: its bytes past the new end read as
// zeros and the store says it is damaged.
#include "fileaccess/WMMFReadOnly.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "fileaccess/FileAccessTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

const std::size_t kPage = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));

TEST(WMMFReadOnlyTest, AnUntouchedFileIsNotDamaged) {
  test::ScratchFolder folder;
  const std::string bytes = test::Pattern(3 * kPage);
  const WMMFReadOnly file(folder.WriteFile("whole.ged", bytes));
  EXPECT_TRUE(std::equal(file.Bytes().begin(), file.Bytes().end(), bytes.begin(), bytes.end()));
  EXPECT_FALSE(file.Damaged());
}

TEST(WMMFReadOnlyTest, AShortenedFileReadsZerosPastItsNewEndAndIsDamaged) {
  test::ScratchFolder folder;
  const std::string bytes = test::Pattern(3 * kPage);
  const std::string path = folder.WriteFile("shortened.ged", bytes);
  const WMMFReadOnly file(path);
  ASSERT_EQ(truncate(path.c_str(), 100), 0);
  const std::span<const unsigned char> view = file.Bytes();
  ASSERT_EQ(view.size(), bytes.size());
  EXPECT_TRUE(std::equal(view.begin(), view.begin() + 100, bytes.begin()));
  EXPECT_TRUE(std::all_of(view.begin() + 100, view.end(), [](unsigned char byte) { return byte == 0; }));
  EXPECT_TRUE(file.Damaged());
}

}  // namespace
}  // namespace kinshelf
