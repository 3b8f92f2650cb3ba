// A citation of a GEDCOM source: a SOUR line, its PAGE and its NOTE. Keeps positions into the
// collection's mapped text; free it before the collection.
#pragma once

#include <memory>
#include <string>

#include "gedcom/GedcomLines.h"
#include "model/WABSCitation.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDCitation : public WABSCitation {
 public:
  // The citation of the SOUR line at `line`; reads its PAGE and NOTE sub-lines.
  WGEDCitation(const GedcomRecordContext& context, const char* line);

  // The PAGE value; empty without one.
  std::string GetDetailText() override;
  std::unique_ptr<WABSNote> GetNote() override;
  // The source record the SOUR value points to (nullptr when it is not found), or, without a
  // pointer, an inline source made of the SOUR line itself.
  std::unique_ptr<WABSSource> GetSource() override;

  // The citation of line n (1-based) of an item's SOUR lines, or nullptr.
  static std::unique_ptr<WABSCitation> At(const GedcomRecordContext& context,
                                          const gedcom::CitationLines& lines, std::int32_t n);

 private:
  const GedcomRecordContext& context_;
  const char* line_;
  const char* page_ = nullptr;
  const char* note_ = nullptr;
};

}  // namespace kinshelf
