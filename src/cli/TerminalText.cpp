// Text made safe to show on a terminal line.
#include "cli/TerminalText.h"

namespace kinshelf::cli {

std::string TerminalText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n' && i > 0 && text[i - 1] == '\r') continue;
    if (c == '\r' || c == '\n' || c == '\t') {
      shown += ' ';
    } else if (c < 0x20 || c == 0x7F) {
      shown += '^';
      shown += static_cast<char>(c ^ 0x40);
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

}  // namespace kinshelf::cli
