// A GEDCOM family record as a marriage: the couple and children from the family links, the first
// MARR line's date and place, the last SLGS sealing, the SOUR lines and the first NOTE, found at any
// level of the record. Keeps positions into the collection's mapped text; free it before the
// collection.
#pragma once

#include <memory>
#include <string>

#include "gedcom/GedcomLines.h"
#include "model/WABSMarriage.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDMarriage : public WABSMarriage {
 public:
  // The family with that index. Throws EIndexError for an index that is not a family, and
  // EMemoryError ("Error getting pointer to marriage <index>") when its record cannot be found.
  WGEDMarriage(const GedcomRecordContext& context, std::int32_t index);

  std::int32_t GetHusband() override;
  std::int32_t GetWife() override;
  std::int32_t GetChild(std::int32_t n) override;
  std::int32_t SpouseCount() override;
  // Orders the children by their CHIL lines when the SortChildren setting is on.
  void SortChildren() override;
  bool HasSealing() override;
  // The SLGS sealing, whatever n; nullptr without one.
  std::unique_ptr<WABSLDSEvent> GetSealing(std::int32_t n) override;
  // The PLAC value among the level-2 lines right after the MARR line.
  std::string GetPlaceText() override;
  std::string GetRecordText() override;
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override;
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  // The date of a DATE line right after the MARR line, nothing otherwise.
  void LoadDate() override;

 private:
  const GedcomRecordContext& context_;
  const char* record_ = nullptr;
  const char* marriage_ = nullptr;
  const char* sealing_ = nullptr;
  const char* note_ = nullptr;
  gedcom::CitationLines citations_;
};

}  // namespace kinshelf
