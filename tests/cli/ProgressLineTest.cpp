// The progress line: whatever bytes a folder's name holds, it stays one line in its own colours.
#include "cli/ProgressLine.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/ProcessEvents.h"

namespace kinshelf::cli {
namespace {

constexpr std::string_view kClear = "\r\x1b[K";

// Draws `status` once on a stream taken for a terminal and returns everything written.
std::string Drawn(const std::string& status) {
  std::ostringstream out;
  std::ostringstream err;
  CommandIo io{out, err, true};
  {
    ProgressLine progress(
        io, [] {}, [&] { return status; });
    platform::ProcessPendingEvents();
  }
  return err.str();
}

TEST(ProgressLineTest, FolderNamesShowControlCharactersVisibly) {
  const std::pair<std::string, std::string> rows[] = {{"Processed 3: /data/a\nb", "Processed 3: /data/a b"},
                                                      {"/data/a\rb", "/data/a b"},
                                                      {"/data/\x1b[31mred", "/data/^[[31mred"},
                                                      {"/data/\a\x7f", "/data/^G^?"}};
  for (const auto& [status, shown] : rows) {
    EXPECT_EQ(Drawn(status), std::string(kClear) + shown + std::string(kClear));
  }
}

}  // namespace
}  // namespace kinshelf::cli
