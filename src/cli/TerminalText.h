// Text made safe to show on one terminal line, and cut to fit a number of characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kinshelf::cli {

// The text on one line: a line break (CR LF, CR or LF) or a tab becomes a blank, and any other
// control character shows as ^X, as `cat -v` shows it, so that no byte of a file can move the cursor
// or recolour the terminal. Other bytes stay as they are.
std::string TerminalText(std::string_view text);

// For both below: characters count as DisplayLength counts them (a well-formed UTF-8 sequence or
// a stray byte is one), a cut never falls inside a sequence, and `limit` must be at least 1.

// The text when it has at most `limit` characters; otherwise its first limit - 1 and "…".
std::string ShortenedAtEnd(std::string_view text, std::size_t limit);
// The text when it has at most `limit` characters; otherwise "…" and its last limit - 1.
std::string ShortenedAtStart(std::string_view text, std::size_t limit);

}  // namespace kinshelf::cli
