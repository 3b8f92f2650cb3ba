// A family (marriage record) of a PAF file: the couple, the children (found through the family's
// child links when the object is made), the marriage event, the sealing to spouse, citations and
// note.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/WABSCitation.h"
#include "model/WABSMarriage.h"
#include "model/WABSNote.h"
#include "paf/PafCitationList.h"
#include "paf/PafRecord.h"

namespace kinshelf {

class WPAFCollection;

class WPAFMarriage final : public WABSMarriage {
 public:
  // The most children a family lists.
  static constexpr std::size_t kMaxChildren = 501;

  // Over marriage `mrin`'s located record; the collection must outlive the marriage.
  WPAFMarriage(WPAFCollection& collection, std::int32_t mrin, PafRecord record);

  // The spouse's individual index; 0 without one or when that individual is deleted.
  std::int32_t GetHusband() override { return SpouseIndex(Fields().husband); }
  std::int32_t GetWife() override { return SpouseIndex(Fields().wife); }
  std::int32_t GetChild(std::int32_t n) override;
  std::int32_t SpouseCount() override;
  // With the SortChildren setting on: by birth date, children without one last; once.
  void SortChildren() override;
  bool HasSealing() override;
  // The couple's one sealing to spouse, whatever n; nullptr without one.
  std::unique_ptr<WABSLDSEvent> GetSealing(std::int32_t n) override;
  std::string GetPlaceText() override;
  std::string GetRecordText() override { return {}; }
  std::int32_t CitationCount() override { return citations_.Count(); }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override { return citations_.Get(n); }
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  void LoadDate() override;

 private:
  const paf::MarriageFields& Fields() const;
  std::int32_t SpouseIndex(std::size_t field) const;
  PafRecord Event() const;
  PafRecord Sealing() const;
  void LoadChildren();

  WPAFCollection& collection_;
  PafRecord record_;
  PafCitationList citations_;
  std::vector<std::int32_t> children_;
  bool sorted_ = false;
};

}  // namespace kinshelf
