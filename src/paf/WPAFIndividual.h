// What the individuals of the three PAF versions share: the record, its vital events and LDS
// ordinances, additional events, spouse and parent families, citations, note and dates. A version
// adds its name, reference number and AFN, where its additional events start and, for PAF 4, the
// extension record its ordinances need.
//
// The object's index is the individual's index in the collection (the RIN when nothing was deleted);
// GetIDText gives the RIN. Lists are walked once, on first use, and every walk is bounded: by the
// counts below and by stopping at a number it has met.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/NameParts.h"
#include "model/WABSCitation.h"
#include "model/WABSIndividual.h"
#include "model/WABSNote.h"
#include "model/dates/WDate.h"
#include "paf/PafCitationList.h"
#include "paf/PafRecord.h"

namespace kinshelf {

class WPAFCollection;

class WPAFIndividual : public WABSIndividual {
 public:
  static constexpr std::size_t kMaxOtherEvents = 1000;
  static constexpr std::size_t kMaxSpouseFamilies = 255;
  static constexpr std::size_t kMaxParentFamilies = 16;

  void Reset() override;
  void FreeCache() override { Reset(); }
  // Throws std::runtime_error "Error getting pointer to individual <index>" when the index names no
  // record.
  void LoadRecord(std::int32_t index) override;
  // Points the object at individual `index` (RIN `rin`), whose record is located.
  void PointAt(std::int32_t index, std::int32_t rin, PafRecord record);
  // The RIN.
  std::string GetIDText() override { return std::to_string(rin_); }
  // The sex byte; 'U' when it isn't a printable character.
  char GetSex() override;
  const WDate* GetCreatedDate() override;
  const WDate* GetChangedDate() override;
  // 1 for every kind but kOther, which counts the additional events.
  std::int32_t EventCount(EventKind kind) override;
  std::unique_ptr<WABSVitEvent> GetEvent(EventKind kind, std::int32_t n) override;
  // A vital event's texts read from its structure without making the event; others as the base does.
  EventTexts EventDateAndPlaceText(EventKind kind, std::int32_t n) override;
  // The same texts, the name's parts and places laid out from views of the text records.
  void ReadListingTexts(ListingTexts& texts) override;
  std::unique_ptr<WABSLDSEvent> GetLDSEvent(EventKind kind) override;
  std::int32_t ParentFamilyCount() override { return static_cast<std::int32_t>(ParentLinks().size()); }
  std::int32_t GetParentFamily(std::int32_t n) override;
  // The family with natural father and mother.
  std::optional<ParentFamilyLink> GetParentFamilyEx(std::int32_t n) override;
  std::int32_t SpouseFamilyCount() override { return static_cast<std::int32_t>(SpouseFamilies().size()); }
  std::int32_t GetSpouseFamily(std::int32_t n) override;
  std::int32_t CitationCount() override { return citations_.Count(); }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override { return citations_.Get(n); }
  std::unique_ptr<WABSNote> GetNote() override;
  std::string GetRecordText() override { return {}; }

 protected:
  // Over individual `index`'s located record (RIN `rin`); the collection must outlive it.
  WPAFIndividual(WPAFCollection& collection, std::int32_t index, std::int32_t rin, PafRecord record);

  WPAFCollection& PafCollection() const { return collection_; }
  const PafRecord& Record() const { return record_; }
  std::int32_t Rin() const { return rin_; }

  // The number of the first additional event; 0 without any.
  virtual std::int32_t FirstOtherEvent() const = 0;
  // PAF 4's individual extension; a record that doesn't exist in other versions.
  virtual PafRecord Extension() const { return {}; }
  // The name's parts as views of the file, for a listing; nullopt when the version can't give them
  // so (the listing then takes the name object's). Base: nullopt.
  virtual std::optional<NamePartViews> NameViews() const { return std::nullopt; }

 private:
  const std::vector<PafRecord>& OtherEvents();
  const std::vector<std::int32_t>& SpouseFamilies();
  const std::vector<std::int32_t>& ParentLinks();
  std::unique_ptr<WABSVitEvent> MakeOtherEvent(const PafRecord& record) const;
  // The structure of a vital event that is used, or nothing.
  std::optional<PafRecord> VitalStructure(EventKind kind) const;
  void ReadEventTexts(EventKind kind, bool placeCommas, EventTexts& texts) const;
  std::unique_ptr<WABSLDSEvent> MakeOrdinance(EventKind kind, PafRecord structure) const;
  PafRecord FirstParentLink() const;
  std::optional<WDate> DateOfTime(std::size_t field) const;

  WPAFCollection& collection_;
  std::int32_t rin_;
  PafRecord record_;
  PafCitationList citations_;
  std::optional<std::vector<PafRecord>> otherEvents_;
  std::optional<std::vector<std::int32_t>> spouseFamilies_;
  std::optional<std::vector<std::int32_t>> parentLinks_;
  std::optional<std::optional<WDate>> created_;
  std::optional<std::optional<WDate>> changed_;
};

}  // namespace kinshelf
