// Windows-1252 text to UTF-8 and back.
#include "text/Windows1252.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/Utf8.h"

namespace kinshelf {
namespace {

// Characters of the bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The UTF-8 bytes of each byte from 0x80 on, padded to three, and how many of them count.
struct HighByteUtf8 {
  std::array<char, kMostUtf8PerWindows1252Byte> bytes;
  std::size_t length;
};

constexpr std::array<HighByteUtf8, 128> kHighBytesUtf8 = [] {
  std::array<HighByteUtf8, 128> table{};
  for (std::size_t byte = 0x80; byte <= 0xFF; ++byte) {
    const char32_t c = byte < 0xA0 ? kHighControls[byte - 0x80] : static_cast<char32_t>(byte);
    HighByteUtf8& utf8 = table[byte - 0x80];
    if (c < 0x800) {
      utf8 = {{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0}, 2};
    } else {
      utf8 = {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
               static_cast<char>(0x80 | (c & 0x3F))},
              3};
    }
  }
  return table;
}();

// Copies the leading ASCII bytes of the `size` bytes at `in` to `out`, which has room for at least
// `size` bytes, and gives their count. Whole words are copied and then looked at: bytes copied past
// the run are written over by what follows it, and no byte outside the text is read.
std::size_t CopyAsciiRun(char* out, const char* in, std::size_t size) {
  std::size_t pos = 0;
#if defined(__SSE2__)
  for (; pos + 16 <= size; pos += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + pos));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + pos), v);
    const auto highs = static_cast<unsigned>(_mm_movemask_epi8(v));
    if (highs != 0) return pos + static_cast<std::size_t>(std::countr_zero(highs));
  }
#endif
  constexpr std::uint64_t kHighs = 0x8080808080808080u;
  std::uint64_t word = 0;
  for (; pos + 8 <= size; pos += 8) {
    std::memcpy(&word, in + pos, sizeof word);
    std::memcpy(out + pos, &word, sizeof word);
    if ((word & kHighs) != 0) return pos + static_cast<std::size_t>(std::countr_zero(word & kHighs)) / 8;
  }
  if (pos == size) return size;
  if (size < 4) {
    for (; pos < size && static_cast<unsigned char>(in[pos]) < 0x80; ++pos) out[pos] = in[pos];
    return pos;
  }
  if (size < 8) {
    // Nothing was looked at yet: the first four bytes and the last four cover the text.
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
    std::memcpy(&head, in, sizeof head);
    std::memcpy(&tail, in + size - 4, sizeof tail);
    std::memcpy(out, &head, sizeof head);
    std::memcpy(out + size - 4, &tail, sizeof tail);
    constexpr std::uint32_t kHighBits = 0x80808080u;
    if ((head & kHighBits) != 0) return static_cast<std::size_t>(std::countr_zero(head & kHighBits)) / 8;
    if ((tail & kHighBits) != 0) return size - 4 + static_cast<std::size_t>(std::countr_zero(tail & kHighBits)) / 8;
    return size;
  }
  // The last eight bytes, of which those before `pos` were copied and looked at already.
  const std::size_t last = size - 8;
  std::memcpy(&word, in + last, sizeof word);
  std::memcpy(out + last, &word, sizeof word);
  const std::uint64_t highs = word & kHighs & (~std::uint64_t{0} << (8 * (pos - last)));
  return highs != 0 ? last + static_cast<std::size_t>(std::countr_zero(highs)) / 8 : size;
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out(kMostUtf8PerWindows1252Byte * text.size(), '\0');
  out.resize(static_cast<std::size_t>(PutWindows1252AsUtf8(out.data(), text) - out.data()));
  return out;
}

// Most genealogy text is plain ASCII, which is the same in both: runs of it are copied as they are.
char* PutWindows1252AsUtf8(char* out, std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t ascii = CopyAsciiRun(out, text.data() + pos, text.size() - pos);
    out += ascii;
    pos += ascii;
    for (; pos < text.size() && static_cast<unsigned char>(text[pos]) >= 0x80; ++pos) {
      // All three bytes are written, as the room allows: a copy of known size is a single move.
      const HighByteUtf8& utf8 = kHighBytesUtf8[static_cast<unsigned char>(text[pos]) - 0x80];
      std::memcpy(out, utf8.bytes.data(), kMostUtf8PerWindows1252Byte);
      out += utf8.length;
    }
  }
  return out;
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
