// JSON string literals written whole and in pieces.
#include "cli/JsonWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "model/TextEncoding.h"
#include "support/LatinTexts.h"
#include "text/Utf8.h"

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

// The literal read byte by byte: a well-formed UTF-8 sequence as it is, an ASCII byte escaped where
// JSON needs it, any other byte as the lone surrogate U+DC00 + byte.
std::string ReferenceLiteral(std::string_view bytes) {
  std::string literal = "\"";
  char hex[8];
  for (std::size_t pos = 0; pos < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[pos]);
    const std::size_t length = Utf8SequenceLength(bytes, pos);
    if (length > 1) {
      literal.append(bytes.substr(pos, length));
    } else if (byte == '"' || byte == '\\') {
      literal += {'\\', static_cast<char>(byte)};
    } else if (byte == '\n' || byte == '\r' || byte == '\t' || byte == '\b' || byte == '\f') {
      literal += {'\\', "nrtbf"[std::string_view("\n\r\t\b\f").find(static_cast<char>(byte))]};
    } else if (byte >= 0x20 && byte < 0x80) {
      literal += static_cast<char>(byte);
    } else {
      std::snprintf(hex, sizeof hex, "\\u%04x", byte < 0x80 ? byte : 0xDC00u | byte);
      literal += hex;
    }
    pos += length > 1 ? length : 1;
  }
  return literal + '"';
}

TEST(JsonWriterTest, RandomBytesEscapeAsReadOneByOne) {
  std::mt19937 random(1210);
  const std::string_view pieces[] = {"a",
                                     "Z",
                                     " ",
                                     "\"",
                                     "\\",
                                     "\n",
                                     "\t",
                                     "\x01",
                                     "\x7f",
                                     "é",
                                     "€",
                                     "𝄞",
                                     "\xc3",
                                     "\xe2\x82",
                                     "\xff",
                                     "\xed\xa0\x80",
                                     "\xf4\x90\x80\x80",
                                     "abcdefgh",
                                     "A run of plain bytes past sixteen"};
  for (int round = 0; round < 5000; ++round) {
    std::string bytes;
    const std::size_t count = std::uniform_int_distribution<std::size_t>(0, 12)(random);
    for (std::size_t i = 0; i < count; ++i)
      bytes += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random)];
    ASSERT_EQ(JsonWriter::Quote(bytes), ReferenceLiteral(bytes)) << bytes;
    ASSERT_EQ(JsonWriter::IsPlain(bytes), ReferenceLiteral(bytes) == '"' + bytes + '"') << bytes;
    if (IsValidUtf8(bytes)) {
      ASSERT_EQ(JsonWriter::IsPlainWellFormed(bytes), JsonWriter::IsPlain(bytes)) << bytes;
    }
  }
}

// The quick look at well-formed text finds one byte to escape wherever it stands, in the sixteen-byte
// steps, in the last sixteen read again, and in texts too short for either.
TEST(JsonWriterTest, WellFormedTextIsPlainUnlessOneByteNeedsAnEscape) {
  const std::string_view odd[] = {"\"", "\\", "\x1f", std::string_view("\0", 1), "\n", "\x7f", "é", "€"};
  for (std::size_t size = 1; size <= 40; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      for (const std::string_view byte : odd) {
        const std::string text = std::string(at, 'a') + std::string(byte) + std::string(size - at - 1, 'b');
        ASSERT_EQ(JsonWriter::IsPlainWellFormed(text), JsonWriter::IsPlain(text)) << size << " " << at;
      }
    }
  }
}

// Latin text is looked at sixteen bytes at a time: a byte to escape or a piece that is no two-byte
// sequence, anywhere in it, is judged as escaping it judges it.
TEST(JsonWriterTest, LatinTextIsPlainAsItsLiteralSays) {
  const std::string_view odd[] = {"\"", "\x1f", "\xC3", "\xA9", "\xC0\x80", "€", "\xED\xA0\x80", "\xFF", "é"};
  for (const std::string& text : test::LatinTextsWithOnePiece(odd))
    ASSERT_EQ(JsonWriter::IsPlain(text), ReferenceLiteral(text) == '"' + text + '"') << text;
}

}  // namespace
}  // namespace kinshelf::cli
