// An event of a GEDCOM individual (birth, death, christening, burial or any other event line) with
// its TYPE, CAUS, DATE, PLAC, NOTE and SOUR sub-lines. Keeps positions into the collection's mapped
// text; free it before the collection.
#pragma once

#include <memory>
#include <string>

#include "gedcom/GedcomLines.h"
#include "model/WABSVitEvent.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDVitEvent : public WABSVitEvent {
 public:
  // The event of the line at `line`; kind and type name come from the event table by its tag, and
  // a TYPE sub-line replaces the type name.
  WGEDVitEvent(const GedcomRecordContext& context, const char* line);

  // The event line's value (for an associate, the associate's name and identifier), then ", " (when
  // both are there) and the CAUS value (for an associate, the RELA value).
  std::string GetDescription() override;
  // The PLAC sub-line's place, or nullptr without one.
  std::unique_ptr<WABSPlace> GetPlace() override;
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override;
  bool HasNote() override;
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  void LoadDate() override;

 private:
  std::string ValueText() const;

  const GedcomRecordContext& context_;
  const char* line_;
  const char* cause_ = nullptr;
  const char* date_ = nullptr;
  const char* place_ = nullptr;
  const char* note_ = nullptr;
  gedcom::CitationLines citations_;
};

}  // namespace kinshelf
