// Reading UTF-8 byte strings that may hold bytes which are not UTF-8 (Linux file names may).
#pragma once

#include <cstddef>
#include <string_view>

namespace kinshelf {

// The length (1 to 4) of the well-formed UTF-8 sequence starting at `pos`, or 0 when the byte
// there does not start one (overlong forms, surrogates and values above U+10FFFF are not well-formed).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// The code point of a well-formed sequence of that length at `pos`.
char32_t Utf8CodePoint(std::string_view text, std::size_t pos, std::size_t length);

// The number of characters a terminal shows for the text: one per well-formed sequence and one
// per stray byte.
std::size_t DisplayLength(std::string_view text);

}  // namespace kinshelf
