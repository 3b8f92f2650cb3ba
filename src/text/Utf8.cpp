// Reading UTF-8 byte strings that may hold bytes which are not UTF-8, and writing code points.
#include "text/Utf8.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kinshelf {

std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;  // the range the second byte must lie in
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  const auto second = static_cast<unsigned char>(text[pos + 1]);
  if (second < low || second > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsUtf8Continuation(text[pos + i])) return 0;
  }
  return length;
}

char32_t Utf8CodePoint(std::string_view text, std::size_t pos, std::size_t length) {
  static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t value = static_cast<unsigned char>(text[pos]) & kLeadMask[length];
  for (std::size_t i = 1; i < length; ++i)
    value = (value << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
  return value;
}

// Runs of ASCII are counted as they are found; each sequence after one counts once.
std::size_t DisplayLength(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) {
    const std::size_t ascii = AsciiPrefixLength(text.substr(pos));
    count += ascii;
    pos += ascii;
    if (pos == text.size()) break;
    const std::size_t length = Utf8SequenceLength(text, pos);
    pos += length == 0 ? 1 : length;
  }
  return count;
}

// Sixteen bytes at a time where SSE2 is there, then eight, then the last few in a zeroed word; the
// first high bit found is the first byte that isn't ASCII (the words are read lowest byte first).
std::size_t AsciiPrefixLength(std::string_view text) {
  static_assert(std::endian::native == std::endian::little);
  constexpr std::uint64_t kHighs = 0x8080808080808080u;
  std::size_t pos = 0;
#if defined(__SSE2__)
  for (; pos + 16 <= text.size(); pos += 16) {
    const auto mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + pos))));
    if (mask != 0) return pos + static_cast<std::size_t>(std::countr_zero(mask));
  }
#endif
  std::uint64_t word = 0;
  for (; pos + 8 <= text.size(); pos += 8) {
    std::memcpy(&word, text.data() + pos, sizeof word);
    if ((word & kHighs) != 0) return pos + static_cast<std::size_t>(std::countr_zero(word & kHighs)) / 8;
  }
  if (pos == text.size()) return pos;
  word = 0;
  std::memcpy(&word, text.data() + pos, text.size() - pos);
  return (word & kHighs) != 0 ? pos + static_cast<std::size_t>(std::countr_zero(word & kHighs)) / 8
                              : text.size();
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) codePoint = 0xFFFD;
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace kinshelf
