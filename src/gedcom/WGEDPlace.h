// The place of a GEDCOM event: a PLAC or TEMP line with its SOUR and NOTE sub-lines. Keeps positions
// into the collection's mapped text; free it before the collection.
#pragma once

#include <memory>
#include <string>

#include "gedcom/GedcomLines.h"
#include "model/WABSPlace.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDPlace : public WABSPlace {
 public:
  // The place of the line at `line`; an empty place for nullptr.
  WGEDPlace(const GedcomRecordContext& context, const char* line);

  // The line's value; empty without one.
  std::string GetPlaceText() override;
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  const GedcomRecordContext& context_;
  const char* line_;
  const char* note_ = nullptr;
  gedcom::CitationLines citations_;
};

}  // namespace kinshelf
