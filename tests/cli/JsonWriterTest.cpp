// JSON string literals written whole and in pieces.
#include "cli/JsonWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace kinshelf::cli {
namespace {

// A value written in pieces, as listings write "date, place", reads as the value written whole.
TEST(JsonWriterTest, PiecesEscapeAsTheirConcatenation) {
  const struct {
    std::string_view first;
    std::string_view second;
    const char* literal;
  } cases[] = {
      {"6 Oct 1592", "Québec", R"("6 Oct 1592, Québec")"},
      {"say \"1700\"", "C:\\Town", R"("say \"1700\", C:\\Town")"},
      {"line\nbreak\t", "\x01", R"("line\nbreak\t, \u0001")"},
      {"bad \xff", "\xc3", R"("bad \udcff, \udcc3")"},
      {"", "Köln", R"("Köln")"},
  };
  for (const auto& c : cases) {
    std::string whole(c.first);
    if (!c.first.empty() && !c.second.empty()) whole += ", ";
    whole += c.second;
    std::string pieces = "\"";
    JsonWriter::AppendEscaped(pieces, c.first);
    if (!c.first.empty() && !c.second.empty()) pieces += ", ";
    JsonWriter::AppendEscaped(pieces, c.second);
    pieces += '"';
    EXPECT_EQ(JsonWriter::Quote(whole), c.literal);
    EXPECT_EQ(pieces, c.literal);
  }
}

}  // namespace
}  // namespace kinshelf::cli
