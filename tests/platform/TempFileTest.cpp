// Temporary files: unique names under the temporary folder.
#include "platform/TempFile.h"

#include <gtest/gtest.h>

#include "platform/FileIo.h"
#include "platform/Paths.h"

namespace kinshelf::platform {
namespace {

TEST(TempFileTest, NamesStartWithThePrefixAndAreNeverShared) {
  const TempFile a = CreateTempFile("orv");
  const TempFile b = CreateTempFile("orv");
  EXPECT_EQ(std::string(FileNamePart(a.path)).rfind("orv", 0), 0u);
  EXPECT_NE(a.path, b.path);
  EXPECT_TRUE(a.fd.IsOpen());
  EXPECT_TRUE(RemoveFile(a.path));
  EXPECT_TRUE(RemoveFile(b.path));
}

}  // namespace
}  // namespace kinshelf::platform
