// One family of a collection: the couple, their children, the marriage date and place, sealings,
// citations and note. Readers derive from it; every object a marriage returns is new and belongs
// to the caller, except its dates, which it owns.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "model/ItemDates.h"
#include "model/WABSCollectionItem.h"

namespace kinshelf {

class WABSCitation;
class WABSLDSEvent;
class WABSNote;
class WDate;

class WABSMarriage : public WABSCollectionItem {
 public:
  ~WABSMarriage() override;

  // Virtual operations in this order (the loaders are protected: callers use Date and SortDate).
 protected:
  // Builds the display date with SetDate; called once, by the first Date().
  virtual void LoadDate() = 0;
  // Builds the sort date; called once, by the first SortDate(). Base: the display date doubles as
  // the sort date. An override calls SetSortDate.
  virtual void LoadSortDate();

 public:
  // The husband's and the wife's individual index, 0 when none.
  virtual std::int32_t GetHusband() = 0;
  virtual std::int32_t GetWife() = 0;
  // The individual index of child n (1 to ChildCount()), 0 when out of range.
  virtual std::int32_t GetChild(std::int32_t n) = 0;
  // 0, 1 or 2.
  virtual std::int32_t SpouseCount() = 0;
  // Puts the children in the reader's order; call before listing them.
  virtual void SortChildren() = 0;
  // No use is fixed. Base: 0.
  virtual std::int32_t ReaderValue() { return 0; }
  // True when the couple has an LDS sealing to spouse.
  virtual bool HasSealing() = 0;
  // The couple's n-th sealing to spouse, or nullptr.
  virtual std::unique_ptr<WABSLDSEvent> GetSealing(std::int32_t n) = 0;
  // The marriage place as the file stores it; empty when absent.
  virtual std::string GetPlaceText() = 0;
  // The raw record as text (empty where the format has no text form).
  virtual std::string GetRecordText() = 0;
  // Base: the count the reader stored with SetCitationCount (0 until then).
  virtual std::int32_t CitationCount();
  // Citation n (1-based), or nullptr.
  virtual std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) = 0;
  // The family's note, or nullptr.
  virtual std::unique_ptr<WABSNote> GetNote() = 0;

  // The number of children, as the reader stored it with SetChildCount.
  std::int32_t ChildCount() const { return childCount_; }
  // The display date, or nullptr; owned by the marriage and valid while it lives.
  const WDate* Date();
  // The sort date, or nullptr; owned by the marriage and valid while it lives.
  const WDate* SortDate();
  // The display texts of the two dates; empty without a date.
  std::string DateText();
  std::string SortDateText();
  // The date text, then ", " and the place text when the place is not empty.
  std::string DateAndPlaceText();
  // The name of the family's event; "Marriage" unless the reader stored another.
  const std::string& EventName() const { return eventName_; }
  // The wife when `individual` is the husband, else the husband.
  std::int32_t OtherSpouse(std::int32_t individual);
  // The numbered citation list ("1) ...", then "\r\n\r\n" n ") ..."); empty without citations.
  std::string CitationsText();
  // The note's lines joined with "\r\n"; empty without a note.
  std::string NoteText();

 protected:
  WABSMarriage(WABSCollection& collection, std::int32_t index);

  void SetChildCount(std::int32_t count) { childCount_ = count; }
  // For LoadDate and LoadSortDate: the first date set is kept, a later one is dropped.
  void SetDate(std::unique_ptr<WDate> date);
  void SetSortDate(std::unique_ptr<WDate> date);
  void SetCitationCount(std::int32_t count) { citationCount_ = count; }
  void SetEventName(std::string name) { eventName_ = std::move(name); }

 private:
  std::int32_t childCount_ = 0;
  ItemDates dates_;
  std::int32_t citationCount_ = 0;
  std::string eventName_;
};

}  // namespace kinshelf
