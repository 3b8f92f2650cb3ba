// Text records found by text links: the text from byte 13, and links that lead nowhere.
#include "paf/PafTextRecords.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kinshelf {
namespace {

// A 400-byte file: "HELLO" at 20 + 13, a 300-byte text without a zero at 40 + 13, and "END" in the
// last three bytes without a zero after it.
std::vector<unsigned char> File() {
  std::vector<unsigned char> file(400, 0);
  const auto put = [&file](std::size_t at, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) file[at + i] = static_cast<unsigned char>(text[i]);
  };
  put(33, "HELLO");
  put(53, std::string(300, 'x'));
  put(397, "END");
  return file;
}

struct LinkRow {
  const char* label;
  std::int32_t link;
  std::optional<std::string> text;
};

void PrintTo(const LinkRow& row, std::ostream* out) {
  *out << row.label;
}

class PafTextRecordsTest : public testing::TestWithParam<LinkRow> {};

TEST_P(PafTextRecordsTest, TextOfLink) {
  const auto file = File();
  const PafTextRecords records(file);
  EXPECT_EQ(records.TextAt(GetParam().link), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, PafTextRecordsTest,
                         testing::Values(LinkRow{"TextFromByte13", 20, "HELLO"},
                                         LinkRow{"AtMost256Bytes", 40, std::string(256, 'x')},
                                         LinkRow{"TextRunsIntoTheEnd", 384, "END"},
                                         LinkRow{"TextStartsAtTheEnd", 387, ""},
                                         LinkRow{"TextStartsPastTheEnd", 388, std::nullopt},
                                         LinkRow{"FarPastTheEnd", 0x7FFFFFFF, std::nullopt},
                                         LinkRow{"ZeroLinksNothing", 0, std::nullopt},
                                         LinkRow{"MinusOneLinksNothing", -1, std::nullopt},
                                         LinkRow{"NegativeLinksNothing", -20, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kinshelf
