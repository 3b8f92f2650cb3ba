// An LDS ordinance of a PAF file: an individual's baptism or endowment, a child's sealing to parents
// or a couple's sealing to spouse. Reads an LDS structure: date (in PAF 3 and 4 possibly a text
// record holding the date), temple, citation chain and, in PAF 3 and 4, a note.
#pragma once

#include <cstdint>
#include <memory>

#include "model/WABSCitation.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSNote.h"
#include "paf/PafCitationList.h"
#include "paf/PafRecord.h"

namespace kinshelf {

class WPAFCollection;

class WPAFLDSEvent final : public WABSLDSEvent {
 public:
  // Over an LDS structure of the collection, which must outlive the ordinance. `extension` is a PAF 4
  // individual extension whose place parts stand in for a missing temple (individual ordinances
  // only); a record that doesn't exist otherwise.
  WPAFLDSEvent(WPAFCollection& collection, EventKind kind, PafRecord structure, PafRecord extension);

  // True when the structure's first four bytes are not all zero.
  static bool IsUsed(const PafRecord& structure) { return structure.AnyNonZero(0, 4); }

  // The temple; for a PAF 4 individual's ordinance without one, the extension's place parts.
  std::unique_ptr<WABSPlace> GetPlace() override;
  std::int32_t CitationCount() override { return citations_.Count(); }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override { return citations_.Get(n); }
  // PAF 3 and 4 only: the note link is set.
  bool HasNote() override;
  // PAF 3 and 4: the note, empty when there is none; PAF 5: nullptr.
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  void LoadDate() override;

 private:
  std::int32_t NoteLink() const;

  WPAFCollection& collection_;
  PafRecord structure_;
  PafRecord extension_;
  PafCitationList citations_;
};

}  // namespace kinshelf
