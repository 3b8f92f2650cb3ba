// Byte-wise comparison and flattening of 8-bit strings, whatever their encoding.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf {

// -1, 0 or 1 as a is before, equal to or after b, comparing bytes as unsigned values over the common
// length; on a tie the shorter string is the smaller. Independent of the locale, so orders stay stable.
int CompareBytes(std::string_view a, std::string_view b);

// The text on one line: every LF is removed, then every CR becomes one space, so that a CR LF pair
// becomes a single space.
std::string FlattenLineBreaks(std::string_view text);

}  // namespace kinshelf
