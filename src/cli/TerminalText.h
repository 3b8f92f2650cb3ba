// Text made safe to show on one terminal line.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf::cli {

// The text on one line: a line break (CR LF, CR or LF) or a tab becomes a blank, and any other
// control character shows as ^X, as `cat -v` shows it, so that no byte of a file can move the cursor
// or recolour the terminal. Other bytes stay as they are.
std::string TerminalText(std::string_view text);

}  // namespace kinshelf::cli
