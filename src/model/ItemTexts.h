// Texts that several model classes build alike: numbered citation lists, note texts, date texts
// and trimming.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/WABSCitation.h"

namespace kinshelf {

class WABSNote;
class WDate;

// The text without the spaces and control characters at both ends, as a view into it and as a copy.
std::string_view TrimmedBlanks(std::string_view text);
std::string TrimBlanks(std::string_view text);
// The note's lines joined with "\r\n"; empty for nullptr.
std::string NoteTextOf(const WABSNote* note);
// The date's display text; empty for nullptr.
std::string DateTextOf(const WDate* date);
// "first, second" when both are there, else the one that is: a date or a place alone shows without
// a comma dangling before or after it.
std::string JoinedPieces(std::string_view first, std::string_view second);

// Citations 1 to `count` from citationAt(n): the first that exists as "1) " and its text, every
// later one as "\r\n\r\n", its position n, ") " and its text. Missing citations are skipped and
// their positions not reused.
template <typename CitationAt>
std::string CitationListText(std::int32_t count, CitationAt citationAt) {
  std::string text;
  bool first = true;
  for (std::int32_t n = 1; n <= count; ++n) {
    const std::unique_ptr<WABSCitation> citation = citationAt(n);
    if (citation == nullptr) continue;
    text += first ? std::string("1) ") : "\r\n\r\n" + std::to_string(n) + ") ";
    text += citation->CitationText();
    first = false;
  }
  return text;
}

}  // namespace kinshelf
