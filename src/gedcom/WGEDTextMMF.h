// GEDCOM text over a mapped file: cross-reference identifiers, record kinds, raw record texts, dates
// and values with their continuation lines. Positions are pointers into the mapping (see WTextMMF);
// views returned here point into it too and stay valid while the object lives. Main thread only.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/WTextMMF.h"
#include "model/dates/WDate.h"

namespace kinshelf {

class WGEDTextMMF : public WTextMMF {
 public:
  // Maps the file. Throws WMMFError like WMMFReadOnly.
  explicit WGEDTextMMF(const std::string& fileName);

  // The header: the first '0' anywhere in the text, or nullptr.
  const char* FindHeader() const;
  // The cross-reference identifier of the line holding pos, as written: the text between its first
  // two '@', up to a NUL. Empty (none) when the line has fewer than two '@' or nothing comes
  // between them.
  std::string_view GetXRef(const char* pos) const;
  // The start of the next token: past the bytes at pos that are not space, CR or LF, then, unless
  // a line break was reached, past the spaces after them. nullptr for nullptr.
  const char* SkipToken(const char* pos) const;
  // The record type code (gedcom::RecordType) of the record line at `line`, from the tag behind its
  // identifier: 8 without an identifier or for nullptr.
  int GetRecordType(const char* line) const;
  // The raw text from pos up to the '0' of the next record (to the end of the text for the last
  // record), line breaks included; empty for nullptr.
  std::string GetRecordText(const char* pos) const;
  // With `date` still empty: a new date from the DATE line at `line`; nothing when that line's tag
  // is not DATE. A set date is left alone. With `ansel` the date's text is converted from ANSEL;
  // otherwise it is taken in the file's own encoding.
  void ReadDate(std::unique_ptr<WDate>& date, const char* line, bool ansel) const;
  // The date of the DATE line at `line` as ReadDate reads it; nothing for another line or nullptr.
  std::optional<WDate> DateAt(const char* line, bool ansel) const;
  // The display text of that date; empty without one.
  std::string DateTextAt(const char* line, bool ansel) const;
  // A value with its continuation lines: item 0 is the value after the token at pos (a line's tag)
  // and the one space or TAB after it; each following CONC line appends its value to the last item,
  // each CONT line adds an item (CR LF when its value is empty); any other line ends the list. Each
  // value is taken as written up to its line break, spaces included, so that words split over CONC
  // lines stay apart whichever side of the split the writer put the blank. Empty for nullptr.
  std::vector<std::string> GetMultiLineValue(const char* pos) const;
};

}  // namespace kinshelf
