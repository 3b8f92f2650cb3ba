// Walks over the lines that belong to a line: the lines of a record, and the sub-lines of a line.
// The visitor gets each line position (never nullptr, always inside the text) and returns false to
// stop the walk.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"
#include "gedcom/LineStarts.h"
#include "gedcom/WGEDTextMMF.h"
#include "gedcom/WTextMMF.h"

namespace kinshelf::gedcom {

// Every line after `line` up to the next line whose level character is '0'.
template <typename Visit>
void ForEachRecordLine(const WTextMMF& text, const char* line, Visit&& visit) {
  if (!LineStarts::Walkable(line, text.TextEnd())) return;
  LineStarts starts(line, text.TextEnd());
  for (const char* p = starts.Next(); p != nullptr && *p != '0'; p = starts.Next()) {
    if (!visit(p)) return;
  }
}

// The lines ForEachRecordLine visits whose level character is '1'.
template <typename Visit>
void ForEachLevelOneLine(const WTextMMF& text, const char* line, Visit&& visit) {
  if (!LineStarts::Walkable(line, text.TextEnd())) return;
  LineStarts starts(line, text.TextEnd());
  for (const char* p = starts.NextLevelOne(); p != nullptr; p = starts.NextLevelOne()) {
    if (!visit(p)) return;
  }
}

// Every line after `line` up to the first whose level number is not above the level of `line`.
// With `childrenOnly`, only those exactly one level deeper are visited.
template <typename Visit>
void ForEachSubLine(const WTextMMF& text, const char* line, bool childrenOnly, Visit&& visit) {
  if (!LineStarts::Walkable(line, text.TextEnd())) return;
  const int level = GetLevel(text, line);
  LineStarts starts(line, text.TextEnd());
  for (const char* p = starts.Next(); p != nullptr; p = starts.Next()) {
    const int subLevel = GetLevel(text, p);
    if (subLevel <= level) return;
    if (childrenOnly && subLevel != level + 1) continue;
    if (!visit(p)) return;
  }
}

// The first line one level below `line` whose tag is `tag`, wherever it stands among its siblings;
// nullptr without one.
inline const char* FindChildLine(const WTextMMF& text, const char* line, std::uint32_t tag) {
  const char* found = nullptr;
  ForEachSubLine(text, line, true, [&](const char* sub) {
    if (LineTag(sub, text.TextEnd()) == tag) found = sub;
    return found == nullptr;
  });
  return found;
}

// The SOUR lines an item cites, at most kMaxCitations of them.
class CitationLines {
 public:
  void Add(const char* line) {
    if (lines_.size() < kMaxCitations) lines_.push_back(line);
  }
  std::int32_t Count() const { return static_cast<std::int32_t>(lines_.size()); }
  // Line n (1-based), or nullptr.
  const char* At(std::int32_t n) const {
    return n >= 1 && n <= Count() ? lines_[static_cast<std::size_t>(n - 1)] : nullptr;
  }

 private:
  std::vector<const char*> lines_;
};

// The multi-line value read from the tag of the line at `line`, its items joined by `separator`.
inline std::string JoinedValue(const WGEDTextMMF& text, const char* line, std::string_view separator) {
  std::string joined;
  if (line == nullptr) return joined;
  const std::vector<std::string> items = text.GetMultiLineValue(TagStart(line, text.TextEnd()));
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) joined += separator;
    joined += items[i];
  }
  return joined;
}

}  // namespace kinshelf::gedcom
