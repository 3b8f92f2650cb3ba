// The place of a PAF event or ordinance.
#include "paf/WPAFPlace.h"

#include "model/WABSNote.h"
#include "paf/PafRecord.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

std::unique_ptr<WABSNote> WPAFPlace::GetNote() {
  return PafRecord::IsLink(note_) ? collection_.Note(note_) : nullptr;
}

}  // namespace kinshelf
