// Upper-casing and display conversion of a collection's texts by their encoding.
#include "model/TextEncoding.h"

#include <cstring>
#include <utility>

#include "text/CaseFold.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace kinshelf {

namespace {

// The upper-case form of a Windows-1252 byte: ASCII letters, the Latin-1 letters à to þ (not ÷),
// and š, œ, ž, ÿ, whose capitals sit in 0x80-0x9F.
unsigned char UpperWindows1252(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
    return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:
      return 0x8A;
    case 0x9C:
      return 0x8C;
    case 0x9E:
      return 0x8E;
    case 0xFF:
      return 0x9F;
    default:
      return c;
  }
}

std::string UpperWindows1252Text(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(UpperWindows1252(static_cast<unsigned char>(c)));
  return upper;
}

// Every letter Unicode gives a capital, not only those of Windows-1252: ANSEL and UTF-8 files name
// people in every script.
std::string UpperUtf8Text(std::string_view text) {
  std::string upper;
  upper.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 0) {
      upper += text[pos++];
      continue;
    }
    AppendUtf8(upper, UpperCaseOf(Utf8CodePoint(text, pos, length)));
    pos += length;
  }
  return upper;
}

bool ReadAsUtf8(std::string_view text, TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ||
         (encoding == TextEncoding::kUtf8OrWindows1252 && IsValidUtf8(text));
}

// ReadAsUtf8, settled first without a look at a UTF-8 file's bytes, then by the quick ASCII test.
bool ShownAsItIs(std::string_view text, TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 || AsciiPrefixLength(text) == text.size() ||
         ReadAsUtf8(text, encoding);
}

}  // namespace

// Latin text is looked at sixteen bytes at a time while it holds ASCII and two-byte sequences; the
// rest as runs of ASCII between sequences.
bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = TwoByteUtf8Prefix(text);;) {
    pos += AsciiPrefixLength(text.substr(pos));
    if (pos == text.size()) return true;
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 0) return false;
    pos += length;
  }
}

std::string UpperCaseText(std::string_view text, TextEncoding encoding) {
  return ReadAsUtf8(text, encoding) ? UpperUtf8Text(text) : UpperWindows1252Text(text);
}

std::string ToDisplayUtf8(std::string_view text, TextEncoding encoding) {
  return ReadAsUtf8(text, encoding) ? std::string(text) : Windows1252ToUtf8(text);
}

std::string ToDisplayUtf8(std::string&& text, TextEncoding encoding) {
  if (ShownAsItIs(text, encoding)) return std::move(text);
  return Windows1252ToUtf8(text);
}

std::size_t DisplayUtf8Room(std::size_t bytes, TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? bytes : kMostUtf8PerWindows1252Byte * bytes;
}

char* PutDisplayUtf8AsNeeded(char* out, std::string_view text, TextEncoding encoding) {
  if (!ShownAsItIs(text, encoding)) return PutWindows1252AsUtf8(out, text);
  // An empty view may have no bytes at all to copy from.
  if (!text.empty()) std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

}  // namespace kinshelf
