// Reading UTF-8 byte strings that may hold bytes which are not UTF-8, and writing code points.
#include "text/Utf8.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kinshelf {

namespace {

// The first `size` (below eight) bytes at `bytes` in a word, lowest byte first and zeros above them,
// read as two overlapping words or three single bytes: a copy of a length only known as the program
// runs would be a call.
std::uint64_t ShortWord(const char* bytes, std::size_t size) {
  if (size >= 4) {
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
    std::memcpy(&head, bytes, sizeof head);
    std::memcpy(&tail, bytes + size - 4, sizeof tail);
    // Where the two overlap they hold the same bytes.
    return head | std::uint64_t{tail} << (8 * (size - 4));
  }
  if (size == 0) return 0;
  const auto byte = [bytes](std::size_t at) {
    return std::uint64_t{static_cast<unsigned char>(bytes[at])} << (8 * at);
  };
  return byte(0) | byte(size / 2) | byte(size - 1);
}

}  // namespace

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

std::size_t TwoByteUtf8Prefix(std::string_view text) {
  std::size_t pos = 0;
  // 1 when the block before ends with a lead, whose continuation opens this one.
  std::uint32_t pending = 0;
#if defined(__SSE2__)
  for (; pos + 16 <= text.size(); pos += 16) {
    const Utf8Marks marks = Utf8MarksOf(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + pos)));
    if (!PairedTwoByteSequences(marks, pending)) break;
    pending = marks.leads >> 15;
  }
#endif
  return pos - pending;
}

// A continuation byte is 10xxxxxx: its high bit set and the next one clear. Shifted left by one, each
// byte's second bit lies under its high bit (what comes over from the byte below lands in a bit not
// looked at); the marks are then summed by a multiplication, as a count of set bits may not be an
// instruction of the machine the program was built for.
std::size_t WellFormedDisplayLength(std::string_view text) {
  constexpr std::uint64_t kHighs = 0x8080808080808080u;
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  const auto continuations = [](std::uint64_t word) {
    return static_cast<std::size_t>((((word & ~(word << 1) & kHighs) >> 7) * kOnes) >> 56);
  };
  std::size_t count = text.size();
  std::size_t pos = 0;
#if defined(__SSE2__)
  // As signed bytes, continuation bytes are those below 0xC0's -64; each gives a one, and the ones
  // are summed in each half.
  const __m128i lowest = _mm_set1_epi8(-64);
  const __m128i one = _mm_set1_epi8(1);
  for (; pos + 16 <= text.size(); pos += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + pos));
    const __m128i sums = _mm_sad_epu8(_mm_and_si128(_mm_cmplt_epi8(bytes, lowest), one), _mm_setzero_si128());
    count -= static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
  }
#endif
  std::uint64_t word = 0;
  for (; pos + 8 <= text.size(); pos += 8) {
    std::memcpy(&word, text.data() + pos, sizeof word);
    count -= continuations(word);
  }
  return count - continuations(ShortWord(text.data() + pos, text.size() - pos));
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
  word = ShortWord(text.data() + pos, text.size() - pos);
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
