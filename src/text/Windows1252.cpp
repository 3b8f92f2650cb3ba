// Windows-1252 text to UTF-8 and back.
#include "text/Windows1252.h"

#include <algorithm>
#include <array>

#include "text/Utf8.h"

namespace kinshelf {
namespace {

// Characters of the bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  AppendWindows1252AsUtf8(out, text);
  return out;
}

void AppendWindows1252AsUtf8(std::string& out, std::string_view text) {
  std::size_t pos = AsciiPrefixLength(text);
  // Most genealogy text is plain ASCII, which is the same in both.
  out.append(text.substr(0, pos));
  if (pos == text.size()) return;
  out.reserve(out.size() + text.size() - pos + text.size() / 4);
  while (pos < text.size()) {
    const auto value = static_cast<unsigned char>(text[pos++]);
    AppendUtf8(out, value < 0xA0 ? kHighControls[value - 0x80] : char32_t{value});
    const std::size_t ascii = AsciiPrefixLength(text.substr(pos));
    out.append(text.substr(pos, ascii));
    pos += ascii;
  }
}

std::string Utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    const char32_t character = length == 0 ? U'?' : Utf8CodePoint(text, pos, length);
    pos += length == 0 ? 1 : length;
    const auto high = std::find(kHighControls.begin(), kHighControls.end(), character);
    if (character < 0x80 || (character >= 0xA0 && character < 0x100)) {
      out += static_cast<char>(character);
    } else if (high != kHighControls.end()) {
      out += static_cast<char>(0x80 + (high - kHighControls.begin()));
    } else {
      out += '?';
    }
  }
  return out;
}

}  // namespace kinshelf
