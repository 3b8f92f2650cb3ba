// A source record of a PAF file, with PAF 4's source extension (its text note). Either record may
// be missing: a source that can't be located reads as empty texts and no links.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/WABSSource.h"
#include "paf/PafRecord.h"

namespace kinshelf {

class WPAFCollection;

class WPAFSource final : public WABSSource {
 public:
  // Source `number` of the collection, which must outlive it.
  WPAFSource(WPAFCollection& collection, std::int32_t number);

  std::int32_t GetRepoIndex() override;
  std::string GetAuthor() override;
  std::string GetTitle() override;
  std::string GetPublication() override;
  std::string GetCallNumber() override;
  // Empty: PAF keeps no abbreviation.
  std::string GetAbbreviation() override;
  // nullptr without a record; an empty note when the source has none.
  std::unique_ptr<WABSNote> GetNote() override;
  // PAF 5: from the record; PAF 4: from the extension; PAF 3: none. nullptr without the record that
  // holds it.
  std::unique_ptr<WABSNote> GetTextNote() override;
  bool HasNote() override;
  bool HasText() override;
  bool HasRepo() override;

 private:
  // The record holding the text note link, and the link's offset in it.
  const PafRecord& TextNoteRecord() const;
  std::size_t TextNoteField() const;

  WPAFCollection& collection_;
  PafRecord record_;
  PafRecord extension_;
};

}  // namespace kinshelf
