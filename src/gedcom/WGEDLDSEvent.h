// An LDS ordinance in a GEDCOM record (BAPL or CONS, ENDL, SLGC, or a family's SLGS) with its TYPE,
// STAT, DATE, QUAL, PLAC or TEMP, NOTE and SOUR sub-lines. Keeps positions into the collection's
// mapped text; free it before the collection.
#pragma once

#include <memory>
#include <string>

#include "gedcom/GedcomLines.h"
#include "model/WABSLDSEvent.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDLDSEvent : public WABSLDSEvent {
 public:
  // The ordinance of the line at `line`: kind 7 for BAPL or CONS, 8 ENDL, 9 SLGC, none otherwise.
  WGEDLDSEvent(const GedcomRecordContext& context, const char* line);

  // The place of the PLAC or TEMP sub-line, an empty place without one.
  std::unique_ptr<WABSPlace> GetPlace() override;
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override;
  bool HasNote() override;
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  // The DATE sub-line's date; without one, a date made of the STAT text, else of the QUAL text.
  void LoadDate() override;

 private:
  const GedcomRecordContext& context_;
  const char* status_ = nullptr;
  const char* qualifier_ = nullptr;
  const char* date_ = nullptr;
  const char* place_ = nullptr;
  const char* note_ = nullptr;
  gedcom::CitationLines citations_;
};

}  // namespace kinshelf
