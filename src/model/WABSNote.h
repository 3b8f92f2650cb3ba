// A note: the text lines that a reader collected for one item. Concrete; readers fill it with AddLine.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kinshelf {

class WABSNote {
 public:
  // Appends the text as a new line; an empty text adds nothing.
  void AddLine(std::string_view text);
  // The first line unchanged, then each further line after `separator` with its surrounding blanks
  // (spaces and control characters) trimmed; empty without lines.
  std::string GetText(std::string_view separator) const;
  // The lines in the order they were added, valid until the next AddLine.
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace kinshelf
