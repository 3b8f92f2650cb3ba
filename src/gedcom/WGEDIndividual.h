// A GEDCOM individual record as a person of the model. Where its main lines are is found once per
// load and kept in the collection's individual index (the summary); citations and other events are
// collected on first use. Keeps positions into the collection's mapped text; free it before the
// collection.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/GedcomLines.h"
#include "gedcom/WGEDIndIndex.h"
#include "model/WABSIndividual.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDIndividual : public WABSIndividual {
 public:
  // The individual with that index (see LoadRecord).
  WGEDIndividual(const GedcomRecordContext& context, std::int32_t index);
  ~WGEDIndividual() override;

  // Clears the summary kept in the index, so that the next LoadRecord reads the record again.
  void Reset() override;
  void FreeCache() override;
  // Points the object at individual `index` and fills its summary when the index has none yet.
  // Throws EMemoryError ("Error getting pointer to individual <index>") when there is no such
  // record. Index 0 leaves the object pointing at no record.
  void LoadRecord(std::int32_t index) override;
  // Points the object at individual `index`, whose record starts at `record`, and reads its summary
  // from the record without the individual index: a listing may start while a load, on another
  // thread, still builds that index (see EarlyIndividuals).
  void PointAtRecord(std::int32_t index, const char* record);
  // The identifier as written between the '@' of the record line.
  std::string GetIDText() override;
  std::string GetRefNumber() override;
  std::string GetAFN() override;
  char GetSex() override;
  const WDate* GetCreatedDate() override;
  // The first DATE below the last level-1 CHAN line; made once and kept.
  const WDate* GetChangedDate() override;
  std::unique_ptr<WABSName> GetName() override;
  std::int32_t EventCount(EventKind kind) override;
  std::unique_ptr<WABSVitEvent> GetEvent(EventKind kind, std::int32_t n) override;
  // Read from the event's DATE and PLAC lines without making the event.
  EventTexts EventDateAndPlaceText(EventKind kind, std::int32_t n) override;
  // The same texts as the base gives, read in place into the room `texts` kept.
  void ReadListingTexts(ListingTexts& texts) override;
  std::unique_ptr<WABSLDSEvent> GetLDSEvent(EventKind kind) override;
  std::int32_t ParentFamilyCount() override;
  std::int32_t GetParentFamily(std::int32_t n) override;
  std::optional<ParentFamilyLink> GetParentFamilyEx(std::int32_t n) override;
  std::int32_t SpouseFamilyCount() override;
  std::int32_t GetSpouseFamily(std::int32_t n) override;
  // The level-1 SOUR lines of the record.
  std::int32_t CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override;
  // The first level-1 NOTE; when there are more, each further one's lines, joined by CR LF, become
  // one more line of it.
  std::unique_ptr<WABSNote> GetNote() override;
  // The raw record, with CR LF line breaks where the file uses LF.
  std::string GetRecordText() override;

 private:
  void ForgetRecord(std::int32_t index);
  // ReadSummary, kept in the index.
  void FillSummary();
  void ReadSummary();
  const char* At(std::uint32_t relative) const;
  std::string_view IDView() const;
  // The line of the event GetEvent gives, or nullptr.
  const char* EventLine(EventKind kind, std::int32_t n);
  // The date and place texts of the event at `line`, the place laid out by `commas`; empty when
  // `line` is nullptr.
  void ReadEventTexts(const char* line, bool commas, EventTexts& texts) const;
  const gedcom::CitationLines& Citations();
  const std::vector<const char*>& OtherEvents();
  // The cached first NOTE line and, when the summary saw more, every later level-1 NOTE line.
  std::vector<const char*> NoteLines() const;

  const GedcomRecordContext& context_;
  const char* record_ = nullptr;
  IndividualSummary summary_;
  std::optional<gedcom::CitationLines> citations_;
  std::optional<std::vector<const char*>> otherEvents_;
  std::unique_ptr<WDate> changedDate_;
  bool changedDateRead_ = false;
};

}  // namespace kinshelf
