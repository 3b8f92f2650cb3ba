// A note: the text lines of one item.
#include "model/WABSNote.h"

#include "model/ItemTexts.h"

namespace kinshelf {

void WABSNote::AddLine(std::string_view text) {
  if (!text.empty()) lines_.emplace_back(text);
}

std::string WABSNote::GetText(std::string_view separator) const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i == 0) {
      text = lines_[0];
    } else {
      text += separator;
      text += TrimBlanks(lines_[i]);
    }
  }
  return text;
}

}  // namespace kinshelf
