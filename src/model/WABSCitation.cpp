// A citation of a source and the one-line text that shows it.
#include "model/WABSCitation.h"

#include "model/ItemTexts.h"
#include "model/WABSNote.h"
#include "model/WABSSource.h"

namespace kinshelf {

WABSCitation::~WABSCitation() = default;

std::string WABSCitation::CitationText() {
  std::string text = GetDetailText();
  // An empty part adds nothing, not even its comma: a citation whose source record is missing or
  // holds no text would end in ", ".
  const auto append = [&text](const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += ", ";
    text += part;
  };
  // A note without lines (PAF gives one where a citation or source has none) adds nothing.
  const auto hasLines = [](const std::unique_ptr<WABSNote>& note) {
    return note != nullptr && !note->Lines().empty();
  };
  if (const std::unique_ptr<WABSNote> note = GetNote(); hasLines(note)) append(NoteTextOf(note.get()));
  if (const std::unique_ptr<WABSSource> source = GetSource()) {
    append(source->GetFullText());
    if (const std::unique_ptr<WABSNote> sourceNote = source->GetNote(); hasLines(sourceNote))
      append(NoteTextOf(sourceNote.get()));
  }
  return text;
}

}  // namespace kinshelf
