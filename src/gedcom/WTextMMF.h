// Text over a whole file mapped read-only: the next line, the next record and the line-break style.
// Positions are pointers into the mapping; they stay valid for the life of the object. Main thread
// only (the line-break style is cached on first use).
#pragma once

#include <string>

#include "fileaccess/WMMFReadOnly.h"
#include "gedcom/GedcomScan.h"

namespace kinshelf {

class WTextMMF : public WMMFReadOnly {
 public:
  // Maps the file. Throws WMMFError like WMMFReadOnly (an empty file cannot be mapped).
  explicit WTextMMF(const std::string& fileName);

  // The first byte of the text, and one past its last byte.
  const char* TextStart() const { return reinterpret_cast<const char*>(Memory()); }
  const char* TextEnd() const { return reinterpret_cast<const char*>(End()); }
  // True when pos points inside the text.
  bool Contains(const char* pos) const { return pos != nullptr && pos >= TextStart() && pos < TextEnd(); }

  // The line after the one holding pos: past its CR or LF, and with skipBlank past every space,
  // TAB, CR and LF after it. nullptr for pos nullptr or when the text ends at any step.
  const char* NextLine(const char* pos, bool skipBlank = true) const {
    return gedcom::NextLineAt(pos, TextEnd(), skipBlank);
  }
  // The next record start after pos: the first '0' that directly follows a CR or LF at or after
  // pos. An indented level-0 line is not a record start. nullptr at the end of the text.
  const char* NextRecord(const char* pos) const;
  // True when the first line break of the text is an LF; false for CR LF, CR alone or no break.
  bool IsLFText() const;

 private:
  mutable bool styleKnown_ = false;
  mutable bool lfStyle_ = false;
};

}  // namespace kinshelf
