// Reading UTF-8 byte strings that may hold bytes which are not UTF-8 (Linux file names may), and
// writing code points as UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kinshelf {

// The length (1 to 4) of the well-formed UTF-8 sequence starting at `pos`, or 0 when the byte
// there does not start one (overlong forms, surrogates and values above U+10FFFF are not well-formed).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// True for a byte that continues a UTF-8 sequence (10xxxxxx) and can start none.
inline bool IsUtf8Continuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The code point of a well-formed sequence of that length at `pos`.
char32_t Utf8CodePoint(std::string_view text, std::size_t pos, std::size_t length);

// The length of the text's leading run of ASCII bytes (below 0x80), read eight bytes at a time:
// most genealogy text is plain ASCII, which every supported encoding keeps as it is.
std::size_t AsciiPrefixLength(std::string_view text);

// Sixteen bytes, a bit per byte: those from 0x80 on, and the continuation bytes and two-byte leads
// among them.
struct Utf8Marks {
  std::uint32_t high = 0;
  std::uint32_t continuations = 0;
  std::uint32_t leads = 0;
};

#if defined(__SSE2__)
// As signed bytes, continuation bytes (0x80 to 0xBF) are those below -64, and two-byte leads (0xC2 to
// 0xDF) those between -63 and -32, both left out.
inline Utf8Marks Utf8MarksOf(__m128i bytes) {
  const auto mask = [](__m128i marked) { return static_cast<std::uint32_t>(_mm_movemask_epi8(marked)); };
  return {mask(bytes), mask(_mm_cmplt_epi8(bytes, _mm_set1_epi8(-64))),
          mask(_mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(-63)),
                             _mm_cmplt_epi8(bytes, _mm_set1_epi8(-32))))};
}
#endif

// True when the bytes from 0x80 on of sixteen so marked are all two-byte sequences, each continuation
// byte following a lead; `opened` is 1 when the first byte continues a lead before them. A lead may
// close them.
inline bool PairedTwoByteSequences(const Utf8Marks& marks, std::uint32_t opened) {
  return (marks.high & ~(marks.continuations | marks.leads)) == 0 &&
         marks.continuations == ((marks.leads << 1 | opened) & 0xFFFFu);
}

// How many bytes at the start are ASCII and whole two-byte sequences, as most Latin text is, looked
// at sixteen at a time: the blocks of sixteen before the first that holds another byte or breaks a
// sequence, or has fewer than sixteen bytes to look at, less the last one's closing lead. 0 without
// SSE2.
std::size_t TwoByteUtf8Prefix(std::string_view text);

// The number of characters a terminal shows for the text: one per well-formed sequence and one
// per stray byte.
std::size_t DisplayLength(std::string_view text);
// DisplayLength of text known to be well-formed UTF-8: its bytes but for the continuation bytes,
// counted sixteen at a time.
std::size_t WellFormedDisplayLength(std::string_view text);

// Appends the UTF-8 form of a code point; a surrogate or a value above U+10FFFF, which UTF-8 cannot
// carry, appends U+FFFD instead.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace kinshelf
