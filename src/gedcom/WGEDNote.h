// The notes of a GEDCOM file: note records, and the notes a NOTE or TEXT line gives, as model notes
// (WABSNote) whose lines are in the collection's text encoding.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "model/WABSNote.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDNote {
 public:
  // Receives the note of lines[i] (nullptr when it points to no record), in the order of the lines.
  using NoteVisit = std::function<void(std::size_t i, std::unique_ptr<WABSNote> note)>;

  // The note record at `record`: the text after NOTE on its line with its CONC and CONT lines (from
  // the next line's value when the record line has none), one line per item. Never nullptr.
  static std::unique_ptr<WABSNote> FromRecord(const GedcomRecordContext& context, const char* record);
  // The note of a NOTE or TEXT line: the note record its value points to (nullptr when there is no
  // such record), or an inline note of its value with its continuations and the NOTE lines one level
  // deeper. An inline note's walk ends at a line above its level or at a line of its level other
  // than NOTE, so it goes on past further NOTE lines of its own level. nullptr for no line.
  static std::unique_ptr<WABSNote> Resolve(const GedcomRecordContext& context, const char* line);
  // The notes of several NOTE or TEXT lines, each exactly as Resolve gives it. The text is read once,
  // however many lines there are and however far their walks overlap, so the time is that of that
  // pass and of making the notes. `lines` are line starts in file order, each reached from the one
  // before by NextLine; none is nullptr.
  static void ResolveEach(const GedcomRecordContext& context, const std::vector<const char*>& lines,
                          const NoteVisit& visit);
};

}  // namespace kinshelf
