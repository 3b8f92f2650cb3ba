// Reading UTF-8 byte strings that may hold bytes which are not UTF-8 (Linux file names may), and
// writing code points as UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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
