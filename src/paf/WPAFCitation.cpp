// A citation record of a PAF file.
#include "paf/WPAFCitation.h"

#include "model/WABSNote.h"
#include "paf/WPAFCollection.h"
#include "paf/WPAFSource.h"

namespace kinshelf {

std::string WPAFCitation::GetDetailText() {
  return record_.Text(collection_.Fields().citation.detail);
}

std::unique_ptr<WABSNote> WPAFCitation::GetNote() {
  return collection_.Note(record_.Int32(collection_.Fields().citation.note));
}

std::unique_ptr<WABSSource> WPAFCitation::GetSource() {
  return std::make_unique<WPAFSource>(collection_, record_.Int32(collection_.Fields().citation.source));
}

}  // namespace kinshelf
