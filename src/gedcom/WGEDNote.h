// The notes of a GEDCOM file: note records, and the notes a NOTE or TEXT line gives, as model notes
// (WABSNote) whose lines are in the collection's text encoding.
#pragma once

#include <memory>

#include "model/WABSNote.h"

namespace kinshelf {

class WGEDCollection;

class WGEDNote {
 public:
  // The note record at `record`: the text after NOTE on its line with its CONC and CONT lines (from
  // the next line's value when the record line has none), one line per item. Never nullptr.
  static std::unique_ptr<WABSNote> FromRecord(const WGEDCollection& collection, const char* record);
  // The note of a NOTE or TEXT line: the note record its value points to (nullptr when there is no
  // such record), or an inline note of its value with its continuations and the NOTE lines one level
  // deeper. nullptr for no line.
  static std::unique_ptr<WABSNote> Resolve(WGEDCollection& collection, const char* line);
};

}  // namespace kinshelf
