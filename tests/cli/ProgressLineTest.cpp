// The progress line: whatever bytes a folder's name holds, it stays one line in its own colours.
#include "cli/ProgressLine.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/ProcessEvents.h"

namespace kinshelf::cli {
namespace {

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

constexpr const char* kClear = "\r\x1b[K";

struct StatusRow {
  const char* rule;
  std::string status;
  std::string shown;
};

class ProgressLineTest : public testing::TestWithParam<StatusRow> {};

TEST_P(ProgressLineTest, ShowsControlCharactersVisibly) {
  EXPECT_EQ(Drawn(GetParam().status), kClear + GetParam().shown + kClear);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ProgressLineTest,
    testing::Values(StatusRow{"PlainName", "Processed 3: /data/tree", "Processed 3: /data/tree"},
                    StatusRow{"LineBreakIsABlank", "Processed 3: /data/a\nb", "Processed 3: /data/a b"},
                    StatusRow{"CarriageReturnIsABlank", "/data/a\rb", "/data/a b"},
                    StatusRow{"EscapeCannotRecolour", "/data/\x1b[31mred", "/data/^[[31mred"},
                    StatusRow{"BellAndBackspace", "/data/\a\b", "/data/^G^H"},
                    StatusRow{"DeleteCharacter", "/data/\x7f", "/data/^?"}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST(ProgressLineLongTest, ALongNameKeepsItsEndOnOneLine) {
  const std::string folder = "/data/" + std::string(500, 'x') + "\x1b" + "/Åsa";
  const std::string drawn = Drawn("Processed 3: " + folder);
  ASSERT_EQ(drawn.rfind(std::string(kClear) + "…", 0), 0u) << drawn;
  EXPECT_NE(drawn.find("xx^[/Åsa" + std::string(kClear)), std::string::npos) << drawn;
  EXPECT_LT(drawn.size(), 600u);
}

TEST(ProgressLineQuietTest, NothingIsDrawnWhenStandardErrorIsNoTerminal) {
  std::ostringstream out;
  std::ostringstream err;
  CommandIo io{out, err, false};
  int events = 0;
  {
    ProgressLine progress(
        io, [&] { ++events; }, [] { return std::string("/data"); });
    platform::ProcessPendingEvents();
  }
  EXPECT_EQ(events, 1);
  EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace kinshelf::cli
